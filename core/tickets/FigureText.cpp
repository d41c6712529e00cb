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

} // namespace lottery
