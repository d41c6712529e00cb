#pragma once

#include <QString>

// Russian phrases of the analysis window: counts with the right word form, shares as percent.
namespace chance_wording {

// "1 тираж", "3 тиража", "12 тиражей".
QString Draws(long long count);
// "1 раз", "2 раза", "5 раз".
QString Times(long long count);
// "1 пара", "3 пары", "5 пар".
QString Pairs(long long count);
// A whole number grouped by three: "3 622".
QString Number(long long value);
// A probability as percent with a decimal comma: "43 %", "2,5 %", "0,03 %", "меньше 0,001 %".
QString Percent(double probability);
// A p-value with three decimals: "0,043", "меньше 0,001".
QString PValue(double p);
// A figure with a decimal comma.
QString Decimal(double value, int decimals = 1);
// An expected count: one decimal, or two significant digits below 0,1 so that a tiny
// expectation does not read as none.
QString Expected(double value);
// What a window of the last `draws` draws is called in chart titles: "все 3622 тиража" when it
// is the whole list, else "последние 100 тиражей".
QString WindowName(long long draws, long long all);

} // namespace chance_wording
