#include "audit/SubsetDistribution.h"

#include <bit>
#include <numeric>

namespace lottery::audit {
namespace {

DrawFeature Weighted(int N, auto weightOf) {
    DrawFeature feature;
    feature.weight.assign(static_cast<std::size_t>(N) + 1, 0);
    for (int n = 1; n <= N; ++n)
        feature.weight[static_cast<std::size_t>(n)] = weightOf(n);
    return feature;
}

} // namespace

DrawFeature SumFeature(int N) {
    return Weighted(N, [](int n) { return n; });
}

DrawFeature OddFeature(int N) {
    return Weighted(N, [](int n) { return n % 2; });
}

DrawFeature LowFeature(int N) {
    return Weighted(N, [N](int n) { return n <= N / 2 ? 1 : 0; });
}

DrawFeature NeighbourFeature(int N) {
    DrawFeature feature = Weighted(N, [](int) { return 0; });
    feature.neighbourBonus = 1;
    return feature;
}

int FeatureOf(const DrawFeature& feature, std::uint64_t numbers) {
    int value = feature.neighbourBonus * std::popcount(numbers & (numbers >> 1));
    for (std::uint64_t rest = numbers; rest != 0; rest &= rest - 1)
        value += feature.weight[static_cast<std::size_t>(std::countr_zero(rest))];
    return value;
}

std::vector<double> FeatureDistribution(const DrawFeature& feature, int K, int N) {
    const int largest = std::accumulate(feature.weight.begin(), feature.weight.end(), 0) +
                        feature.neighbourBonus * N;
    const auto width = static_cast<std::size_t>(largest) + 1;
    // ways[taken][lastTaken][value], as subset counts: exact in a double up to 2^53.
    auto index = [width](int taken, int last, int value) {
        return (static_cast<std::size_t>(taken) * 2 + static_cast<std::size_t>(last)) * width +
               static_cast<std::size_t>(value);
    };
    std::vector<double> ways(static_cast<std::size_t>(K + 1) * 2 * width, 0.0);
    ways[index(0, 0, 0)] = 1;
    for (int n = 1; n <= N; ++n) {
        std::vector<double> next(ways.size(), 0.0);
        const int weight = feature.weight[static_cast<std::size_t>(n)];
        for (int taken = 0; taken <= K; ++taken)
            for (int last = 0; last < 2; ++last)
                for (int value = 0; value <= largest; ++value) {
                    const double count = ways[index(taken, last, value)];
                    if (count == 0)
                        continue;
                    next[index(taken, 0, value)] += count; // n left out
                    const int added = value + weight + (last ? feature.neighbourBonus : 0);
                    if (taken < K)
                        next[index(taken + 1, 1, added)] += count;
                }
        ways = std::move(next);
    }
    std::vector<double> probabilities(width, 0.0);
    double all = 0;
    for (int last = 0; last < 2; ++last)
        for (int value = 0; value <= largest; ++value) {
            probabilities[static_cast<std::size_t>(value)] += ways[index(K, last, value)];
            all += ways[index(K, last, value)];
        }
    for (double& probability : probabilities)
        probability /= all;
    // The values above the largest reachable one say nothing.
    while (probabilities.size() > 1 && probabilities.back() == 0)
        probabilities.pop_back();
    return probabilities;
}

} // namespace lottery::audit
