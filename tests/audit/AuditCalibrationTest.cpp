#include "Calibration.h"

#include <cmath>
#include <gtest/gtest.h>

namespace lottery::test {
namespace {

// Fair histories of several shapes, short enough that some tests are simulated and long
// enough that others use their chi-square law: on fair draws every p-value is uniform, and
// the verdict calls at most about one in a hundred unfair.
TEST(AuditCalibration, FairHistoriesGiveUniformPValuesAndFairVerdicts) {
    audit::AuditOptions options;
    options.simulatedDraws = 0;
    options.fewestRuns = options.mostRuns = 99;
    const struct {
        LotteryShape shape;
        int draws;
    } cases[] = {{{6, 49}, 420}, {{5, 36}, 150}, {{3, 12}, 260}, {{7, 45}, 60}, {{1, 12}, 80}};
    constexpr int kHistories = 120;
    Calibration calibration;
    for (const auto& [shape, draws] : cases)
        Calibrate(shape, draws, kHistories, static_cast<unsigned>(draws + shape.N), options,
                  calibration);
    for (int t = 0; t < audit::kTestCount; ++t) {
        std::vector<double>& p = calibration.pValues[static_cast<std::size_t>(t)];
        ASSERT_GE(p.size(), 3u * kHistories);
        // Kolmogorov's bound at the 0.1 % level, plus the step of a simulated p (1 / 100).
        EXPECT_LT(UniformDistance(p), 1.95 / std::sqrt(static_cast<double>(p.size())) + 0.01)
            << audit::TestName(static_cast<audit::TestKind>(t));
    }
    // Holm keeps the chance of a wrong "not fair" at or below 1 %.
    EXPECT_LE(calibration.notFair, static_cast<int>(std::size(cases)) * kHistories / 40);
}

} // namespace
} // namespace lottery::test
