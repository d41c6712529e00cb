#pragma once

#include "tables/DrawTable.h"

#include <span>
#include <string_view>
#include <vector>

namespace lottery {

// A draw's place in time as its table tells it: a date or a draw number.
struct OrderKey {
    std::size_t line = 0;
    long long key = 0; // comparable; meaningless when !readable
    bool readable = false;
    std::string_view text; // as written, for the warning
};

struct OrderFinding {
    bool newestFirst = false;
    bool decided = false; // the keys told a direction
    std::vector<TableNote> warnings;
};

// Tells the direction from the keys taken as a whole (the majority of steps between readable
// neighbours), and lists unreadable keys and those out of place: the fewest keys whose removal
// leaves the rest in order. Single rows are never moved.
OrderFinding FindOrder(std::span<const OrderKey> keys, bool dates);

} // namespace lottery
