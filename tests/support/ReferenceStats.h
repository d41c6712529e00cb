#pragma once

#include "lottery/DrawRecord.h"
#include "lottery/LotteryShape.h"
#include "lottery/NumberStats.h"

#include <span>

namespace lottery::test {

// The statistics exactly as the program's description words them: for every number a pass
// over all draws and positions (N x draws x K). Slow on purpose; it is the yardstick the fast
// one-pass StatAll is held against.
void ReferenceStatAll(StatsTable& table, std::span<const DrawRecord> draws, LotteryShape shape);

// The ranking insertion from the bottom, then the presentation rules, word for word.
RankingSlots ReferenceRankings(const StatsTable& table, int N);

} // namespace lottery::test
