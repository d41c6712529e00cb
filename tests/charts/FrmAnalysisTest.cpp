#include "charts/FrmAnalysis.h"

#include "FakeAppearance.h"
#include "OpenedHistory.h"
#include "charts/ChanceWording.h"
#include "charts/FrmTicketCheck.h"
#include "charts/NumberBarChart.h"
#include "charts/PairHeatMap.h"
#include "lottery/LotteryDocument.h"
#include "widgets/FontSetup.h"

#include <QBarSet>
#include <QChart>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QTest>
#include <numeric>

namespace {

// The heights of all bars of a chart added up.
double BarTotal(const NumberBarChart* chart) {
    double total = 0;
    for (QAbstractSeries* series : chart->chart()->series())
        if (auto* bars = qobject_cast<QStackedBarSeries*>(series))
            for (QBarSet* set : bars->barSets())
                total += set->sum();
    return total;
}

} // namespace

class FrmAnalysisTest : public QObject {
    Q_OBJECT
    FakeAppearance appearance_;

private slots:
    void initTestCase() {
        InstallFontSubstitutes();
        appearance_.tile = DistinctTile(0);
    }

    // A new lottery has no draws: every expectation is 0 and nothing may divide by it.
    void opensOnAnEmptyLotteryAndSaysThereIsNothingToCompare() {
        lottery::LotteryDocument document;
        FrmAnalysis window(document, appearance_);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (FrmAnalysis::Chart chart : {FrmAnalysis::Frequency, FrmAnalysis::Overdue,
                                         FrmAnalysis::Pairs, FrmAnalysis::Randomness}) {
            window.showChart(chart);
            QVERIFY(!window.grab().isNull());
        }
        for (NumberBarChart* chart : {window.frequencyChart(), window.overdueChart()}) {
            QVERIFY(chart->sentence()->text().startsWith(QStringLiteral("Тиражей нет")));
            QCOMPARE(BarTotal(chart), 0.0);
        }
        const QString hover = window.pairChart()->describe(window.pairChart()->rect().center());
        QVERIFY2(!hover.contains(QStringLiteral("nan")) && !hover.contains(QStringLiteral("inf")),
                 qPrintable(hover));
        QCOMPARE(window.windowChoice()->count(), 1);
    }

    // Every chart follows the window of last draws; a click on the pairs chart names a number.
    void chartsFollowTheWindowAndAClickChoosesANumber() {
        lottery::LotteryDocument document;
        std::vector<lottery::DrawRecord> draws;
        for (int d = 0; d < 60; ++d)
            draws.push_back({std::uint8_t(d % 49 + 1), std::uint8_t((d + 7) % 49 + 1),
                             std::uint8_t((d + 14) % 49 + 1), std::uint8_t((d + 21) % 49 + 1),
                             std::uint8_t((d + 28) % 49 + 1), std::uint8_t((d + 35) % 49 + 1)});
        OpenDraws(document, draws, {6, 49});
        FrmAnalysis window(document, appearance_);
        window.show();
        QCOMPARE(BarTotal(window.frequencyChart()), 60.0 * 6);
        window.setWindow(20);
        QCOMPARE(window.window(), 20LL);
        QCOMPARE(BarTotal(window.frequencyChart()), 20.0 * 6);
        // No number waits longer than the window it is looked for in.
        for (QAbstractSeries* series : window.overdueChart()->chart()->series())
            if (auto* bars = qobject_cast<QStackedBarSeries*>(series))
                for (QBarSet* set : bars->barSets())
                    for (int i = 0; i < set->count(); ++i)
                        QVERIFY(set->at(i) <= 20);

        window.showChart(FrmAnalysis::Pairs);
        PairHeatMap* map = window.pairChart();
        QSignalSpy chosen(&window, &FrmAnalysis::numberChosen);
        QPoint onSeven;
        for (int y = 0; y < map->height() && onSeven.isNull(); ++y)
            for (int x = map->width() / 2; x < map->width() && onSeven.isNull(); ++x)
                if (map->numberAt({x, y}) == 7)
                    onSeven = {x, y};
        QTest::mouseClick(map, Qt::LeftButton, {}, onSeven);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.front().front().toInt(), 7);
    }

    // Russian word forms after a number, and percents with the decimal comma.
    void wordsFollowTheNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        using namespace chance_wording;
        QTest::newRow("1") << Draws(1) << QStringLiteral("1 тираж");
        QTest::newRow("3622") << Draws(3622) << QStringLiteral("3\u202F622 тиража");
        QTest::newRow("12") << Draws(12) << QStringLiteral("12 тиражей");
        QTest::newRow("111") << Draws(111) << QStringLiteral("111 тиражей");
        QTest::newRow("21") << Draws(21) << QStringLiteral("21 тираж");
        QTest::newRow("times") << Times(45) << QStringLiteral("45 раз");
        QTest::newRow("1.3 %") << Percent(0.0134) << QStringLiteral("1,3 %");
        QTest::newRow("0.026 %") << Percent(0.00026) << QStringLiteral("0,026 %");
        QTest::newRow("half-way up") << Percent(0.125) << QStringLiteral("13 %");
    }
    void wordsFollowTheNumber() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }

    void ticketCheckOnAnEmptyLotteryCountsNothing() {
        lottery::LotteryDocument document;
        for (int n = 1; n <= 6; ++n)
            document.MarkNumber(n);
        FrmTicketCheck check(document, appearance_);
        check.show();
        QCOMPARE(check.matchTable()->rowCount(), 7);
        for (int m = 0; m <= 6; ++m)
            QCOMPARE(check.matchTable()->item(m, 1)->text(), QStringLiteral("0"));
        QVERIFY(check.summary()->text().startsWith(QStringLiteral("Тиражей нет")));
    }
};

QTEST_MAIN(FrmAnalysisTest)
#include "FrmAnalysisTest.moc"
