#pragma once

#include "lottery/DrawRecord.h"

#include <optional>
#include <string>
#include <vector>

namespace lottery::test {

// The real 6-out-of-49 history kept beside the project (never copied into it): the path from
// ZHREBIKON_HISTORY_CSV, else shared/data/lotto649-canada-1982-2025.csv in the nearest
// folder above start that has it. nullopt when there is none.
std::optional<std::string> FindHistoryCsv(const std::string& start);

// Rows "Date,Num1..Num6,Bonus" with a quoted date that holds a comma; the bonus is not part of
// a draw. nullopt when the file cannot be read or a row does not parse.
std::optional<std::vector<DrawRecord>> ReadHistoryCsv(const std::string& path);

} // namespace lottery::test
