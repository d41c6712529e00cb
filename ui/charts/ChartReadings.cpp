#include "charts/ChartReadings.h"

#include "charts/ChanceWording.h"

#include <QStringList>
#include <cmath>

using namespace chance_wording;

namespace chart_readings {
namespace {

QString FrequencySentence(const lottery::FrequencyFigure& figure) {
    if (figure.draws <= 0)
        return QStringLiteral("Тиражей нет — сравнивать не с чем.");
    const double p = figure.test.pValue;
    QString text = QStringLiteral("Если все номера равновероятны, такой или больший разброс частот "
                                  "случай даёт с вероятностью %1 (хи-квадрат, p = %2): %3")
                       .arg(Percent(p), PValue(p),
                            p < 0.05 ? QStringLiteral("так бывает редко.")
                                     : QStringLiteral("это обычный для случая разброс."));
    const int N = static_cast<int>(figure.counts.size());
    if (figure.outsideBand.empty()) {
        text += QStringLiteral(" Все номера в полосе 95 %.");
    } else {
        QStringList numbers;
        for (int n : figure.outsideBand)
            numbers << QString::number(n);
        text += QStringLiteral(" Вне полосы: %1; случайно так выходит в среднем около %2 из %3.")
                    .arg(numbers.join(QStringLiteral(", ")), Expected(figure.expectedOutside))
                    .arg(N);
    }
    return text;
}

QString OverdueSentence(const lottery::OverdueFigure& figure) {
    if (figure.draws <= 0)
        return QStringLiteral("Тиражей нет — сравнивать не с чем.");
    const int N = static_cast<int>(figure.drawsSince.size());
    QStringList longest;
    for (std::size_t i = 0; i < figure.mostOverdue.size(); ++i) {
        const int n = figure.mostOverdue[i];
        const long long since = figure.drawsSince[static_cast<std::size_t>(n) - 1];
        // A number missing from every draw looked at has waited at least that long, maybe more.
        const QString wait =
            since < figure.draws ? Draws(since)
            : figure.draws < figure.all
                ? QStringLiteral("не выпадал в последних %1").arg(Number(figure.draws))
                : QStringLiteral("не выпадал ни разу");
        longest << QStringLiteral("%1 — %2 (%3)").arg(n).arg(wait, Percent(figure.tail[i]));
    }
    QString text =
        QStringLiteral("Случайно номер ждёт в среднем %1 тиража.").arg(Decimal(figure.expectedGap));
    if (!longest.isEmpty())
        text += QStringLiteral(" Дольше всех (в скобках — вероятность ждать так долго): %1.")
                    .arg(longest.join(QStringLiteral(", ")));
    if (!figure.tail.empty()) {
        // Among N numbers one is bound to wait long; this is the fair yardstick for the first.
        const double anyOfThem = 1 - std::pow(1 - figure.tail.front(), N);
        text +=
            QStringLiteral(" Хоть один из %1 номеров ждёт столько же примерно с вероятностью %2.")
                .arg(N)
                .arg(Percent(anyOfThem));
    }
    return text;
}

// One bar per number with the chart's titles; standsOut(value) picks the bars drawn apart.
template <typename StandsOut>
NumberBarContent Bars(const QString& title, const QString& valueTitle,
                      const std::vector<long long>& values, StandsOut standsOut) {
    NumberBarContent content;
    content.title = title;
    content.valueTitle = valueTitle;
    for (long long value : values) {
        content.values.push_back(static_cast<double>(value));
        content.standsOut.push_back(standsOut(value));
    }
    return content;
}

} // namespace

NumberBarContent FrequencyContent(const lottery::FrequencyFigure& figure, long long all) {
    NumberBarContent content =
        Bars(QStringLiteral("Сколько раз выпал каждый номер: ") + WindowName(figure.draws, all),
             QStringLiteral("выпадений"), figure.counts, [&figure](long long count) {
                 return figure.draws > 0 && !figure.band.contains(count);
             });
    content.unit = {"выпадение", "выпадения", "выпадений"};
    content.drawn = figure.draws > 0;
    content.usualName = QStringLiteral("в полосе");
    content.standingOutName = QStringLiteral("вне полосы");
    content.reference = figure.expected;
    content.referenceName = QStringLiteral("случайно ожидается %1").arg(Decimal(figure.expected));
    if (figure.draws > 0) {
        content.band = std::make_pair(static_cast<double>(figure.band.low),
                                      static_cast<double>(figure.band.high));
        content.bandName = QStringLiteral("95 % случайных исходов: %1–%2")
                               .arg(Number(figure.band.low), Number(figure.band.high));
    }
    content.sentence = FrequencySentence(figure);
    return content;
}

NumberBarContent OverdueContent(const lottery::OverdueFigure& figure, long long all) {
    NumberBarContent content =
        Bars(QStringLiteral("Сколько тиражей номер не выпадает: ") + WindowName(figure.draws, all),
             QStringLiteral("тиражей"), figure.drawsSince, [&figure](long long since) {
                 return figure.draws > 0 &&
                        lottery::GapTail(since, figure.shape.K, figure.shape.N) < kRareGap;
             });
    content.unit = {"тираж без него", "тиража без него", "тиражей без него"};
    content.drawn = figure.draws > 0;
    content.usualName = QStringLiteral("тиражей без номера");
    content.standingOutName = QStringLiteral("так долго случайно — реже 5 %");
    content.reference = figure.expectedGap;
    content.referenceName =
        QStringLiteral("случайно в среднем %1").arg(Decimal(figure.expectedGap));
    content.sentence = OverdueSentence(figure);
    return content;
}

QString PairTitle(const lottery::PairFigure& figure, long long all) {
    return QStringLiteral("Сколько раз номера выпадали вместе: ") + WindowName(figure.draws, all);
}

} // namespace chart_readings
