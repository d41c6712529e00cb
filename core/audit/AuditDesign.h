#pragma once

#include "audit/SubsetDistribution.h"
#include "audit/ValueClasses.h"

#include <array>
#include <bitset>
#include <string_view>

namespace lottery::audit {

// The battery, in the order it is shown.
enum class TestKind { Frequency, Pairs, Repeats, Gaps, Neighbours, Sum, OddEven, LowHigh };
inline constexpr int kTestCount = 8;
using TestSet = std::bitset<kTestCount>;
constexpr std::size_t Slot(TestKind kind) {
    return static_cast<std::size_t>(kind);
}
// A stable English name for machines (the --json output).
std::string_view TestName(TestKind kind);

// A figure counted once per draw (or per pair of successive draws) and its exact law.
struct FigureLaw {
    std::vector<double> law; // P(value) for value = 0..size-1
    ValueClasses classes;
    double observations = 0; // draws the figure is counted on
    double mean() const;
};

// What chance gives for one lottery and one number of draws: the exact laws of the figures,
// pooled into classes for the chi-square, and the constants of the frequency and pair tests.
struct AuditDesign {
    AuditDesign(int K, int N, long long draws, long long gapDraws);

    int K;
    int N;
    long long draws;
    DrawFeature sum;
    std::uint64_t oddNumbers = 0; // bit n for each odd n
    std::uint64_t lowNumbers = 0;
    // Repeats from the previous draw (hypergeometric), neighbours, sum, odd and low counts.
    std::array<FigureLaw, kTestCount> figures;
    // Draws between two showings of a number: geometric with p = K / N; the last value stands
    // for "this many or more". The classes are made for `gapDraws` draws, so that a shorter
    // simulated history is measured in the same classes.
    int gapTop = 0;
    std::vector<double> gapLaw;
    ValueClasses gapClasses;
    // How much of a pair count's chance variation is left once the numbers' own frequencies are
    // taken out, and the degrees of freedom that remain.
    double pairVarianceShare = 0;
    int pairDegrees = 0;
    double pairChance = 0; // P(two given numbers in one draw)

    bool applicable(TestKind kind) const;
    // True where the test's chi-square law is close at this size: every class expects at
    // least five (ten for the many pair cells); otherwise the fair lottery is simulated.
    bool closedFormHonest(TestKind kind) const;
    static bool isFigure(TestKind kind) {
        return kind != TestKind::Frequency && kind != TestKind::Pairs && kind != TestKind::Gaps;
    }
};

} // namespace lottery::audit
