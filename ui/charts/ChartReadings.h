#pragma once

#include "chance/ChartFigures.h"
#include "charts/NumberBarChart.h"

// The figures put into charts and read in plain Russian words.
namespace chart_readings {

// How many overdue numbers the sentence under the overdue chart names.
inline constexpr int kOverdueListed = 5;
// A gap that chance makes this long less often than this stands out.
inline constexpr double kRareGap = 0.05;

NumberBarContent FrequencyContent(const lottery::FrequencyFigure& figure, long long all);
NumberBarContent OverdueContent(const lottery::OverdueFigure& figure, long long all);
// The title of the pairs chart.
QString PairTitle(const lottery::PairFigure& figure, long long all);

} // namespace chart_readings
