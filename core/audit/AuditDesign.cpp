#include "audit/AuditDesign.h"

#include "chance/ChanceMath.h"

#include <algorithm>
#include <cmath>

namespace lottery::audit {

std::string_view TestName(TestKind kind) {
    constexpr std::string_view kNames[kTestCount] = {"frequency",  "pairs", "repeats",  "gaps",
                                                     "neighbours", "sum",   "odd_even", "low_high"};
    return kNames[Slot(kind)];
}

double FigureLaw::mean() const {
    double sum = 0;
    for (std::size_t v = 0; v < law.size(); ++v)
        sum += static_cast<double>(v) * law[v];
    return sum;
}

namespace {

std::uint64_t NumbersWeighted(const DrawFeature& feature) {
    std::uint64_t numbers = 0;
    for (std::size_t n = 1; n < feature.weight.size(); ++n)
        if (feature.weight[n] != 0)
            numbers |= std::uint64_t{1} << n;
    return numbers;
}

FigureLaw MakeFigure(std::vector<double> law, double observations) {
    FigureLaw figure;
    figure.classes = PoolValues(law, observations);
    figure.law = std::move(law);
    figure.observations = observations;
    return figure;
}

} // namespace

AuditDesign::AuditDesign(int K, int N, long long draws, long long gapDraws)
    : K(K), N(N), draws(draws), sum(SumFeature(N)) {
    oddNumbers = NumbersWeighted(OddFeature(N));
    lowNumbers = NumbersWeighted(LowFeature(N));
    const auto d = static_cast<double>(draws);
    figures[Slot(TestKind::Repeats)] = MakeFigure(MatchProbabilities(K, N), std::max(0.0, d - 1));
    figures[Slot(TestKind::Neighbours)] =
        MakeFigure(FeatureDistribution(NeighbourFeature(N), K, N), d);
    figures[Slot(TestKind::Sum)] = MakeFigure(FeatureDistribution(sum, K, N), d);
    figures[Slot(TestKind::OddEven)] = MakeFigure(FeatureDistribution(OddFeature(N), K, N), d);
    figures[Slot(TestKind::LowHigh)] = MakeFigure(FeatureDistribution(LowFeature(N), K, N), d);

    const double p = static_cast<double>(K) / N;
    gapTop = static_cast<int>(std::ceil(std::log(1e-7) / std::log1p(-p)));
    gapTop = std::clamp(gapTop, 1, static_cast<int>(std::max<long long>(1, gapDraws)));
    for (int g = 0; g < gapTop; ++g)
        gapLaw.push_back(p * std::pow(1 - p, g));
    gapLaw.push_back(std::pow(1 - p, gapTop));
    gapClasses = PoolValues(gapLaw, std::max(1.0, static_cast<double>(gapDraws) * K - N));

    // A draw's pair indicators have, beyond what the numbers' frequencies explain, the
    // variance pi2 - 2 pi3 + pi4 per pair, where pi_m = P(m given numbers all drawn).
    pairChance = static_cast<double>(K) * (K - 1) / (static_cast<double>(N) * (N - 1));
    const double pi3 = pairChance * (K - 2) / (N - 2);
    const double pi4 = N > 3 ? pi3 * (K - 3) / (N - 3) : 0;
    pairVarianceShare = pairChance > 0 ? (pairChance - 2 * pi3 + pi4) / pairChance : 0;
    pairDegrees = N * (N - 3) / 2;
}

bool AuditDesign::applicable(TestKind kind) const {
    switch (kind) {
    case TestKind::Frequency:
        return draws >= 1;
    case TestKind::Pairs:
        return draws >= 1 && K >= 2 && pairDegrees > 0 && pairVarianceShare > 1e-9;
    case TestKind::Gaps:
        return draws >= 3 && gapClasses.count() >= 2;
    default:
        return figures[Slot(kind)].observations >= 1 && figures[Slot(kind)].classes.count() >= 2;
    }
}

bool AuditDesign::closedFormHonest(TestKind kind) const {
    const auto d = static_cast<double>(draws);
    switch (kind) {
    case TestKind::Frequency:
        return d * K / N >= 5;
    case TestKind::Pairs:
        return d * pairChance >= 10;
    case TestKind::Gaps:
        return false; // the gaps of one number hang together; only simulation gives their law
    default: {
        const FigureLaw& figure = figures[Slot(kind)];
        const double least =
            *std::min_element(figure.classes.probability.begin(), figure.classes.probability.end());
        return figure.observations * least >= 5 * (1 - 1e-9);
    }
    }
}

} // namespace lottery::audit
