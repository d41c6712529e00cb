#include "audit/SubsetDistribution.h"

#include <bit>
#include <cstdint>
#include <gtest/gtest.h>
#include <map>

namespace lottery::audit {
namespace {

// Every K-subset of 1..N listed, its figure read straight from the numbers (not through the
// weights the counting uses), against the law counted by dynamic programming.
TEST(ExactDistribution, MatchesEveryListedSubsetForSmallLotteries) {
    for (int N = 2; N <= 12; ++N)
        for (int K = 1; K < N && K <= 7; ++K) {
            std::map<int, double> sum, odd, low, neighbours;
            double subsets = 0;
            for (std::uint64_t bits = 0; bits < (std::uint64_t{1} << N); ++bits) {
                if (std::popcount(bits) != K)
                    continue;
                subsets += 1;
                int s = 0, o = 0, l = 0, nb = 0;
                for (int n = 1; n <= N; ++n) {
                    if (!(bits >> (n - 1) & 1))
                        continue;
                    s += n;
                    o += n % 2;
                    l += 2 * n <= N;
                    nb += n < N && (bits >> n & 1);
                }
                sum[s] += 1, odd[o] += 1, low[l] += 1, neighbours[nb] += 1;
            }
            const std::pair<DrawFeature, std::map<int, double>*> laws[] = {
                {SumFeature(N), &sum},
                {OddFeature(N), &odd},
                {LowFeature(N), &low},
                {NeighbourFeature(N), &neighbours}};
            for (const auto& [feature, listed] : laws) {
                const std::vector<double> law = FeatureDistribution(feature, K, N);
                double total = 0;
                for (std::size_t v = 0; v < law.size(); ++v) {
                    const auto found = listed->find(static_cast<int>(v));
                    const double expected = found == listed->end() ? 0 : found->second / subsets;
                    EXPECT_NEAR(law[v], expected, 1e-12) << K << "/" << N << " value " << v;
                    total += law[v];
                }
                EXPECT_NEAR(total, 1, 1e-12);
                EXPECT_EQ(static_cast<int>(law.size()) - 1, listed->rbegin()->first);
            }
        }
}

} // namespace
} // namespace lottery::audit
