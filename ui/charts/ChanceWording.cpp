#include "charts/ChanceWording.h"

#include "wording/PercentText.h"
#include "wording/RussianCount.h"

#include <QLocale>

namespace chance_wording {
namespace {

QString Counted(long long count, const wording::NounForms& forms) {
    return QString::fromStdString(wording::CountOf(count, forms));
}

const QLocale& Russian() {
    static const QLocale locale(QLocale::Russian, QLocale::Russia);
    return locale;
}

} // namespace

QString Draws(long long count) {
    return Counted(count, {"тираж", "тиража", "тиражей"});
}

QString Times(long long count) {
    return Counted(count, {"раз", "раза", "раз"});
}

QString Pairs(long long count) {
    return Counted(count, {"пара", "пары", "пар"});
}

QString Number(long long value) {
    return QString::fromStdString(wording::GroupedNumber(value));
}

QString Percent(double probability) {
    return QString::fromStdString(wording::PercentText(probability, wording::HalfWay::Up));
}

QString PValue(double p) {
    return p < 0.001 ? QStringLiteral("меньше 0,001") : Russian().toString(p, 'f', 3);
}

QString Decimal(double value, int decimals) {
    return QString::fromStdString(wording::GroupedDecimal(value, decimals));
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
