#pragma once

#include "lottery/DrawRecord.h"
#include "lottery/LotteryShape.h"

#include <random>
#include <vector>

namespace lottery::test {

// Random past draws of a shape. Positions 1..K hold distinct numbers 1..N, except that each
// position is, with probability repeatChance, any number 1..N (so a draw may repeat one, as
// some files do). Bytes K..6 get arbitrary values: nothing may read them.
std::vector<DrawRecord> RandomDraws(std::mt19937& rng, LotteryShape shape, int count,
                                    double repeatChance = 0.0);

} // namespace lottery::test
