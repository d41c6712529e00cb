#include "lottery/SimulatedDraw.h"

#include "ScriptedRandom.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace lottery {
namespace {

using test::ScriptedRandom;

NumberSet SetOf(std::initializer_list<int> numbers) {
    NumberSet set;
    for (int n : numbers)
        set.add(n);
    return set;
}

TEST(SimulatedDraw, BandsAreTrunc219OverK) {
    const int expected[] = {219, 109, 73, 54, 43, 36, 31};
    for (int K = 1; K <= 7; ++K)
        EXPECT_EQ(BallBand(K), expected[K - 1]) << K;
}

struct GoldenBall {
    int number;
    int left;
    int top;
    bool hit;
};

struct GoldenDraw {
    const char* name;
    LotteryShape shape;
    std::vector<int> ticket;
    std::uint32_t seed;
    std::vector<GoldenBall> balls;
};

class SimulatedDrawGolden : public ::testing::TestWithParam<GoldenDraw> {};

// Pinned from a python3 transcription of the algorithm with the same generator.
TEST_P(SimulatedDrawGolden, GivesThePinnedBallsForAFixedSeed) {
    const GoldenDraw& g = GetParam();
    NumberSet ticket;
    for (int n : g.ticket)
        ticket.add(n);
    LcgRandom random(g.seed);
    const PlayDraw draw = SimulatedDraw(g.shape, ticket, random);
    ASSERT_EQ(draw.count, static_cast<int>(g.balls.size()));
    for (std::size_t m = 0; m < g.balls.size(); ++m) {
        SCOPED_TRACE(::testing::Message() << "ball " << m + 1);
        EXPECT_EQ(draw.balls[m].number, g.balls[m].number);
        EXPECT_EQ(draw.balls[m].left, g.balls[m].left);
        EXPECT_EQ(draw.balls[m].top, g.balls[m].top);
        EXPECT_EQ(draw.balls[m].hit, g.balls[m].hit);
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, SimulatedDrawGolden,
                         ::testing::Values(GoldenDraw{"SixOf49",
                                                      {6, 49},
                                                      {1, 2, 3, 4, 5, 6, 7},
                                                      2024,
                                                      {{26, 251, 10, false},
                                                       {28, 350, 51, false},
                                                       {38, 239, 96, false},
                                                       {42, 334, 125, false},
                                                       {7, 287, 179, true},
                                                       {13, 393, 209, false}}},
                                           GoldenDraw{"SixOf49AgainstTheFirstRealDraw",
                                                      {6, 49},
                                                      {3, 11, 12, 14, 41, 43},
                                                      12345,
                                                      {{19, 251, 8, false},
                                                       {28, 371, 54, false},
                                                       {22, 238, 79, false},
                                                       {46, 393, 125, false},
                                                       {12, 284, 168, true},
                                                       {21, 384, 214, false}}},
                                           GoldenDraw{"SevenOf8WithRetries",
                                                      {7, 8},
                                                      {},
                                                      777,
                                                      {{4, 277, 13, false},
                                                       {7, 335, 49, false},
                                                       {6, 290, 80, false},
                                                       {3, 355, 117, false},
                                                       {8, 268, 134, false},
                                                       {1, 357, 181, false},
                                                       {5, 267, 216, false}}}),
                         [](const ::testing::TestParamInfo<GoldenDraw>& info) {
                             return info.param.name;
                         });

TEST(SimulatedDraw, AsksForTheNumberPerAttemptThenLeftThenTop) {
    // 3 out of 5; the second ball first repeats number 1, then gets 4.
    ScriptedRandom random({0, 10, 20,    // ball 1: number 1, left, top
                           0, 3, 64, 72, // ball 2: 1 again (retry), then 4, left, top
                           4, 0, 0});    // ball 3: number 5, left, top
    const PlayDraw draw = SimulatedDraw({3, 5}, SetOf({4, 5}), random);
    EXPECT_EQ(random.ranges, (std::vector<std::uint32_t>{5, 65, 73, 5, 5, 65, 73, 5, 65, 73}));
    EXPECT_TRUE(random.exhausted());

    ASSERT_EQ(draw.count, 3);
    EXPECT_EQ(draw.balls[0].number, 1);
    EXPECT_EQ(draw.balls[0].left, 243);
    EXPECT_EQ(draw.balls[0].top, 26);
    EXPECT_EQ(draw.balls[1].number, 4);
    EXPECT_EQ(draw.balls[1].left, 394);
    EXPECT_EQ(draw.balls[1].top, 73 + 72 + 6);
    EXPECT_EQ(draw.balls[2].number, 5);
    EXPECT_EQ(draw.balls[2].left, 233);
    EXPECT_EQ(draw.balls[2].top, 146 + 6);
    EXPECT_FALSE(draw.balls[0].hit);
    EXPECT_TRUE(draw.balls[1].hit);
    EXPECT_TRUE(draw.balls[2].hit);
    EXPECT_EQ(draw.drawnSet, SetOf({1, 4, 5}));
    EXPECT_EQ(draw.matchedSet, SetOf({4, 5}));
}

TEST(SimulatedDraw, AsksForTheBandOfEachShape) {
    for (int K = 1; K <= 7; ++K) {
        std::vector<std::uint32_t> script;
        for (int m = 0; m < K; ++m)
            script.insert(script.end(), {static_cast<std::uint32_t>(m), 0, 0});
        ScriptedRandom random(script);
        SimulatedDraw({static_cast<std::uint8_t>(K), 49}, NumberSet{}, random);
        for (int m = 0; m < K; ++m) {
            EXPECT_EQ(random.ranges[static_cast<std::size_t>(3 * m)], 49u);
            EXPECT_EQ(random.ranges[static_cast<std::size_t>(3 * m + 1)], 65u);
            EXPECT_EQ(random.ranges[static_cast<std::size_t>(3 * m + 2)],
                      static_cast<std::uint32_t>(BallBand(K)));
        }
        EXPECT_TRUE(random.exhausted()) << K;
    }
}

TEST(SimulatedDraw, BallsStayInTheirColumnsAndBands) {
    std::mt19937 rng(5);
    for (int round = 0; round < 2000; ++round) {
        const int K = round % 7 + 1;
        const int N = std::uniform_int_distribution<int>(K + 1, 49)(rng);
        LcgRandom random(static_cast<std::uint32_t>(rng()));
        const PlayDraw draw = SimulatedDraw(
            {static_cast<std::uint8_t>(K), static_cast<std::uint8_t>(N)}, NumberSet{}, random);
        const int band = BallBand(K);
        ASSERT_EQ(draw.count, K);
        ASSERT_EQ(draw.drawnSet.count(), K) << "numbers repeat";
        for (int m = 1; m <= K; ++m) {
            const PlayBall& ball = draw.balls[static_cast<std::size_t>(m - 1)];
            ASSERT_GE(ball.number, 1);
            ASSERT_LE(ball.number, N);
            const int leftMin = m % 2 == 1 ? 233 : 330;
            ASSERT_GE(ball.left, leftMin);
            ASSERT_LE(ball.left, leftMin + 64);
            ASSERT_GE(ball.top, band * (m - 1) + 6);
            ASSERT_LE(ball.top, band * (m - 1) + band + 5);
        }
        if (K == 7) {
            ASSERT_GE(draw.balls[6].top, 192);
            ASSERT_LE(draw.balls[6].top, 222);
        }
        if (K == 1) {
            ASSERT_GE(draw.balls[0].top, 6);
            ASSERT_LE(draw.balls[0].top, 224);
        }
    }
}

TEST(SimulatedDraw, TopExtremesOfTheFirstAndLastBand) {
    // Lowest and highest generator answers give the ends of the ranges exactly.
    ScriptedRandom low({0, 0, 0});
    EXPECT_EQ(SimulatedDraw({1, 2}, NumberSet{}, low).balls[0].top, 6);
    ScriptedRandom high({1, 64, 218});
    const PlayDraw one = SimulatedDraw({1, 2}, NumberSet{}, high);
    EXPECT_EQ(one.balls[0].top, 224);
    EXPECT_EQ(one.balls[0].left, 297);

    std::vector<std::uint32_t> script;
    for (std::uint32_t m = 0; m < 7; ++m)
        script.insert(script.end(), {m, 64, 30});
    ScriptedRandom seven(script);
    const PlayDraw draw = SimulatedDraw({7, 49}, NumberSet{}, seven);
    EXPECT_EQ(draw.balls[6].top, 222);
    EXPECT_EQ(draw.balls[5].left, 394);
}

TEST(SimulatedDraw, KOneLessThanNEndsForEveryBall) {
    for (std::uint32_t seed = 0; seed < 300; ++seed) {
        for (const LotteryShape shape :
             {LotteryShape{7, 8}, LotteryShape{1, 2}, LotteryShape{3, 4}}) {
            LcgRandom random(seed);
            const PlayDraw draw = SimulatedDraw(shape, NumberSet{}, random);
            ASSERT_EQ(draw.drawnSet.count(), shape.K);
            ASSERT_FALSE(draw.drawnSet.contains(0));
            for (int n = shape.N + 1; n <= NumberSet::kHighest; ++n)
                ASSERT_FALSE(draw.drawnSet.contains(n));
        }
    }
}

TEST(SimulatedDraw, HitsAreTheTicketNumbersThatWereDrawn) {
    std::mt19937 rng(11);
    for (int round = 0; round < 500; ++round) {
        const int K = round % 7 + 1;
        const int N = std::uniform_int_distribution<int>(K + 1, 49)(rng);
        NumberSet ticket;
        while (ticket.count() < K)
            ticket.add(std::uniform_int_distribution<int>(1, N)(rng));
        LcgRandom random(static_cast<std::uint32_t>(rng()));
        const PlayDraw draw = SimulatedDraw(
            {static_cast<std::uint8_t>(K), static_cast<std::uint8_t>(N)}, ticket, random);
        int hits = 0;
        NumberSet drawn;
        for (int m = 0; m < K; ++m) {
            const PlayBall& ball = draw.balls[static_cast<std::size_t>(m)];
            ASSERT_EQ(ball.hit, ticket.contains(ball.number));
            hits += ball.hit ? 1 : 0;
            drawn.add(ball.number);
        }
        ASSERT_EQ(drawn, draw.drawnSet);
        ASSERT_EQ(hits, ticket.intersection(drawn).count());
        ASSERT_EQ(draw.matchedSet, ticket.intersection(drawn));
    }
}

TEST(SimulatedDraw, AnImpossibleShapeDrawsNothingInsteadOfLoopingForever) {
    // With K >= N the retry loop could never end; the generator must not even be asked.
    for (const LotteryShape shape :
         {LotteryShape{7, 7}, LotteryShape{5, 3}, LotteryShape{0, 0}, LotteryShape{8, 49}}) {
        ScriptedRandom random({});
        EXPECT_NO_THROW(SimulatedDraw(shape, NumberSet{}, random));
        EXPECT_TRUE(random.ranges.empty());
    }
}

TEST(SimulatedDraw, AnEmptyTicketHasNoHits) {
    LcgRandom random(1);
    const PlayDraw draw = SimulatedDraw({6, 49}, NumberSet{}, random);
    for (int m = 0; m < 6; ++m)
        EXPECT_FALSE(draw.balls[static_cast<std::size_t>(m)].hit);
    EXPECT_TRUE(draw.matchedSet.empty());
}

TEST(SimulatedDraw, TheSameSeedGivesTheSameDraw) {
    LcgRandom a(31337);
    LcgRandom b(31337);
    const PlayDraw first = SimulatedDraw({5, 36}, SetOf({1, 2, 3, 4, 5}), a);
    const PlayDraw second = SimulatedDraw({5, 36}, SetOf({1, 2, 3, 4, 5}), b);
    for (int m = 0; m < 5; ++m) {
        EXPECT_EQ(first.balls[static_cast<std::size_t>(m)].number,
                  second.balls[static_cast<std::size_t>(m)].number);
        EXPECT_EQ(first.balls[static_cast<std::size_t>(m)].left,
                  second.balls[static_cast<std::size_t>(m)].left);
        EXPECT_EQ(first.balls[static_cast<std::size_t>(m)].top,
                  second.balls[static_cast<std::size_t>(m)].top);
    }
    EXPECT_EQ(a.seed(), b.seed());
}

} // namespace
} // namespace lottery
