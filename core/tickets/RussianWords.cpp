#include "tickets/RussianWords.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace lottery::russian {
namespace {

std::string GroupDigits(const std::string& digits) {
    std::string result;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            result += kThinSpace;
        result += digits[i];
    }
    return result;
}

} // namespace

std::string Grouped(long long value) {
    const std::string digits = std::to_string(value < 0 ? -(value + 1) + 1ULL : value + 0ULL);
    return (value < 0 ? "−" : "") + GroupDigits(digits);
}

std::string CountOf(long long count, const char* one, const char* few, const char* many) {
    const long long tens = std::llabs(count) % 100;
    const long long units = tens % 10;
    const char* form = many;
    if (tens < 11 || tens > 14) {
        if (units == 1)
            form = one;
        else if (units >= 2 && units <= 4)
            form = few;
    }
    return Grouped(count) + ' ' + form;
}

std::string Decimal(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, std::fabs(value));
    std::string whole = text;
    std::string fraction;
    if (const auto dot = whole.find('.'); dot != std::string::npos) {
        fraction = "," + whole.substr(dot + 1);
        whole.resize(dot);
    }
    // A figure that rounds to zero has no sign.
    const bool negative = value < 0 && whole.find_first_not_of('0') != std::string::npos;
    const bool negativeFraction =
        value < 0 && !negative && fraction.find_first_not_of(",0") != std::string::npos;
    return (negative || negativeFraction ? "−" : "") + GroupDigits(whole) + fraction;
}

std::string Expected(double value) {
    if (value == 0 || std::fabs(value) >= 1)
        return Decimal(value, 1);
    const int decimals = 1 - static_cast<int>(std::floor(std::log10(std::fabs(value))));
    return Decimal(value, decimals);
}

std::string Amount(double kopecks) {
    const double rounded = std::round(kopecks);
    return Decimal(rounded / 100, std::fmod(rounded, 100) == 0 ? 0 : 2);
}

} // namespace lottery::russian
