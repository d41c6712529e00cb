#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace lottery {

// A draw's place in time as its table tells it: a date or a draw number.
// Eight bytes, as a table of millions of lines holds one for each.
struct OrderKey {
    long long key : 62 = 0; // comparable; meaningless when !readable
    bool readable : 1 = false;
};
static_assert(sizeof(OrderKey) == 8);

struct OrderFinding {
    bool newestFirst = false;
    bool decided = false;                // the keys told a direction
    std::vector<std::size_t> unreadable; // indices of keys that cannot be read
    std::vector<std::size_t> outOfPlace; // ... and of readable keys out of place
};

// Tells the direction from the keys taken as a whole (a clear majority, two in three, of the
// steps between readable neighbours), and lists unreadable keys and those out of place: the fewest
// keys whose removal leaves the rest in order. Single rows are never moved.
OrderFinding FindOrder(std::span<const OrderKey> keys);

} // namespace lottery
