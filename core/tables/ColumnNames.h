#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace lottery {

// What a header says a column holds.
enum class ColumnRole : std::uint8_t {
    Unnamed, // no name, or only an index such as "2": it continues the column before
    Drawn,   // a drawn number (Num1, Ball 1, Zahl, Число 1, Winning Numbers, ...)
    Extra,   // a bonus, supplementary, super or chance number: never part of the draw
    DrawNo,  // the draw's number
    Date,    // the date or a part of it (day, month, year, weekday)
    Other,   // prizes, winners, anything else named
};

ColumnRole RoleOfColumnName(std::string_view name);

// The role of each header field, with unnamed ones taking the role of the column before.
std::vector<ColumnRole> ColumnRoles(const std::vector<std::string_view>& header);

} // namespace lottery
