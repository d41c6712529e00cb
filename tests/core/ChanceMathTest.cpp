#include "chance/ChanceMath.h"

#include <gtest/gtest.h>

namespace lottery {
namespace {

// Every reference value below was computed independently with python3's standard library:
// binomial quantiles and hypergeometric probabilities as exact sums of math.comb terms in
// fractions.Fraction; chi-square tails from the closed forms exp(-x/2) * sum (x/2)^i / i! for
// even degrees and erfc(sqrt(x/2)) plus the gamma recurrence for odd degrees.

TEST(ChanceMath, BinomialBandIsTheTwoAndAHalfPercentQuantiles) {
    struct Case {
        long long trials;
        double p;
        long long low, high;
    } cases[] = {
        {100, 6.0 / 49, 6, 19}, {3622, 6.0 / 49, 405, 483}, {10, 6.0 / 49, 0, 4}, {20, 0.5, 6, 14}};
    for (const Case& c : cases) {
        const CountBand band = BinomialBand(c.trials, c.p);
        EXPECT_EQ(band.low, c.low) << c.trials;
        EXPECT_EQ(band.high, c.high) << c.trials;
    }
    EXPECT_EQ(BinomialBand(0, 0.5).high, 0); // no draws: the band is the single count 0
}

TEST(ChanceMath, ChiSquareUpperTail) {
    struct Case {
        double x;
        int degrees;
        double p;
    } cases[] = {{60, 48, 0.11464591271427382},    {30, 48, 0.9805354256279772},
                 {3, 2, 0.22313016014842982},      {48, 48, 0.472849720547744},
                 {100, 48, 1.602038390959624e-05}, {1, 1, 0.31731050786291404},
                 {10.5, 5, 0.06224592809090599},   {400, 48, 5.070386773865262e-57}};
    for (const Case& c : cases)
        EXPECT_NEAR(ChiSquareUpperTail(c.x, c.degrees) / c.p, 1.0, 1e-9) << c.x << " " << c.degrees;
}

TEST(ChanceMath, EqualFrequencyTestCorrectsForDistinctNumbersOfADraw) {
    // 2 of 4, four draws, counts 4 2 1 1: sum (O - E)^2 / E = 3 with E = 2, times (N-1)/(N-K)
    // = 3/2 gives 4.5 on 3 degrees (hand-computed; the tail from the odd-degree formula).
    const EqualFrequencyTest test = TestEqualFrequencies({4, 2, 1, 1}, 4, 2);
    EXPECT_DOUBLE_EQ(test.statistic, 4.5);
    EXPECT_EQ(test.degrees, 3);
    EXPECT_NEAR(test.pValue, 0.2122902873601333, 1e-12);
    EXPECT_EQ(TestEqualFrequencies({0, 0, 0, 0}, 0, 2).pValue, 1.0); // nothing drawn yet
}

TEST(ChanceMath, GapAndMatchProbabilities) {
    EXPECT_NEAR(GapTail(20, 6, 49), 0.07335800483266407, 1e-15); // (43/49)^20
    EXPECT_DOUBLE_EQ(ExpectedGap(6, 49), 43.0 / 6);
    EXPECT_DOUBLE_EQ(ExpectedCount(98, 6, 49), 12.0);
    // 6 of 49: 435461/998844, 68757/166474, 44075/332948, 8815/499422, 645/665896,
    // 43/2330636, 1/13983816.
    const double exact[] = {0.4359649755116915,   0.4130194504847604,   0.13237802900152576,
                            0.017650403866870102, 0.000968619724401408, 1.8449899512407772e-05,
                            7.151123842018516e-08};
    const std::vector<double> p = MatchProbabilities(6, 49);
    ASSERT_EQ(p.size(), 7u);
    for (std::size_t m = 0; m < p.size(); ++m)
        EXPECT_NEAR(p[m] / exact[m], 1.0, 1e-10) << m;
}

} // namespace
} // namespace lottery
