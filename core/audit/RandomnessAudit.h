#pragma once

#include "audit/AuditDesign.h"
#include "lottery/DrawRecord.h"
#include "lottery/LotteryShape.h"

#include <functional>
#include <span>
#include <vector>

namespace lottery::audit {

// The level every test and the verdict are held to.
inline constexpr double kLevel = 0.01;

struct AuditOptions {
    std::uint64_t seed = 0x5eed2026; // the same simulated p-values at every run
    // Draws simulated in all, shared out over the runs; at least and at most this many runs.
    long long simulatedDraws = 2'500'000;
    int fewestRuns = 200;
    int mostRuns = 5000;
    // Histories longer than this are simulated at this length: by then every chi-square has
    // settled to the law it keeps for any longer history.
    long long longestSimulated = 8000;
    // Called now and then with the share done; returning false stops the audit.
    std::function<bool(double)> progress;
};

// The smallest fault of the test's own kind that it would catch half the time at the 1 %
// level, with this many draws (a formula: the noncentral chi-square law). Its unit depends on
// the test: the favoured number's or pair's extra chance as a share (0.2 = 20 % more often),
// the shortest gaps' extra share, or the shift of the figure's mean per draw.
struct Visibility {
    bool possible = false;
    double size = 0;
};

struct TestResult {
    TestKind kind = TestKind::Frequency;
    bool applicable = false;
    double statistic = 0;
    int degrees = 0;         // of the chi-square law (the classes less one for the figures)
    double chanceMean = 0;   // what chance gives the statistic on average
    double chanceSpread = 0; // and its standard deviation
    double figure = 0;       // the figure's mean per draw (figure tests only)
    double chanceFigure = 0; // and what chance gives
    double p = 1;
    bool simulated = false;
    int runs = 0;          // simulated histories behind p
    double pError = 0;     // standard error of a simulated p
    bool rejected = false; // by the verdict's Holm step
    Visibility visible;
};

enum class Verdict { Fair, NotFair, TooFewDraws };

struct AuditReport {
    LotteryShape shape;
    long long draws = 0;           // the draws tested
    long long leftOut = 0;         // draws without K distinct numbers, not tested
    long long simulatedLength = 0; // draws per simulated history, 0 when none was needed
    int shortGapsUpTo = 0;         // the gap test's shortest class: gaps 0..this many draws
    std::vector<TestResult> tests;
    Verdict verdict = Verdict::TooFewDraws;
    bool cancelled = false;
};

// Runs the battery on the draws (oldest first); draws without K distinct numbers 1..N are
// left out and counted.
AuditReport AuditHistory(std::span<const DrawRecord> draws, LotteryShape shape,
                         const AuditOptions& options = {});

// Holm's step-down at `level`: sets `rejected` on the tests it rejects; true when any is.
bool ApplyHolm(std::vector<TestResult>& tests, double level);

} // namespace lottery::audit
