#include "audit/HistoryFigures.h"

#include "chance/ChanceMath.h"

#include <bit>
#include <vector>

namespace lottery::audit {
namespace {

// Taken from a draw's bit set in increasing order.
int Numbers(std::uint64_t draw, int* out) {
    int count = 0;
    for (; draw != 0; draw &= draw - 1)
        out[count++] = std::countr_zero(draw);
    return count;
}

double PairStatistic(const AuditDesign& design, const std::vector<std::uint32_t>& pairs,
                     const std::vector<long long>& counts, double draws) {
    const int N = design.N;
    const double expected = draws * design.pairChance;
    double all = 0;
    for (int i = 1; i <= N; ++i)
        for (int j = i + 1; j <= N; ++j) {
            const double deviation = pairs[static_cast<std::size_t>(i * (N + 1) + j)] - expected;
            all += deviation * deviation;
        }
    // The part of the deviations that the numbers' own frequencies explain is the projection
    // d(i, j) = (r_i + r_j) / (N - 2), r_i = (K - 1)(count_i - draws K / N), whose squares sum
    // to sum(r_i^2) / (N - 2). What is left is chi-square once scaled by its variance share.
    double explained = 0;
    for (int i = 1; i <= N; ++i) {
        const double r =
            (design.K - 1) * (counts[static_cast<std::size_t>(i)] - draws * design.K / N);
        explained += r * r;
    }
    explained /= N - 2;
    return (all - explained) / (expected * design.pairVarianceShare);
}

// The gaps inside each number's showings against their exact expectation given how often it
// came: its c showings among D draws are then c places taken at random, and a given gap is at
// least g with probability C(D - g, c) / C(D, c).
double GapStatistic(const AuditDesign& design, const std::vector<long long>& gapCounts,
                    const std::vector<long long>& counts, long long draws) {
    const ValueClasses& classes = design.gapClasses;
    std::vector<double> observed(classes.probability.size(), 0.0);
    for (std::size_t g = 0; g < gapCounts.size(); ++g)
        observed[static_cast<std::size_t>(classes.classOf[g])] += static_cast<double>(gapCounts[g]);
    std::vector<double> expected(observed.size(), 0.0);
    const auto d = static_cast<double>(draws);
    for (int n = 1; n <= design.N; ++n) {
        const auto c = static_cast<double>(counts[static_cast<std::size_t>(n)]);
        if (c < 2)
            continue;
        double tail = 1; // P(gap >= g)
        for (int g = 0; g <= design.gapTop; ++g) {
            const double next = g < d - c ? tail * (d - c - g) / (d - g) : 0;
            // The last value stands for all longer gaps.
            const double mass = g < design.gapTop ? tail - next : tail;
            expected[static_cast<std::size_t>(classes.classOf[static_cast<std::size_t>(g)])] +=
                (c - 1) * mass;
            tail = next;
        }
    }
    double sum = 0;
    for (std::size_t c = 0; c < observed.size(); ++c)
        if (expected[c] > 0)
            sum += (observed[c] - expected[c]) * (observed[c] - expected[c]) / expected[c];
    return sum;
}

} // namespace

HistoryFigures MeasureHistory(const AuditDesign& design, std::span<const std::uint64_t> draws,
                              TestSet wanted) {
    const int N = design.N;
    const auto count = static_cast<long long>(draws.size());
    const auto slots = static_cast<std::size_t>(N) + 1;
    const bool pairsWanted = wanted[Slot(TestKind::Pairs)];
    const bool gapsWanted = wanted[Slot(TestKind::Gaps)];
    const bool figuresWanted = (wanted & ~TestSet()
                                              .set(Slot(TestKind::Frequency))
                                              .set(Slot(TestKind::Pairs))
                                              .set(Slot(TestKind::Gaps)))
                                   .any();

    std::vector<long long> counts(slots, 0);
    std::vector<std::uint32_t> pairs(pairsWanted ? slots * slots : 0, 0);
    std::vector<long long> lastSeen(gapsWanted ? slots : 0, -1);
    std::vector<long long> gapCounts(gapsWanted ? static_cast<std::size_t>(design.gapTop) + 1 : 0);
    std::array<std::vector<long long>, kTestCount> values;
    for (int t = 0; t < kTestCount; ++t)
        values[static_cast<std::size_t>(t)].assign(
            design.figures[static_cast<std::size_t>(t)].law.size() + 1, 0);
    const auto top = static_cast<long long>(design.gapTop);

    std::uint64_t previous = 0;
    int numbers[64];
    for (long long index = 0; index < count; ++index) {
        const std::uint64_t draw = draws[static_cast<std::size_t>(index)];
        const int taken = Numbers(draw, numbers);
        int sum = 0;
        for (int a = 0; a < taken; ++a) {
            const auto n = static_cast<std::size_t>(numbers[a]);
            ++counts[n];
            sum += numbers[a];
            if (pairsWanted)
                for (int b = a + 1; b < taken; ++b)
                    ++pairs[n * slots + static_cast<std::size_t>(numbers[b])];
            if (gapsWanted) {
                if (lastSeen[n] >= 0)
                    ++gapCounts[static_cast<std::size_t>(std::min(index - lastSeen[n] - 1, top))];
                lastSeen[n] = index;
            }
        }
        if (figuresWanted) {
            if (index > 0)
                ++values[Slot(TestKind::Repeats)]
                        [static_cast<std::size_t>(std::popcount(draw & previous))];
            ++values[Slot(TestKind::Neighbours)]
                    [static_cast<std::size_t>(std::popcount(draw & (draw >> 1)))];
            ++values[Slot(TestKind::Sum)][static_cast<std::size_t>(sum)];
            ++values[Slot(TestKind::OddEven)]
                    [static_cast<std::size_t>(std::popcount(draw & design.oddNumbers))];
            ++values[Slot(TestKind::LowHigh)]
                    [static_cast<std::size_t>(std::popcount(draw & design.lowNumbers))];
        }
        previous = draw;
    }

    HistoryFigures figures;
    const auto d = static_cast<double>(count);
    if (wanted[Slot(TestKind::Frequency)])
        figures.statistic[Slot(TestKind::Frequency)] =
            TestEqualFrequencies(std::vector<long long>(counts.begin() + 1, counts.end()), count,
                                 design.K)
                .statistic;
    if (pairsWanted && design.applicable(TestKind::Pairs) && count > 0)
        figures.statistic[Slot(TestKind::Pairs)] = PairStatistic(design, pairs, counts, d);
    if (gapsWanted)
        figures.statistic[Slot(TestKind::Gaps)] = GapStatistic(design, gapCounts, counts, count);
    for (int t = 0; t < kTestCount; ++t) {
        const auto kind = static_cast<TestKind>(t);
        if (!AuditDesign::isFigure(kind) || !wanted[Slot(kind)])
            continue;
        const double observations = kind == TestKind::Repeats ? d - 1 : d;
        const std::vector<long long>& histogram = values[Slot(kind)];
        double total = 0;
        for (std::size_t v = 0; v < histogram.size(); ++v)
            total += static_cast<double>(v) * static_cast<double>(histogram[v]);
        figures.mean[Slot(kind)] = observations > 0 ? total / observations : 0;
        figures.statistic[Slot(kind)] =
            ClassChiSquare(design.figures[Slot(kind)].classes, histogram, observations);
    }
    return figures;
}

} // namespace lottery::audit
