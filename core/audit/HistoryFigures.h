#pragma once

#include "audit/AuditDesign.h"

#include <cstdint>
#include <span>

namespace lottery::audit {

// The battery's statistics on one history (real or simulated), and the per-draw means of the
// figures for the words beside them.
struct HistoryFigures {
    std::array<double, kTestCount> statistic{};
    std::array<double, kTestCount> mean{};
};

// Measures the tests in `wanted` on draws given as bit n for each number n, oldest first.
// The design's size is not needed to match: the laws and classes apply to any length.
HistoryFigures MeasureHistory(const AuditDesign& design, std::span<const std::uint64_t> draws,
                              TestSet wanted);

} // namespace lottery::audit
