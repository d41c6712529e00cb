#pragma once

#include "audit/RandomnessAudit.h"
#include "lottery/LotteryShape.h"

#include <array>
#include <vector>

namespace lottery::test {

// The battery on many fair histories of one shape: each test's p-values (where it applied) and
// how often the verdict said "not fair". Histories come from a generator apart from the
// audit's own simulation.
struct Calibration {
    std::array<std::vector<double>, audit::kTestCount> pValues;
    int notFair = 0;
};
void Calibrate(LotteryShape shape, int draws, int histories, unsigned seed,
               const audit::AuditOptions& options, Calibration& into);

// Kolmogorov's distance of the values from the uniform law on 0..1 (sorts them).
double UniformDistance(std::vector<double>& values);

} // namespace lottery::test
