#pragma once

#include <string>

// A figure as JSON takes it, to this many significant digits; NaN and infinity, which JSON has
// no spelling for, become null.
std::string JsonNumber(double value, int significantDigits);
