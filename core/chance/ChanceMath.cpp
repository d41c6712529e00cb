#include "chance/ChanceMath.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lottery {
namespace {

double LogChoose(double n, double k) {
    return std::lgamma(n + 1) - std::lgamma(k + 1) - std::lgamma(n - k + 1);
}

// Series for the lower regularised gamma P(a, x), good for x < a + 1.
double GammaPSeries(double a, double x) {
    double term = 1 / a;
    double sum = term;
    for (int n = 1; n < 10'000; ++n) {
        term *= x / (a + n);
        sum += term;
        if (std::fabs(term) < std::fabs(sum) * 1e-16)
            break;
    }
    return sum * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

// Continued fraction for Q(a, x) (modified Lentz), good for x >= a + 1.
double GammaQFraction(double a, double x) {
    constexpr double tiny = 1e-300;
    double b = x + 1 - a;
    double c = 1 / tiny;
    double d = 1 / b;
    double h = d;
    for (int i = 1; i < 10'000; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        if (std::fabs(d) < tiny)
            d = tiny;
        c = b + an / c;
        if (std::fabs(c) < tiny)
            c = tiny;
        d = 1 / d;
        const double delta = d * c;
        h *= delta;
        if (std::fabs(delta - 1) < 1e-16)
            break;
    }
    return std::exp(-x + a * std::log(x) - std::lgamma(a)) * h;
}

} // namespace

double ExpectedCount(long long draws, int K, int N) {
    return N > 0 ? static_cast<double>(draws) * K / N : 0;
}

CountBand BinomialBand(long long trials, double p) {
    if (trials <= 0 || p <= 0)
        return {};
    if (p >= 1)
        return {trials, trials};
    // The mass more than 12 standard deviations from the mean is below 1e-30, so summing the
    // probabilities over that stretch gives the quantiles without walking all the trials.
    const double n = static_cast<double>(trials);
    const double mean = n * p;
    const double spread = 12 * std::sqrt(n * p * (1 - p)) + 12;
    const auto first = static_cast<long long>(std::max(0.0, std::floor(mean - spread)));
    const auto last = static_cast<long long>(std::min(n, std::ceil(mean + spread)));
    const double logP = std::log(p);
    const double logQ = std::log1p(-p);
    CountBand band{last, last};
    bool lowFound = false;
    double cumulative = 0;
    for (long long k = first; k <= last; ++k) {
        const double kd = static_cast<double>(k);
        cumulative += std::exp(LogChoose(n, kd) + kd * logP + (n - kd) * logQ);
        // A hair below the level, so that rounding in the sum cannot skip an exact quantile.
        if (!lowFound && cumulative >= 0.025 * (1 - 1e-12)) {
            band.low = k;
            lowFound = true;
        }
        if (cumulative >= 0.975 * (1 - 1e-12)) {
            band.high = k;
            break;
        }
    }
    return band;
}

double BinomialOutside(long long trials, double p, const CountBand& band) {
    if (trials <= 0 || p <= 0 || p >= 1)
        return 0;
    const double n = static_cast<double>(trials);
    const double logP = std::log(p);
    const double logQ = std::log1p(-p);
    double inside = 0;
    for (long long k = std::max(band.low, 0LL); k <= std::min(band.high, trials); ++k) {
        const double kd = static_cast<double>(k);
        inside += std::exp(LogChoose(n, kd) + kd * logP + (n - kd) * logQ);
    }
    return std::max(0.0, 1 - inside);
}

double RegularisedGammaQ(double a, double x) {
    if (x <= 0)
        return 1;
    if (a <= 0)
        return 0;
    return x < a + 1 ? 1 - GammaPSeries(a, x) : GammaQFraction(a, x);
}

double ChiSquareUpperTail(double statistic, int degrees) {
    if (degrees <= 0)
        return 1;
    return RegularisedGammaQ(degrees / 2.0, statistic / 2.0);
}

EqualFrequencyTest TestEqualFrequencies(const std::vector<long long>& counts, long long draws,
                                        int K) {
    EqualFrequencyTest test;
    const int N = static_cast<int>(counts.size());
    test.degrees = N - 1;
    if (draws <= 0 || N <= K || K <= 0)
        return test;
    const double expected = ExpectedCount(draws, K, N);
    double sum = 0;
    for (long long count : counts) {
        const double deviation = static_cast<double>(count) - expected;
        sum += deviation * deviation / expected;
    }
    // The K numbers of one draw are distinct, so the counts vary less than K * draws free
    // drawings would: each by the factor (N - K) / (N - 1). Undoing it makes the sum
    // chi-square distributed with N - 1 degrees.
    test.statistic = sum * (N - 1) / (N - K);
    test.pValue = ChiSquareUpperTail(test.statistic, test.degrees);
    return test;
}

double GapTail(long long gap, int K, int N) {
    if (gap <= 0)
        return 1;
    return std::pow(1 - static_cast<double>(K) / N, static_cast<double>(gap));
}

double ExpectedGap(int K, int N) {
    return K > 0 ? static_cast<double>(N - K) / K : std::numeric_limits<double>::infinity();
}

std::vector<double> MatchProbabilities(int K, int N) {
    std::vector<double> probabilities(static_cast<std::size_t>(std::max(K, 0)) + 1, 0.0);
    if (K <= 0 || N < K)
        return probabilities;
    const double all = LogChoose(N, K);
    for (int m = 0; m <= K; ++m) {
        if (K - m <= N - K)
            probabilities[static_cast<std::size_t>(m)] =
                std::exp(LogChoose(K, m) + LogChoose(N - K, K - m) - all);
    }
    return probabilities;
}

} // namespace lottery
