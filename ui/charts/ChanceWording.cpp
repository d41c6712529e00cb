#include "charts/ChanceWording.h"

#include <QLocale>

namespace chance_wording {
namespace {

// Russian takes the first form after 1, the second after 2..4, the third otherwise, and the
// third after 11..14 whatever the last digit.
QString WordForm(long long count, const char* one, const char* few, const char* many) {
    const long long tens = count % 100;
    const long long units = count % 10;
    const char* form = many;
    if (tens < 11 || tens > 14) {
        if (units == 1)
            form = one;
        else if (units >= 2 && units <= 4)
            form = few;
    }
    return QString::number(count) + QChar(' ') + QString::fromUtf8(form);
}

const QLocale& Russian() {
    static const QLocale locale(QLocale::Russian, QLocale::Russia);
    return locale;
}

} // namespace

QString Draws(long long count) {
    return WordForm(count, "тираж", "тиража", "тиражей");
}

QString Times(long long count) {
    return WordForm(count, "раз", "раза", "раз");
}

QString Percent(double probability) {
    const double percent = probability * 100;
    if (percent < 0.001)
        return QStringLiteral("меньше 0,001 %");
    // About two significant digits are enough to read a chance, whatever its size.
    int decimals = 3;
    if (percent >= 10)
        decimals = 0;
    else if (percent >= 1)
        decimals = 1;
    else if (percent >= 0.1)
        decimals = 2;
    return Russian().toString(percent, 'f', decimals) + QStringLiteral(" %");
}

QString PValue(double p) {
    return p < 0.001 ? QStringLiteral("меньше 0,001") : Russian().toString(p, 'f', 3);
}

QString Decimal(double value, int decimals) {
    return Russian().toString(value, 'f', decimals);
}

QString Expected(double value) {
    return value >= 0.1 || value == 0 ? Decimal(value) : Russian().toString(value, 'g', 2);
}

QString WindowName(long long draws, long long all) {
    if (draws <= 0)
        return QStringLiteral("тиражей нет");
    if (draws >= all)
        return (draws == 1 ? QStringLiteral("единственный ") : QStringLiteral("все ")) +
               Draws(draws);
    return QStringLiteral("последние ") + Draws(draws);
}

} // namespace chance_wording
