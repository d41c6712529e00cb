#include "JsonNumber.h"

#include <cmath>
#include <cstdio>

std::string JsonNumber(double value, int significantDigits) {
    if (!std::isfinite(value))
        return "null";
    char text[32];
    std::snprintf(text, sizeof text, "%.*g", significantDigits, value);
    return text;
}
