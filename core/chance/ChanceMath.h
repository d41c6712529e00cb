#pragma once

#include <vector>

// What pure chance gives in a lottery of K distinct numbers out of N, drawn fairly: the
// yardsticks the charts set beside the counted figures.
namespace lottery {

// How often one number is expected among `draws` draws: draws * K / N.
double ExpectedCount(long long draws, int K, int N);

// The counts that chance gives 95 % of the time: from the 2.5 % quantile to the 97.5 %
// quantile of Binomial(trials, p), each the smallest count whose cumulative probability
// reaches the level.
struct CountBand {
    long long low = 0;
    long long high = 0;
    bool contains(long long count) const { return count >= low && count <= high; }
};
CountBand BinomialBand(long long trials, double p);
// P(X < band.low or X > band.high) for X ~ Binomial(trials, p): how often chance leaves the
// band, which for a discrete count is less than the 5 % the band's name suggests.
double BinomialOutside(long long trials, double p, const CountBand& band);

// Upper regularised incomplete gamma Q(a, x) = Gamma(a, x) / Gamma(a).
double RegularisedGammaQ(double a, double x);
// P(X >= statistic) for X chi-square with `degrees` degrees of freedom.
double ChiSquareUpperTail(double statistic, int degrees);

// The chi-square test of "every number equally likely" on the counts of numbers 1..N.
struct EqualFrequencyTest {
    double statistic = 0; // already corrected for the K numbers of a draw being distinct
    int degrees = 0;
    double pValue = 1;
};
// counts[i] = occurrences of number i + 1 among `draws` draws. With no draws the test has
// nothing to say and gives p = 1.
EqualFrequencyTest TestEqualFrequencies(const std::vector<long long>& counts, long long draws,
                                        int K);

// Draws since a number was last seen, under chance: P(gap >= g) = (1 - K/N)^g, with the
// mean (N - K) / K.
double GapTail(long long gap, int K, int N);
double ExpectedGap(int K, int N);

// P(a ticket of K numbers shares exactly m numbers with one draw), m = 0..K: hypergeometric.
std::vector<double> MatchProbabilities(int K, int N);

} // namespace lottery
