#include "tickets/Backtest.h"

#include "TicketTesting.h"
#include "tickets/BacktestVerdict.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>

namespace lottery {
namespace {

// The ticket a way plays in draw `at`, from the records before it, counted afresh.
Ticket ChosenAfresh(ChoiceWay way, const std::vector<DrawRecord>& draws, long long at,
                    LotteryShape shape) {
    std::vector<long long> key(shape.N + 1, 0);
    for (long long d = 0; d < at; ++d)
        for (int p = 0; p < shape.K; ++p) {
            const int n = draws[static_cast<std::size_t>(d)][static_cast<std::size_t>(p)];
            if (way == ChoiceWay::LongestWaiting)
                key[n] = d + 1; // later seen sorts later; never seen stays 0 and comes first
            else
                key[n] += way == ChoiceWay::MostFrequent ? -1 : 1;
        }
    std::vector<int> numbers(shape.N);
    std::iota(numbers.begin(), numbers.end(), 1);
    std::stable_sort(numbers.begin(), numbers.end(), [&](int a, int b) { return key[a] < key[b]; });
    numbers.resize(shape.K);
    return *Ticket::FromNumbers(numbers);
}

Backtest PlayWays(const std::vector<DrawRecord>& draws, LotteryShape shape, DrawRange range,
                  const std::vector<Ticket>& set) {
    BacktestRequest request;
    request.range = range;
    request.set = set;
    request.keepChoices = true;
    return RunBacktest(DrawMasks(draws, shape), shape, request);
}

TEST(Backtest, ChoosesFromThePastAloneAndCountsAsBruteForce) {
    std::mt19937 rng(7);
    for (int round = 0; round < 30; ++round) {
        SCOPED_TRACE(round);
        const LotteryShape shape = test::RandomShape(rng);
        auto draws = test::FairDraws(rng, shape, std::uniform_int_distribution(1, 150)(rng));
        const auto set = test::RandomTickets(rng, shape, std::uniform_int_distribution(0, 4)(rng));
        const long long size = static_cast<long long>(draws.size());
        const long long first = std::uniform_int_distribution<long long>(0, size - 1)(rng);
        const Backtest backtest = PlayWays(draws, shape, {first, size}, set);
        ASSERT_EQ(backtest.ways.size(), set.empty() ? 4U : 5U);

        for (const WayOutcome& way : backtest.ways) {
            std::vector<long long> matches(shape.K + 1, 0);
            for (long long d = first; d < size; ++d) {
                const auto& draw = draws[static_cast<std::size_t>(d)];
                if (way.way == ChoiceWay::SameSet) {
                    for (const Ticket& ticket : set)
                        ++matches[test::SharedNumbers(ticket, draw, shape.K)];
                    continue;
                }
                const Ticket played = way.choices[static_cast<std::size_t>(d - first)];
                ASSERT_TRUE(played.fits(shape));
                if (way.way != ChoiceWay::Random) {
                    ASSERT_EQ(played, ChosenAfresh(way.way, draws, d, shape)) << d;
                }
                ++matches[test::SharedNumbers(played, draw, shape.K)];
            }
            EXPECT_EQ(way.matches, matches);
            long long hits = 0;
            for (int m = 0; m <= shape.K; ++m)
                hits += m * matches[m];
            EXPECT_EQ(way.hits, hits);
            EXPECT_GE(way.adjustedP, way.pValue);
        }

        // Whatever happens at or after a draw, the choice for it stays.
        const long long cut = std::uniform_int_distribution<long long>(first, size - 1)(rng);
        const auto later = test::FairDraws(rng, shape, static_cast<int>(size - cut) + 5);
        draws.resize(static_cast<std::size_t>(cut));
        draws.insert(draws.end(), later.begin(), later.end());
        const Backtest changed = PlayWays(draws, shape, {first, size}, set);
        for (std::size_t w = 0; w < backtest.ways.size(); ++w)
            for (long long d = first; d <= cut && backtest.ways[w].way != ChoiceWay::SameSet; ++d)
                ASSERT_EQ(changed.ways[w].choices[d - first], backtest.ways[w].choices[d - first])
                    << "way " << w << " draw " << d << " cut " << cut;
    }
}

TEST(Backtest, ChanceOfAGroupIsExactOverEveryPossibleDraw) {
    std::mt19937 rng(3);
    for (int round = 0; round < 25; ++round) {
        SCOPED_TRACE(round);
        const int K = std::uniform_int_distribution(1, 4)(rng);
        const LotteryShape shape{
            static_cast<std::uint8_t>(K),
            static_cast<std::uint8_t>(std::uniform_int_distribution(K + 1, 10)(rng))};
        const auto group =
            test::RandomTickets(rng, shape, std::uniform_int_distribution(1, 6)(rng));
        const GroupChance chance = ChanceOfGroup(group, shape, 1);

        // Every draw of the lottery, equally likely: the moments of the per-level counts and of
        // the numbers matched, summed exactly.
        std::vector<double> sum(K + 1, 0), squares(K + 1, 0);
        double draws = 0, hits = 0, hitSquares = 0;
        for (std::uint64_t mask = 0; mask < (std::uint64_t{1} << (shape.N + 1)); mask += 2) {
            if (std::popcount(mask) != K)
                continue;
            draws += 1;
            std::vector<double> level(K + 1, 0);
            double matched = 0;
            for (const Ticket& ticket : group) {
                const int m = std::popcount(ticket.mask() & mask);
                level[m] += 1;
                matched += m;
            }
            for (int m = 0; m <= K; ++m) {
                sum[m] += level[m];
                squares[m] += level[m] * level[m];
            }
            hits += matched;
            hitSquares += matched * matched;
        }
        for (int m = 0; m <= K; ++m) {
            const double mean = sum[m] / draws;
            EXPECT_NEAR(chance.expected[m], mean, 1e-9);
            EXPECT_NEAR(chance.deviations[m] * chance.deviations[m],
                        squares[m] / draws - mean * mean, 1e-9);
        }
        EXPECT_NEAR(chance.expectedHits, hits / draws, 1e-9);
        EXPECT_NEAR(chance.hitsDeviation * chance.hitsDeviation,
                    hitSquares / draws - (hits / draws) * (hits / draws), 1e-9);
    }
}

TEST(Backtest, FairHistoriesRarelyLookBetterAndABiasedOneDoes) {
    std::mt19937 rng(11);
    const LotteryShape shape{6, 49};
    int alarms = 0;
    constexpr int kHistories = 200;
    for (int round = 0; round < kHistories; ++round) {
        const auto set = test::RandomTickets(rng, shape, 3);
        alarms +=
            PlayWays(test::FairDraws(rng, shape, 400), shape, {50, 400}, set).anyBetter() ? 1 : 0;
    }
    // Holm keeps the chance of any false alarm at 5 % or less.
    EXPECT_LE(alarms, kHistories / 10);

    // Numbers 1..6 come out together in every other draw: the most frequent win.
    auto draws = test::FairDraws(rng, shape, 400);
    for (std::size_t d = 0; d < draws.size(); d += 2)
        draws[d] = {1, 2, 3, 4, 5, 6, 0};
    const Backtest biased = PlayWays(draws, shape, {50, 400}, {});
    EXPECT_TRUE(biased.anyBetter());
    EXPECT_NE(BacktestVerdict(biased).find(ChoiceWayName(ChoiceWay::MostFrequent, 6)),
              std::string::npos);
}

} // namespace
} // namespace lottery
