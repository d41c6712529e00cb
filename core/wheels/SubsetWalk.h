#pragma once

#include "wheels/Combinatorics.h"

#include <vector>

// Visiting every subset of a given size of a mask, without building a list.
namespace wheels {

namespace detail {
template <typename Visit>
void WalkSubsets(const int* positions, int available, int size, Mask chosen, Visit& visit) {
    if (size == 0) {
        visit(chosen);
        return;
    }
    for (int i = size - 1; i < available; ++i)
        WalkSubsets(positions, i, size - 1, chosen | Bit(positions[i]), visit);
}
} // namespace detail

// Calls visit(subset) for every subset of `from` with `size` positions.
template <typename Visit> void ForEachSubset(Mask from, int size, Visit&& visit) {
    int positions[kMaxPositions];
    int count = 0;
    for (; from != 0; from &= from - 1)
        positions[count++] = Lowest(from);
    if (size >= 0 && size <= count)
        detail::WalkSubsets(positions, count, size, Mask{0}, visit);
}

// Every subset of `from` with `size` positions, into out (cleared first).
inline void ListSubsets(Mask from, int size, std::vector<Mask>& out) {
    out.clear();
    ForEachSubset(from, size, [&](Mask subset) { out.push_back(subset); });
}

} // namespace wheels
