#include "tickets/BacktestVerdict.h"

#include "wording/PercentText.h"
#include "wording/RussianCount.h"

#include <algorithm>

namespace lottery {

std::string BacktestVerdict(const Backtest& backtest) {
    if (backtest.ways.empty() || backtest.range.size() == 0)
        return "Нет тиражей для проверки.";
    const auto best = std::min_element(
        backtest.ways.begin(), backtest.ways.end(),
        [](const WayOutcome& a, const WayOutcome& b) { return a.pValue < b.pValue; });
    const auto count = static_cast<long long>(backtest.ways.size());
    const std::string correction =
        count == 1 ? std::string()
                   : " (с поправкой Холма на " +
                         wording::CountOf(count, {"способ", "способа", "способов"}) + " — " +
                         wording::PercentText(best->adjustedP) + ")";
    const std::string odds = "случай даёт такой перевес или больший в " +
                             wording::PercentText(best->pValue) + " проверок" + correction;
    if (!backtest.anyBetter()) {
        if (best->hits <= best->chance.expectedHits)
            return "Ни один способ не угадал больше номеров, чем в среднем даёт случай.";
        return "Ни один способ не угадал больше, чем объясняет случай: у лучшего, «" +
               ChoiceWayName(best->way, backtest.K) + "», " + odds + ".";
    }
    return "Способ «" + ChoiceWayName(best->way, backtest.K) +
           "» угадал больше номеров, чем обычно даёт случай: " + odds +
           ". Такое бывает и при честных тиражах, раз в двадцать проверок; будущий тираж от "
           "прошлых не зависит.";
}

} // namespace lottery
