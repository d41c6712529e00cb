#pragma once

#include "lottery/DrawRecord.h"

#include <cstddef>
#include <optional>
#include <span>

namespace lottery {

// How an updated download meets the history on screen.
struct TableOverlap {
    // The index in newer of its first draw after the overlap: newer begins with the last
    // draws of current (any number of them, not only from the first draw) and goes on.
    std::optional<std::size_t> newFrom;
    // Every draw of newer is already in current, one after another: nothing to add.
    bool nothingNew = false;
};

// Draws are compared by their numbers as a set, since a draw entered by hand may list them in
// another order. Nothing overlaps an empty current or an empty newer.
TableOverlap OverlapWithHistory(std::span<const DrawRecord> current,
                                std::span<const DrawRecord> newer, int K);

// When newer goes on from the end of current: the index in newer of its first new draw.
// nullopt otherwise, also when there is nothing new.
std::optional<std::size_t> NewDrawsStartAt(std::span<const DrawRecord> current,
                                           std::span<const DrawRecord> newer, int K);

} // namespace lottery
