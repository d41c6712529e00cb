#include "Calibration.h"

#include "RandomDraws.h"

#include <algorithm>
#include <random>

namespace lottery::test {

void Calibrate(LotteryShape shape, int draws, int histories, unsigned seed,
               const audit::AuditOptions& options, Calibration& into) {
    std::mt19937 rng(seed);
    for (int h = 0; h < histories; ++h) {
        audit::AuditOptions own = options;
        own.seed = options.seed + seed + static_cast<std::uint64_t>(h);
        const audit::AuditReport report =
            audit::AuditHistory(RandomDraws(rng, shape, draws), shape, own);
        into.notFair += report.verdict == audit::Verdict::NotFair;
        for (const audit::TestResult& test : report.tests)
            if (test.applicable)
                into.pValues[audit::Slot(test.kind)].push_back(test.p);
    }
}

double UniformDistance(std::vector<double>& values) {
    std::sort(values.begin(), values.end());
    const auto n = static_cast<double>(values.size());
    double distance = 0;
    for (std::size_t i = 0; i < values.size(); ++i)
        distance = std::max({distance, (static_cast<double>(i) + 1) / n - values[i],
                             values[i] - static_cast<double>(i) / n});
    return distance;
}

} // namespace lottery::test
