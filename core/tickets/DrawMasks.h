#pragma once

#include "lottery/DrawRecord.h"
#include "lottery/LotteryShape.h"

#include <cstdint>
#include <span>
#include <vector>

namespace lottery {

// Every draw as bits (bit n for number n), oldest first: what checking and backtests read.
// A repeated or stray byte adds nothing.
std::vector<std::uint64_t> DrawMasks(std::span<const DrawRecord> draws, LotteryShape shape);

// Draws [first, last) of the list, 0-based, oldest first.
struct DrawRange {
    long long first = 0;
    long long last = 0;
    long long size() const { return last > first ? last - first : 0; }
    // The range cut to a list of `count` draws.
    DrawRange clamped(long long count) const;
    bool operator==(const DrawRange&) const = default;
};

} // namespace lottery
