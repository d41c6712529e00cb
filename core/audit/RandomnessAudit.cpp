#include "audit/RandomnessAudit.h"

#include "audit/FairDraws.h"
#include "audit/HistoryFigures.h"
#include "audit/TestPower.h"
#include "chance/ChanceMath.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numeric>

namespace lottery::audit {
namespace {

// Each draw as bit n for each of its numbers; nullopt-like 0 for a draw that does not hold K
// distinct numbers 1..N, which no test could read honestly.
std::uint64_t NumbersOf(const DrawRecord& draw, LotteryShape shape) {
    std::uint64_t numbers = 0;
    for (int p = 0; p < shape.K; ++p) {
        const int number = draw[static_cast<std::size_t>(p)];
        if (number < 1 || number > shape.N)
            return 0;
        numbers |= std::uint64_t{1} << number;
    }
    return std::popcount(numbers) == shape.K ? numbers : 0;
}

int Degrees(const AuditDesign& design, TestKind kind) {
    switch (kind) {
    case TestKind::Frequency:
        return design.N - 1;
    case TestKind::Pairs:
        return design.pairDegrees;
    case TestKind::Gaps:
        return design.gapClasses.count() - 1;
    default:
        return design.figures[Slot(kind)].classes.count() - 1;
    }
}

Visibility VisibleFault(const AuditDesign& design, TestKind kind, int degrees) {
    Visibility visible;
    if (degrees < 1)
        return visible;
    const double needed = NoncentralityForHalfPower(degrees, kLevel);
    const auto d = static_cast<double>(design.draws);
    const int K = design.K;
    const int N = design.N;
    switch (kind) {
    case TestKind::Frequency: {
        // One number favoured by the share x moves its count by e x and every other one by
        // e x / (N - 1) the other way: noncentrality e x^2 N / (N - K) after the correction.
        const double expected = d * K / N;
        visible.size = std::sqrt(needed * (N - K) / (expected * N));
        visible.possible = static_cast<double>(K) / N * (1 + visible.size) <= 1;
        break;
    }
    case TestKind::Pairs: {
        // Only the share (N - 3) / (N - 1) of one pair's excess is left once the two numbers'
        // own frequencies are taken out.
        const double expected = d * design.pairChance;
        visible.size =
            std::sqrt(needed * (N - 1) * design.pairVarianceShare / (expected * (N - 3)));
        visible.possible = design.pairChance * (1 + visible.size) <= 1;
        break;
    }
    case TestKind::Gaps: {
        // The shortest gaps more common by the share x, the others less in proportion.
        const double gaps = d * K - N;
        const double first = design.gapClasses.probability.front();
        visible.size = std::sqrt(needed * (1 - first) / (gaps * first));
        visible.possible = gaps > 0 && first * (1 + visible.size) <= 1;
        break;
    }
    default: {
        const FigureLaw& figure = design.figures[Slot(kind)];
        visible.size = VisibleMeanShift(figure.law, figure.classes, figure.observations, needed);
        visible.possible = visible.size > 0;
        break;
    }
    }
    return visible;
}

struct SimulatedLaw {
    std::array<long long, kTestCount> atLeast{};
    std::array<double, kTestCount> sum{};
    std::array<double, kTestCount> squares{};
    int runs = 0;
};

} // namespace

bool ApplyHolm(std::vector<TestResult>& tests, double level) {
    std::vector<TestResult*> order;
    for (TestResult& test : tests) {
        test.rejected = false;
        if (test.applicable)
            order.push_back(&test);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const TestResult* a, const TestResult* b) { return a->p < b->p; });
    const auto m = static_cast<double>(order.size());
    bool any = false;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i]->p > level / (m - static_cast<double>(i)))
            break;
        order[i]->rejected = any = true;
    }
    return any;
}

AuditReport AuditHistory(std::span<const DrawRecord> draws, LotteryShape shape,
                         const AuditOptions& options) {
    AuditReport report;
    report.shape = shape;
    std::vector<std::uint64_t> numbers;
    numbers.reserve(draws.size());
    for (const DrawRecord& draw : draws) {
        const std::uint64_t set = NumbersOf(draw, shape);
        if (set != 0)
            numbers.push_back(set);
        else
            ++report.leftOut;
    }
    const auto count = static_cast<long long>(numbers.size());
    report.draws = count;
    const long long simulatedLength = std::min(count, options.longestSimulated);
    const AuditDesign design(shape.K, shape.N, count, simulatedLength);
    const std::vector<int>& gapClass = design.gapClasses.classOf;
    report.shortGapsUpTo = static_cast<int>(std::count(gapClass.begin(), gapClass.end(), 0)) - 1;

    TestSet applicable;
    TestSet simulate;
    for (int t = 0; t < kTestCount; ++t) {
        const auto kind = static_cast<TestKind>(t);
        if (!design.applicable(kind))
            continue;
        applicable.set(Slot(kind));
        // Past the longest simulated length only the gaps need simulating: every other test's
        // chi-square is honest long before.
        if (!design.closedFormHonest(kind) &&
            (kind == TestKind::Gaps || count <= options.longestSimulated))
            simulate.set(Slot(kind));
    }
    const HistoryFigures observed = MeasureHistory(design, numbers, applicable);

    SimulatedLaw simulated;
    if (simulate.any()) {
        report.simulatedLength = simulatedLength;
        const long long perRun = std::max<long long>(1, simulatedLength);
        const int runs = static_cast<int>(std::clamp<long long>(
            options.simulatedDraws / perRun, options.fewestRuns, options.mostRuns));
        FairDraws fair(shape.K, shape.N, options.seed);
        std::vector<std::uint64_t> history(static_cast<std::size_t>(simulatedLength));
        const int reportEvery = std::max(1, runs / 100);
        for (int run = 0; run < runs; ++run) {
            if (options.progress && run % reportEvery == 0 &&
                !options.progress(static_cast<double>(run) / runs)) {
                report.cancelled = true;
                return report;
            }
            fair.fill(history);
            const HistoryFigures figures = MeasureHistory(design, history, simulate);
            for (std::size_t t = 0; t < kTestCount; ++t) {
                if (!simulate[t])
                    continue;
                const double value = figures.statistic[t];
                // Ties count as at least as extreme; rounding must not break them.
                simulated.atLeast[t] += value >= observed.statistic[t] * (1 - 1e-12);
                simulated.sum[t] += value;
                simulated.squares[t] += value * value;
            }
        }
        simulated.runs = runs;
    }

    for (int t = 0; t < kTestCount; ++t) {
        const auto kind = static_cast<TestKind>(t);
        TestResult result;
        result.kind = kind;
        result.applicable = applicable[Slot(kind)];
        if (!result.applicable) {
            report.tests.push_back(result);
            continue;
        }
        result.statistic = observed.statistic[Slot(kind)];
        result.degrees = Degrees(design, kind);
        if (AuditDesign::isFigure(kind)) {
            result.figure = observed.mean[Slot(kind)];
            result.chanceFigure = design.figures[Slot(kind)].mean();
        }
        if (simulate[Slot(kind)]) {
            const double runs = simulated.runs;
            result.simulated = true;
            result.runs = simulated.runs;
            result.p = (1 + static_cast<double>(simulated.atLeast[Slot(kind)])) / (runs + 1);
            result.pError = std::sqrt(result.p * (1 - result.p) / runs);
            result.chanceMean = simulated.sum[Slot(kind)] / runs;
            result.chanceSpread = std::sqrt(std::max(
                0.0, simulated.squares[Slot(kind)] / runs - result.chanceMean * result.chanceMean));
        } else {
            result.p = ChiSquareUpperTail(result.statistic, result.degrees);
            result.chanceMean = result.degrees;
            result.chanceSpread = std::sqrt(2.0 * result.degrees);
        }
        result.visible = VisibleFault(design, kind, result.degrees);
        report.tests.push_back(result);
    }
    if (options.progress)
        options.progress(1);
    const bool anyTest = applicable.any() && count >= 2;
    const bool rejected = ApplyHolm(report.tests, kLevel);
    report.verdict = !anyTest ? Verdict::TooFewDraws : rejected ? Verdict::NotFair : Verdict::Fair;
    return report;
}

} // namespace lottery::audit
