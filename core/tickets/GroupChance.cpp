#include "tickets/GroupChance.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace lottery {
namespace {

constexpr double kZ95 = 1.959963984540054;
// Below this expected count a level's band comes from the binomial, not the normal curve.
constexpr double kNormalFrom = 20;

double Choose(int n, int k) {
    if (k < 0 || n < 0 || k > n)
        return 0;
    double result = 1;
    for (int i = 1; i <= k; ++i)
        result = result * (n - k + i) / i;
    return result;
}

// P(two tickets sharing j numbers both match exactly m numbers of one draw).
double BothMatch(int j, int m, int K, int N) {
    double ways = 0;
    for (int a = 0; a <= j; ++a)
        ways += Choose(j, a) * Choose(K - j, m - a) * Choose(K - j, m - a) *
                Choose(N - 2 * K + j, K - 2 * m + a);
    return ways / Choose(N, K);
}

CountBand NormalBand(double mean, double deviation) {
    return {std::max(0LL, static_cast<long long>(std::ceil(mean - kZ95 * deviation))),
            static_cast<long long>(std::floor(mean + kZ95 * deviation))};
}

} // namespace

double GroupChance::upperTail(long long hits) const {
    if (hitsDeviation <= 0)
        return static_cast<double>(hits) > expectedHits ? 0.0 : 1.0;
    // Continuity-corrected normal tail; the totals of thousands of draws are close to normal.
    const double z = (static_cast<double>(hits) - 0.5 - expectedHits) / hitsDeviation;
    return 0.5 * std::erfc(z / std::sqrt(2.0));
}

GroupChance ChanceOfGroup(std::span<const Ticket> group, LotteryShape shape, long long draws) {
    GroupChance chance;
    const int K = shape.K;
    const int N = shape.N;
    const auto T = static_cast<double>(group.size());
    const auto D = static_cast<double>(draws);
    const std::vector<double> p = MatchProbabilities(K, N);

    // Ordered pairs of different tickets by the numbers they share.
    std::vector<double> pairsSharing(static_cast<std::size_t>(K) + 1, 0);
    for (std::size_t t = 0; t < group.size(); ++t)
        for (std::size_t u = t + 1; u < group.size(); ++u) {
            const int shared = std::min(std::popcount(group[t].mask() & group[u].mask()), K);
            pairsSharing[static_cast<std::size_t>(shared)] += 2;
        }
    for (int m = 0; m <= K; ++m) {
        const double pm = p[static_cast<std::size_t>(m)];
        const double mean = pm * T * D;
        chance.expected.push_back(mean);
        double perDraw = T * pm * (1 - pm);
        for (int j = 0; j <= K; ++j)
            perDraw +=
                pairsSharing[static_cast<std::size_t>(j)] * (BothMatch(j, m, K, N) - pm * pm);
        const double deviation = std::sqrt(std::max(perDraw, 0.0) * D);
        chance.deviations.push_back(deviation);
        // One ticket a draw gives a binomial count exactly; rare levels are far from normal.
        chance.bands.push_back(group.size() <= 1 || mean < kNormalFrom
                                   ? BinomialBand(draws * static_cast<long long>(group.size()), pm)
                                   : NormalBand(mean, deviation));
    }

    // Numbers matched in one draw: the sum over the K drawn numbers of how many tickets hold
    // each, K drawn without replacement from N such counts.
    std::vector<double> holders(static_cast<std::size_t>(N) + 1, 0);
    for (const Ticket& ticket : group)
        for (const int number : ticket.numbers())
            if (number <= N)
                holders[static_cast<std::size_t>(number)] += 1;
    double sum = 0, squares = 0;
    for (int n = 1; n <= N; ++n) {
        sum += holders[static_cast<std::size_t>(n)];
        squares += holders[static_cast<std::size_t>(n)] * holders[static_cast<std::size_t>(n)];
    }
    const double mean = sum / N;
    const double spread = squares / N - mean * mean;
    const double perDrawVariance = N > 1 ? K * spread * (N - K) / (N - 1) : 0;
    chance.expectedHits = K * mean * D;
    chance.hitsDeviation = std::sqrt(std::max(perDrawVariance, 0.0) * D);
    chance.hitsBand = NormalBand(chance.expectedHits, chance.hitsDeviation);
    return chance;
}

} // namespace lottery
