#pragma once

#include "tables/DrawTable.h"

#include <cstddef>
#include <functional>
#include <string_view>

namespace lottery {

// Asked now and then while a long table is read: lines done of all; false stops the reading.
using TableProgress = std::function<bool(std::size_t done, std::size_t total)>;

// Reads a table of past draws (one draw a line, in any of the usual layouts) into draws of one
// lottery shape, oldest first. Nothing is dropped silently: each line that gives no draw is in
// refused with its reason. A table that cannot be used at all has error set.
DrawTable ReadDrawTable(std::string_view bytes, const TableChoice& choice = {},
                        const TableProgress& progress = {});

} // namespace lottery
