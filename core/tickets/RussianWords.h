#pragma once

#include "tickets/TicketMoney.h"

#include <string>

// Russian figures and number forms for text made without Qt (the command line, the verdicts):
// one thousands separator, the thin space, and a decimal comma.
namespace lottery::russian {

inline constexpr const char* kThinSpace = "\u2009";

// "1 234 567"
std::string Grouped(long long value);
// "1 билет", "2 билета", "5 билетов", "11 билетов", "21 билет".
std::string CountOf(long long count, const char* one, const char* few, const char* many);
// "1 234,5" with `decimals` digits after the comma; "−" for negatives.
std::string Decimal(double value, int decimals);
// An expected count: two significant digits when small, so that a tiny expectation does not
// read as none ("0,00078"), one decimal otherwise.
std::string Expected(double value);
// "1 234" roubles, or "2,50" when there are kopecks.
std::string Amount(double kopecks);

} // namespace lottery::russian
