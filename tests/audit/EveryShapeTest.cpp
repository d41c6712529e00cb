#include "RandomDraws.h"
#include "audit/AuditWording.h"
#include "audit/RandomnessAudit.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace lottery::audit {
namespace {

// Every lottery the program keeps, from no draws to a few, some draws repeating a number: the
// battery never fails, every figure is a number, every p a probability, and the words exist.
TEST(EveryShape, GivesProbabilitiesAndWordsForAnyLotteryAndLength) {
    AuditOptions options;
    options.fewestRuns = options.mostRuns = 5;
    std::mt19937 rng(41);
    for (int K = 1; K <= LotteryShape::kMaxK; ++K)
        for (int N = K + 1; N <= LotteryShape::kMaxN; ++N)
            for (const int draws : {0, 1, 2, 25}) {
                const LotteryShape shape{static_cast<std::uint8_t>(K),
                                         static_cast<std::uint8_t>(N)};
                const auto history = test::RandomDraws(rng, shape, draws, 0.1);
                const AuditReport report = AuditHistory(history, shape, options);
                EXPECT_EQ(report.draws + report.leftOut, draws);
                EXPECT_EQ(report.verdict == Verdict::TooFewDraws, report.draws < 2);
                for (const TestResult& test : report.tests) {
                    EXPECT_TRUE(test.p > 0 && test.p <= 1) << K << "/" << N << " " << draws;
                    EXPECT_TRUE(std::isfinite(test.statistic) && std::isfinite(test.chanceMean));
                    EXPECT_FALSE(wording::VisibilityText(test, report).empty());
                }
                EXPECT_FALSE(wording::VerdictText(report).empty());
            }
}

} // namespace
} // namespace lottery::audit
