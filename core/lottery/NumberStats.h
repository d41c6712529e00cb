#pragma once

#include "lottery/DrawRecord.h"
#include "lottery/LotteryShape.h"

#include <array>
#include <cstdint>
#include <limits>
#include <span>

namespace lottery {

// Statistics of one lottery number.
struct NumberStats {
    std::int32_t frequency = 0;  // occurrences among positions 1..K of all draws
    std::int32_t mostWith = 0;   // partner seen most often (lowest number wins ties)
    std::int32_t leastWith = 0;  // partner seen least often (lowest number wins ties)
    std::int32_t drawsSince = 0; // draws added after the last one containing it
    // together[j]: occurrences of j in the draws containing this number (index 1..49).
    std::array<std::int32_t, 50> together{};
};

// Records 1..N belong to the numbers; record 0 (never written, frequency 0) and record N+1
// (frequency = kUpperSentinelFrequency) bound the rankings.
using StatsTable = std::array<NumberStats, 51>;

inline constexpr std::int32_t kUpperSentinelFrequency = std::numeric_limits<std::int32_t>::max();

// Rebuilds records 1..N from the draws. mostWith/leastWith of numbers that never came out
// keep their earlier values; they are not shown then.
void StatAll(StatsTable& table, std::span<const DrawRecord> draws, LotteryShape shape);

// Brings records 1..N from the draws before an edit to the draws after it, exactly as StatAll
// on draws would, in time of the edit's size (plus, for a number whose last draw went, a
// look back for the draw before). draws is the list after the edit: removed draws from
// index first on were replaced by draws first .. first + inserted - 1. Numbers that no
// longer come out lose their partners, as after a fresh start.
void UpdateStats(StatsTable& table, std::span<const DrawRecord> draws, std::int64_t first,
                 std::span<const DrawRecord> removed, std::int64_t inserted, LotteryShape shape);

// Zeroes frequency, mostWith, leastWith, drawsSince and together[1..N] of records 1..N.
void ZeroRecords(StatsTable& table, int N);

// Record N+1 frequency = kUpperSentinelFrequency.
void SetUpperSentinel(StatsTable& table, int N);

// The five most and five least frequent numbers; 0 marks an empty slot (shown as "*").
struct RankingSlots {
    std::array<int, 5> mostFrequent{};
    std::array<int, 5> leastFrequent{};
};

RankingSlots Rankings(const StatsTable& table, int N);

} // namespace lottery
