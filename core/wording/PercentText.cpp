#include "wording/PercentText.h"

#include "wording/RussianCount.h"

#include <charconv>
#include <cmath>

namespace wording {
namespace {

// Whether value lies exactly half-way between two numbers of `decimals` decimals. A percent of at
// least 0,001 has fewer than 70 binary fraction digits, so 70 decimals write it exactly.
bool ExactlyHalfWay(double value, int decimals) {
    char text[400];
    const auto written =
        std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::fixed, 70);
    const std::string_view digits(text, written.ec == std::errc() ? written.ptr : text);
    const auto point = digits.find('.');
    if (point == std::string_view::npos)
        return false;
    const std::string_view rest = digits.substr(point + 1 + static_cast<std::size_t>(decimals));
    return !rest.empty() && rest.front() == '5' &&
           rest.find_first_not_of('0', 1) == std::string_view::npos;
}

} // namespace

std::string PercentText(double probability, HalfWay halfWay) {
    double percent = probability * 100;
    if (percent < 0.001)
        return "меньше 0,001 %";
    // About two significant digits are enough to read a chance, whatever its size.
    int decimals = 3;
    if (percent >= 10)
        decimals = 0;
    else if (percent >= 1)
        decimals = 1;
    else if (percent >= 0.1)
        decimals = 2;
    // Just above the half-way point the nearest figure is the upper one.
    if (halfWay == HalfWay::Up && std::isfinite(percent) && ExactlyHalfWay(percent, decimals))
        percent = std::nextafter(percent, HUGE_VAL);
    return GroupedDecimal(percent, decimals) + " %";
}

} // namespace wording
