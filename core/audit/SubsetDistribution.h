#pragma once

#include <cstdint>
#include <vector>

namespace lottery::audit {

// A figure of one draw that adds up over its numbers, plus a bonus for every two neighbours
// n and n + 1 drawn together: the sum, the odd count, the low count, the neighbour count.
struct DrawFeature {
    std::vector<int> weight; // weight[n] for the number n = 1..N; weight[0] is unused
    int neighbourBonus = 0;
};

DrawFeature SumFeature(int N);
DrawFeature OddFeature(int N);
// Low numbers are 1..N/2 (rounded down); the others are high.
DrawFeature LowFeature(int N);
DrawFeature NeighbourFeature(int N);

// The feature of a draw given as bit n for each number n.
int FeatureOf(const DrawFeature& feature, std::uint64_t numbers);

// P(feature = v), v = 0..largest value, when all K-subsets of 1..N are equally likely.
// Counted by dynamic programming over the numbers (how many taken, whether the last number
// was taken, the value so far), so it is exact without listing the subsets.
std::vector<double> FeatureDistribution(const DrawFeature& feature, int K, int N);

} // namespace lottery::audit
