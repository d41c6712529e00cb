#pragma once

#include <string>

namespace wording {

// How a figure exactly half-way between two shown ones is rounded. The ticket figures have always
// gone to the even neighbour, the analysis window's up ("12,5 %" to "13 %"); each keeps its way.
enum class HalfWay { ToEven, Up };

// A probability as percent with a decimal comma: "43 %", "2,5 %", "0,03 %", "меньше 0,001 %".
std::string PercentText(double probability, HalfWay halfWay = HalfWay::ToEven);

} // namespace wording
