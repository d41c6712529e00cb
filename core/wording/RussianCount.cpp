#include "wording/RussianCount.h"

#include <charconv>
#include <cmath>

namespace wording {

const char* AgreeingForm(long long count, const NounForms& forms) {
    const long long magnitude = count < 0 ? -count : count;
    const long long tens = magnitude % 100;
    const long long units = magnitude % 10;
    if (tens >= 11 && tens <= 14)
        return forms.many;
    if (units == 1)
        return forms.one;
    if (units >= 2 && units <= 4)
        return forms.few;
    return forms.many;
}

std::string CountOf(long long count, const NounForms& forms) {
    return GroupedNumber(count) + ' ' + AgreeingForm(count, forms);
}

namespace {

// Inserts the separator between groups of three in a string of digits.
std::string GroupDigits(const std::string& digits) {
    std::string grouped;
    const std::size_t size = digits.size();
    for (std::size_t i = 0; i < size; ++i) {
        if (i > 0 && (size - i) % 3 == 0)
            grouped += kGroupSeparator;
        grouped += digits[i];
    }
    return grouped;
}

} // namespace

std::string GroupedNumber(long long value) {
    // Four-digit numbers are grouped too, so that a column of counts reads alike.
    const unsigned long long magnitude =
        value < 0 ? 0ULL - static_cast<unsigned long long>(value) : value;
    const std::string sign = value < 0 ? "−" : "";
    return sign + GroupDigits(std::to_string(magnitude));
}

std::string GroupedDecimal(double value, int decimals) {
    if (!std::isfinite(value))
        return value != value ? "—" : (value > 0 ? "∞" : "−∞");
    char text[512]; // room for any double in fixed notation
    // to_chars, unlike printf, ignores the C locale the toolkit sets from the environment, so the
    // point is always '.' here.
    const auto written = std::to_chars(text, text + sizeof text, std::fabs(value),
                                       std::chars_format::fixed, decimals < 0 ? 0 : decimals);
    std::string digits(text, written.ec == std::errc() ? written.ptr : text);
    std::string fraction;
    if (const auto point = digits.find('.'); point != std::string::npos) {
        fraction = "," + digits.substr(point + 1);
        digits.erase(point);
    }
    // A value that rounds to zero keeps no minus sign.
    const bool negative =
        value < 0 && (digits + fraction).find_first_of("123456789") != std::string::npos;
    return (negative ? "−" : "") + GroupDigits(digits) + fraction;
}

} // namespace wording
