#include "RandomnessTab.h"

#include "FontSetup.h"
#include "RandomDraws.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <random>

// The tab on its own: the audit of the latest history reaches the screen, one line per test,
// with the failing test marked and named in the verdict.
class RandomnessTabTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void showsTheLatestHistoryWithTheFailingTestMarked() {
        std::mt19937 rng(3);
        std::vector<lottery::DrawRecord> fair = lottery::test::RandomDraws(rng, {6, 49}, 2000);
        // Number 1 wherever the draw has none of 1..3 (about a third more often).
        std::vector<lottery::DrawRecord> favoured = fair;
        for (lottery::DrawRecord& draw : favoured)
            if (std::none_of(draw.begin(), draw.begin() + 6, [](int n) { return n <= 3; }))
                draw[0] = 1;

        RandomnessTab tab;
        tab.resize(880, 560);
        tab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tab));
        QSignalSpy shown(&tab, &RandomnessTab::auditShown);
        // A second history set while the first is being tested replaces it.
        tab.setHistory(fair, {6, 49});
        tab.setHistory(favoured, {6, 49});
        QVERIFY(shown.wait(20000));
        QTest::qWait(100);
        QCOMPARE(shown.count(), 1);
        QVERIFY(!tab.busy());

        QTableWidget* table = tab.table();
        QCOMPARE(table->rowCount(), lottery::audit::kTestCount);
        const QString frequency = table->item(0, 3)->text();
        QVERIFY2(frequency.contains(QChar(0x25CF)), qPrintable(frequency));
        QVERIFY(tab.verdictLabel()->text().contains(QStringLiteral("«Частота чисел»")));
        QVERIFY(!tab.grab().isNull());
    }
};

QTEST_MAIN(RandomnessTabTest)
#include "RandomnessTabTest.moc"
