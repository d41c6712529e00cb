#include "tickets/FigureText.h"

#include "wording/RussianCount.h"

#include <cmath>

namespace lottery {

std::string ExpectedText(double value) {
    if (value == 0 || !std::isfinite(value) || std::fabs(value) >= 1)
        return wording::GroupedDecimal(value, 1);
    return wording::GroupedDecimal(value,
                                   1 - static_cast<int>(std::floor(std::log10(std::fabs(value)))));
}

std::string AmountText(double kopecks) {
    const double rounded = std::round(kopecks);
    return wording::GroupedDecimal(rounded / 100, std::fmod(rounded, 100) == 0 ? 0 : 2);
}

std::string PercentText(double probability) {
    const double percent = probability * 100;
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
    return wording::GroupedDecimal(percent, decimals) + " %";
}

} // namespace lottery
