#pragma once

#include <string>

// The figures of ticket checks and backtests as Russian text, grouped like every number of the
// program.
namespace lottery {

// An expected count: one decimal, or two significant digits below 1, so that a tiny expectation
// does not read as none ("0,00078").
std::string ExpectedText(double value);
// Roubles from kopecks: "1 234", or "2,50" when there are kopecks; "−" for a loss.
std::string AmountText(double kopecks);

} // namespace lottery
