#include "audit/AuditWording.h"

#include "wording/RussianCount.h"

#include <cmath>
#include <cstdio>

namespace lottery::audit::wording {
namespace {

bool ShowsAsCount(TestKind kind) {
    return !AuditDesign::isFigure(kind);
}

std::string Percent(double share) {
    return Decimal(share * 100, share < 0.1 ? 1 : 0) + "\u00A0%"; // never split from its figure
}

// What the figure of a figure test counts, in the genitive after "сдвиг".
const char* FigureNoun(TestKind kind) {
    switch (kind) {
    case TestKind::Repeats:
        return "среднего числа повторов из прошлого тиража";
    case TestKind::Neighbours:
        return "среднего числа пар соседей в тираже";
    case TestKind::Sum:
        return "средней суммы тиража";
    case TestKind::OddEven:
        return "среднего числа нечётных в тираже";
    default:
        return "среднего числа малых в тираже";
    }
}

} // namespace

std::string Count(long long count, const char* one, const char* few, const char* many) {
    return ::wording::CountOf(count, {one, few, many});
}

std::string Decimal(double value, int decimals) {
    // A small figure keeps two significant digits, so that it never reads as nought.
    if (value != 0 && std::fabs(value) < 0.1)
        decimals = std::max(
            decimals, std::min(6, 1 - static_cast<int>(std::floor(std::log10(std::fabs(value))))));
    return ::wording::GroupedDecimal(value, decimals);
}

std::string PValue(double p) {
    if (p < 0.001)
        return "меньше 0,001";
    char text[16];
    std::snprintf(text, sizeof text, "%.3f", p);
    std::string result = text;
    result[1] = ',';
    return result;
}

std::string TestTitle(TestKind kind) {
    constexpr const char* kTitles[kTestCount] = {
        "Частота чисел",  "Пары чисел",   "Повторы из прошлого тиража", "Промежутки",
        "Соседние числа", "Сумма тиража", "Чётные и нечётные",          "Малые и большие"};
    return kTitles[Slot(kind)];
}

std::string TestQuestion(TestKind kind, LotteryShape shape) {
    switch (kind) {
    case TestKind::Frequency:
        return "Все ли числа выпадают одинаково часто?";
    case TestKind::Pairs:
        return "Не выпадают ли какие-то два числа вместе чаще или реже, чем велит случай?";
    case TestKind::Repeats:
        return "Столько ли чисел повторяется из прошлого тиража, сколько даёт случай?";
    case TestKind::Gaps:
        return "Не возвращаются ли числа слишком скоро или слишком поздно?";
    case TestKind::Neighbours:
        return "Как часто соседние числа (n и n + 1) выпадают вместе?";
    case TestKind::Sum:
        return "Так ли распределена сумма чисел тиража, как у случая?";
    case TestKind::OddEven:
        return "Сколько в тираже нечётных чисел?";
    case TestKind::LowHigh:
        return "Сколько в тираже малых чисел (1–" + std::to_string(shape.N / 2) + ")?";
    }
    return {};
}

std::string FigureText(const TestResult& test) {
    if (!test.applicable)
        return "—";
    const std::string spread = "разброс " + Decimal(test.statistic, 1);
    return ShowsAsCount(test.kind) ? spread
                                   : "в среднем " + Decimal(test.figure, 2) + "; " + spread;
}

std::string ChanceText(const TestResult& test) {
    if (!test.applicable)
        return "—";
    const std::string spread =
        "разброс " + Decimal(test.chanceMean, 1) + "\u00A0±\u00A0" + Decimal(test.chanceSpread, 1);
    return ShowsAsCount(test.kind) ? spread
                                   : "в среднем " + Decimal(test.chanceFigure, 2) + "; " + spread;
}

std::string PText(const TestResult& test) {
    if (!test.applicable)
        return "—";
    if (!test.simulated)
        return PValue(test.p);
    // No simulated history went as far: p is at most its smallest possible value.
    if (test.p * (test.runs + 1) < 1.5)
        return "не больше " + Decimal(test.p, 4);
    return PValue(test.p) + "\u00A0±\u00A0" + Decimal(test.pError, 3);
}

std::string VisibilityText(const TestResult& test, const AuditReport& report) {
    if (!test.applicable)
        return "проверка не применима к этой лотерее или этому числу тиражей";
    if (!test.visible.possible)
        return "на таком числе тиражей не заметит даже самого большого сбоя этого рода";
    const double size = test.visible.size;
    switch (test.kind) {
    case TestKind::Frequency:
        return "число, которое выпадает на " + Percent(size) + " чаще, чем положено";
    case TestKind::Pairs:
        return "два числа, которые выпадают вместе в " + Decimal(1 + size, 1) +
               " раза чаще, чем положено";
    case TestKind::Gaps:
        return std::string("возвраты ") +
               (report.shortGapsUpTo == 0
                    ? "в следующем же тираже"
                    : "не позже чем через " +
                          Count(report.shortGapsUpTo, "тираж", "тиража", "тиражей")) +
               " на " + Percent(size) + " чаще, чем положено";
    default:
        return std::string("сдвиг ") + FigureNoun(test.kind) + " на " + Decimal(size, 2) +
               " (у случая " + Decimal(test.chanceFigure, 2) + ")";
    }
}

std::string VerdictText(const AuditReport& report) {
    if (report.verdict == Verdict::TooFewDraws)
        return "Тиражей слишком мало для проверки: нужно хотя бы два тиража, в каждом " +
               Count(report.shape.K, "число", "разных числа", "разных чисел") + ".";
    int applicable = 0;
    std::string failed;
    int failedCount = 0;
    for (const TestResult& test : report.tests) {
        applicable += test.applicable;
        if (test.rejected) {
            failed += (failedCount++ ? ", «" : "«") + TestTitle(test.kind) + "»";
        }
    }
    if (report.verdict == Verdict::Fair)
        return "Честная лотерея выглядит именно так: ни одна из " +
               Count(applicable, "проверки", "проверок", "проверок") +
               " не нашла отклонения, которое случай даёт реже, чем 1 раз из 100 (с поправкой "
               "на число проверок). Это не доказательство честности, а отсутствие улик: "
               "проверки видят только сбои не меньше указанных ниже.";
    return std::string("Это не похоже на честную случайную лотерею (или в истории есть ошибки "
                       "ввода): ") +
           (failedCount == 1 ? "проверка " : "проверки ") + failed +
           (failedCount == 1 ? " нашла" : " нашли") +
           " отклонение, которое у честной лотереи бывает реже, чем 1 раз из 100, даже с "
           "поправкой на число проверок.";
}

std::string ScopeText(const AuditReport& report) {
    std::string text = "Лотерея " + std::to_string(report.shape.K) + " из " +
                       std::to_string(report.shape.N) + ": в проверке " +
                       Count(report.draws, "тираж", "тиража", "тиражей") + ".";
    if (report.leftOut > 0)
        text += " Не учтено тиражей без " + std::to_string(report.shape.K) +
                " разных чисел: " + std::to_string(report.leftOut) + ".";
    if (report.simulatedLength > 0) {
        int runs = 0;
        for (const TestResult& test : report.tests)
            runs = std::max(runs, test.runs);
        text += " Где формула неточна, p найдено моделированием честной лотереи: " +
                Count(runs, "история", "истории", "историй") + " по " +
                Count(report.simulatedLength, "тиражу", "тиража", "тиражей") +
                " (± — его погрешность).";
    }
    return text;
}

} // namespace lottery::audit::wording
