#include "RandomDraws.h"
#include "audit/RandomnessAudit.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace lottery::audit {
namespace {

constexpr LotteryShape kShape{6, 49};

// Puts `number` into the draw in place of one of its numbers other than `keep`, unless it is
// there already.
void PutIn(DrawRecord& draw, int number, std::mt19937& rng, int keep = 0) {
    const auto end = draw.begin() + kShape.K;
    if (std::find(draw.begin(), end, number) != end)
        return;
    std::size_t place = 0;
    do
        place = std::uniform_int_distribution<std::size_t>(0, kShape.K - 1)(rng);
    while (draw[place] == keep);
    draw[place] = static_cast<std::uint8_t>(number);
}

// Each fault of its own kind, touching one draw in eight of 3000,
// planted in a fair history: the test meant for it fails, and so does the verdict.
TEST(PlantedFault, EachTestCatchesItsOwnKind) {
    using Plant = std::function<void(std::vector<DrawRecord>&, std::size_t, std::mt19937&)>;
    const struct {
        TestKind kind;
        Plant plant;
    } faults[] = {
        {TestKind::Frequency,
         [](auto& draws, std::size_t i, auto& rng) { PutIn(draws[i], 17, rng); }},
        {TestKind::Repeats,
         [](auto& draws, std::size_t i, auto& rng) {
             if (i > 0)
                 PutIn(draws[i], draws[i - 1][std::uniform_int_distribution<>(0, 5)(rng)], rng);
         }},
        {TestKind::Neighbours,
         [](auto& draws, std::size_t i, auto& rng) {
             const int n = std::uniform_int_distribution<>(1, kShape.N - 1)(rng);
             PutIn(draws[i], n, rng);
             PutIn(draws[i], n + 1, rng, n);
         }},
        {TestKind::Pairs,
         [](auto& draws, std::size_t i, auto& rng) {
             PutIn(draws[i], 33, rng);
             PutIn(draws[i], 8, rng, 33);
         }},
    };
    constexpr double kChance = 0.12; // the share of draws the fault touches
    for (const auto& [kind, plant] : faults) {
        std::mt19937 rng(static_cast<unsigned>(kind) + 11);
        std::vector<DrawRecord> draws = test::RandomDraws(rng, kShape, 3000);
        std::bernoulli_distribution touched(kChance);
        for (std::size_t i = 0; i < draws.size(); ++i)
            if (touched(rng))
                plant(draws, i, rng);
        const AuditReport report = AuditHistory(draws, kShape);
        const TestResult& own = report.tests[Slot(kind)];
        EXPECT_TRUE(own.rejected) << TestName(kind) << ": p = " << own.p;
        EXPECT_EQ(report.verdict, Verdict::NotFair) << TestName(kind);
    }
}

} // namespace
} // namespace lottery::audit

namespace lottery::audit {
namespace {

// "Заметит" for the frequency test is a formula; planting exactly the favoured number it names
// in many histories, the test alone at 1 % catches it about half the time.
TEST(PlantedFault, TheFavouredNumberItClaimsToSeeIsCaughtHalfTheTime) {
    constexpr int kDraws = 1500;
    constexpr int kHistories = 240;
    AuditOptions options;
    options.fewestRuns = options.mostRuns = 1; // the gaps' simulation is not looked at here
    std::mt19937 rng(29);
    const double favour = AuditHistory(test::RandomDraws(rng, kShape, kDraws), kShape, options)
                              .tests[Slot(TestKind::Frequency)]
                              .visible.size;
    // Putting the number in a share q of the draws gives it the chance K/N (1 + favour).
    std::bernoulli_distribution forced(favour * kShape.K / (kShape.N - kShape.K));
    int caught = 0;
    for (int h = 0; h < kHistories; ++h) {
        std::vector<DrawRecord> draws = test::RandomDraws(rng, kShape, kDraws);
        for (DrawRecord& draw : draws)
            if (forced(rng))
                PutIn(draw, 17, rng);
        caught += AuditHistory(draws, kShape, options).tests[Slot(TestKind::Frequency)].p < kLevel;
    }
    EXPECT_NEAR(caught, kHistories / 2, kHistories / 7) << "favour " << favour;
}

} // namespace
} // namespace lottery::audit
