#include "chance/ChartFigures.h"

#include "RandomDraws.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace lottery {
namespace {

// 3 of 6; the expectations below were counted by hand from these five draws.
const std::vector<DrawRecord> kFive = {{1, 2, 3}, {1, 4, 5}, {2, 4, 6}, {1, 2, 6}, {3, 5, 6}};
const LotteryShape kThreeOfSix{3, 6};

TEST(ChartFigures, SmallHistoryWholeAndLastTwo) {
    const HistoryIndex index(kFive, kThreeOfSix);
    EXPECT_EQ(FrequencyFigureOf(index, 5).counts, (std::vector<long long>{3, 3, 2, 2, 2, 3}));
    EXPECT_EQ(FrequencyFigureOf(index, 2).counts, (std::vector<long long>{1, 1, 1, 0, 1, 2}));
    EXPECT_DOUBLE_EQ(FrequencyFigureOf(index, 2).expected, 1.0);
    EXPECT_EQ(FrequencyFigureOf(index, 99).draws, 5); // more than there are: all of them

    const OverdueFigure overdue = OverdueFigureOf(index, 5, 2);
    EXPECT_EQ(overdue.drawsSince, (std::vector<long long>{1, 1, 0, 2, 0, 0}));
    EXPECT_EQ(overdue.mostOverdue, (std::vector<int>{4, 1}));
    EXPECT_DOUBLE_EQ(overdue.tail[0], 0.25); // (1 - 3/6)^2
    // Only real waits are listed: the numbers of the latest draw are not.
    EXPECT_EQ(OverdueFigureOf(index, 5, 6).mostOverdue, (std::vector<int>{4, 1, 2}));
    // 4 is not among the last two draws: it has waited the whole window.
    EXPECT_EQ(OverdueFigureOf(index, 2, 0).drawsSince, (std::vector<long long>{1, 1, 0, 2, 0, 0}));
    EXPECT_EQ(OverdueFigureOf(index, 1, 0).drawsSince, (std::vector<long long>{1, 1, 0, 1, 0, 0}));

    const PairFigure all = PairFigureOf(index, 5);
    EXPECT_EQ(all.at(1, 2), 2);
    EXPECT_EQ(all.at(6, 2), 2);
    EXPECT_EQ(all.at(1, 6), 1);
    EXPECT_EQ(all.at(3, 4), 0);
    EXPECT_EQ(all.at(6, 6), 3);
    EXPECT_DOUBLE_EQ(all.expected, 5.0 * 3 * 2 / (6 * 5));
    // Binomial(5, 1/5): P(X <= 0) = 0.328 and P(X <= 2) = 0.942, P(X <= 3) = 0.993, so the
    // band is 0..3 and no pair of five draws lies outside it.
    EXPECT_EQ(all.band.high, 3);
    EXPECT_EQ(all.pairsOutsideBand, 0);
    const PairFigure lastTwo = PairFigureOf(index, 2);
    EXPECT_EQ(lastTwo.at(1, 2), 1);
    EXPECT_EQ(lastTwo.at(2, 6), 1);
    EXPECT_EQ(lastTwo.at(1, 5), 0);
}

TEST(ChartFigures, TicketAgainstTheSmallHistory) {
    const HistoryIndex index(kFive, kThreeOfSix);
    NumberSet ticket;
    for (int n : {1, 2, 6})
        ticket.add(n);
    const TicketCheck check = CheckTicket(index, ticket, 3);
    EXPECT_EQ(check.drawsMatching, (std::vector<long long>{0, 2, 2, 1}));
    // C(3,m) C(3,3-m) / 20 per draw, times five draws.
    const double expected[] = {0.25, 2.25, 2.25, 0.25};
    for (std::size_t m = 0; m < 4; ++m)
        EXPECT_NEAR(check.expected[m], expected[m], 1e-12) << m;
    ASSERT_EQ(check.best.size(), 3u);
    EXPECT_EQ(check.best[0].position, 4);
    EXPECT_EQ(check.best[0].matches, 3);
    EXPECT_EQ(check.best[1].position, 3);
    EXPECT_EQ(check.best[2].position, 1);
}

// Windows that start and end on both sides of a checkpoint count what a plain scan counts.
TEST(ChartFigures, WindowsAcrossCheckpointsMatchAPlainScan) {
    std::mt19937 rng(15);
    const LotteryShape shape{6, 49};
    // A history ending just past a checkpoint, and one ending exactly on one.
    for (const long long size : {3 * HistoryIndex::kStep + 7, 2 * HistoryIndex::kStep}) {
        const auto draws = test::RandomDraws(rng, shape, static_cast<int>(size), 0.05);
        const HistoryIndex index(draws, shape);
        const long long D = index.drawCount();
        for (long long window : {0LL, 1LL, 7LL, 8LL, D - HistoryIndex::kStep, D - 1, D}) {
            std::vector<long long> counts(49, 0), pairs(49 * 49, 0);
            for (long long d = D - window; d < D; ++d) {
                NumberSet set;
                for (int p = 0; p < 6; ++p)
                    set.add(draws[static_cast<std::size_t>(d)][static_cast<std::size_t>(p)]);
                for (int i = 1; i <= 49; ++i)
                    for (int j = 1; j <= 49; ++j)
                        if (set.contains(i) && set.contains(j))
                            pairs[static_cast<std::size_t>((i - 1) * 49 + j - 1)] += 1;
            }
            for (int i = 1; i <= 49; ++i)
                counts[static_cast<std::size_t>(i) - 1] =
                    pairs[static_cast<std::size_t>((i - 1) * 50)];
            EXPECT_EQ(index.frequencies(window), counts) << window;
            EXPECT_EQ(index.pairCounts(window), pairs) << window;
        }
    }
}

// P(X < low) + P(X > high) for X ~ Binomial(n, p), summed term by term from the recurrence
// P(k + 1) = P(k) (n - k) p / ((k + 1) (1 - p)).
double OutsideByExactSum(long long n, double p, const CountBand& band) {
    long double term = std::pow(1.0L - p, static_cast<long double>(n));
    long double outside = 0;
    for (long long k = 0; k <= n; ++k) {
        if (k < band.low || k > band.high)
            outside += term;
        term *= static_cast<long double>(n - k) * p / ((k + 1) * (1.0L - p));
    }
    return static_cast<double>(outside);
}

// How many numbers and pairs chance puts outside their band is the exact binomial sum for the
// draws shown, whatever the shape and window.
TEST(ChartFigures, ExpectedOutsideTheBandIsTheExactBinomialSum) {
    std::mt19937 rng(2);
    for (const LotteryShape shape : {LotteryShape{6, 49}, LotteryShape{7, 8}, LotteryShape{2, 5}}) {
        const HistoryIndex index(test::RandomDraws(rng, shape, 1000), shape);
        const int N = shape.N;
        for (long long window : {1LL, 20LL, 100LL, 1000LL}) {
            const FrequencyFigure one = FrequencyFigureOf(index, window);
            const double p = static_cast<double>(shape.K) / N;
            EXPECT_NEAR(one.expectedOutside, N * OutsideByExactSum(window, p, one.band), 1e-9)
                << N << " " << window;
            const PairFigure pairs = PairFigureOf(index, window);
            const double q = p * (shape.K - 1) / (N - 1);
            EXPECT_NEAR(pairs.expectedOutside,
                        N * (N - 1) / 2.0 * OutsideByExactSum(window, q, pairs.band), 1e-9)
                << N << " " << window;
        }
    }
}

TEST(ChartFigures, EmptyHistoryGivesZerosAndNoBandOutliers) {
    const HistoryIndex index({}, {6, 49});
    const FrequencyFigure frequency = FrequencyFigureOf(index, 100);
    EXPECT_EQ(frequency.draws, 0);
    EXPECT_TRUE(frequency.outsideBand.empty());
    EXPECT_EQ(frequency.test.pValue, 1.0);
    EXPECT_EQ(PairFigureOf(index, 0).expected, 0.0);
    EXPECT_EQ(CheckTicket(index, NumberSet{}, 5).best.size(), 0u);
}

} // namespace
} // namespace lottery
