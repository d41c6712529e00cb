// The refresh and the track bar of the statistics page, driven through the real main window.
#include "statistics/StatisticsPage.h"

#include "WindowTesting.h"
#include "widgets/StringGrid.h"

#include <QLabel>
#include <QSlider>
#include <QTemporaryDir>
#include <algorithm>
#include <numeric>
#include <random>

namespace {

QStringList Row(StringGrid& grid, int row, int from, int to) {
    QStringList cells;
    for (int c = from; c <= to; ++c)
        cells << grid.cell(c, row);
    return cells;
}

QStringList Numbers(int from, int to) {
    QStringList numbers;
    for (int n = from; n <= to; ++n)
        numbers << QString::number(n);
    return numbers;
}

QStringList Repeated(const QString& text, int count) {
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << text;
    return texts;
}

} // namespace

class StatisticsPageTest : public QObject {
    Q_OBJECT
private slots:
    void anEmptyLotteryShowsNumbersZeroesNothingElseAndTenStars();
    void oneDrawRanksItsNumbersAndCountsDrawsSince();
    void oneDrawFillsTheSelectedNumberRowExceptItsOwnColumn();
    void aOneNumberLotteryLeavesThePartnerRowsBlank();
    void aThreeOutOfFourLotteryShowsFourLeastFrequentAndAStar();
    void addedDrawsReachTheRankingsOnlyWhenThePageIsShown();
    void theTrackBarScrollsTheAllNumbersGrid_data();
    void theTrackBarScrollsTheAllNumbersGrid();
    void aSmallLotteryDoesNotScrollTheGrid();
    void movingTheTrackBarRewritesTheSelectedNumberRow();
    void startingASmallerLotteryPullsTheTrackBarBack();
    void openingASmallerLotteryPullsTheTrackBarBack();
    void gridColumnsFollowTheLotteryShape_data();
    void gridColumnsFollowTheLotteryShape();
    void textsBeyondTheColumnCountAreKept();
    void everyCountFitsItsCellAndTheChosenNumberStaysInView();
    void eachColourReachesAllItsTables();
};

void StatisticsPageTest::anEmptyLotteryShowsNumbersZeroesNothingElseAndTenStars() {
    MainWindowFixture f;
    StringGrid& all = f.grid("grdAll");
    QCOMPARE(Row(all, 0, 1, 49), Numbers(1, 49));
    QCOMPARE(Row(all, 1, 1, 49), Repeated("0", 49));
    for (int row = 2; row <= 4; ++row)
        QCOMPARE(Row(all, row, 1, 49), Repeated("", 49));
    QCOMPARE(Row(f.grid("grdNumber"), 0, 1, 49), Numbers(1, 49));
    QCOMPARE(Row(f.grid("grdChashe"), 0, 0, 4), Repeated("*", 5));
    QCOMPARE(Row(f.grid("grdReje"), 0, 0, 4), Repeated("*", 5));
}

void StatisticsPageTest::oneDrawRanksItsNumbersAndCountsDrawsSince() {
    MainWindowFixture f;
    f.addDraw({1, 2, 3, 4, 5, 6});
    f.showStatisticsPage();
    QCOMPARE(Row(f.grid("grdChashe"), 0, 0, 4), QStringList({"6", "5", "4", "3", "2"}));
    QCOMPARE(Row(f.grid("grdReje"), 0, 0, 4), QStringList({"49", "48", "47", "46", "45"}));
    StringGrid& all = f.grid("grdAll");
    QCOMPARE(Row(all, 4, 1, 6), Repeated("0", 6));
    QCOMPARE(Row(all, 4, 7, 49), Repeated("1", 43));
    QCOMPARE(all.cell(1, 1), QStringLiteral("1"));
    QCOMPARE(all.cell(1, 2), QStringLiteral("2")); // most often with 1
    QCOMPARE(all.cell(1, 3), QStringLiteral("7")); // least often with 1
    QCOMPARE(all.cell(7, 2), QString());           // 7 never came out
}

void StatisticsPageTest::oneDrawFillsTheSelectedNumberRowExceptItsOwnColumn() {
    MainWindowFixture f;
    f.addDraw({1, 2, 3, 4, 5, 6});
    f.showStatisticsPage();
    StringGrid& number = f.grid("grdNumber");
    QCOMPARE(number.cell(1, 1), QString()); // column p is not written by the refresh
    QCOMPARE(Row(number, 1, 2, 6), Repeated("1", 5));
    QCOMPARE(Row(number, 1, 7, 49), Repeated("0", 43));
}

void StatisticsPageTest::aOneNumberLotteryLeavesThePartnerRowsBlank() {
    MainWindowFixture f;
    f.newLottery(1, 10);
    f.addDraw({3});
    f.addDraw({7});
    f.showStatisticsPage();
    StringGrid& all = f.grid("grdAll");
    QCOMPARE(all.cell(3, 1), QStringLiteral("1"));
    QCOMPARE(Row(all, 2, 1, 10), Repeated("", 10));
    QCOMPARE(Row(all, 3, 1, 10), Repeated("", 10));
    QCOMPARE(Row(f.grid("grdNumber"), 1, 1, 10), Repeated("", 10));
    f.control<QSlider>("trcNumber")->setValue(4);
    QCOMPARE(Row(f.grid("grdNumber"), 1, 1, 10), Repeated("  ", 10));
}

void StatisticsPageTest::aThreeOutOfFourLotteryShowsFourLeastFrequentAndAStar() {
    MainWindowFixture f;
    f.newLottery(3, 4);
    f.addDraw({1, 2, 3});
    f.addDraw({2, 3, 4});
    f.showStatisticsPage();
    QCOMPARE(Row(f.grid("grdReje"), 0, 0, 4), QStringList({"4", "1", "3", "2", "*"}));
    QCOMPARE(Row(f.grid("grdChashe"), 0, 0, 4), QStringList({"3", "2", "4", "1", "*"}));
}

void StatisticsPageTest::addedDrawsReachTheRankingsOnlyWhenThePageIsShown() {
    MainWindowFixture f;
    f.addDraw({1, 2, 3, 4, 5, 6});
    QCOMPARE(f.grid("grdChashe").cell(0, 0), QStringLiteral("*"));
    PagesOf(*f.window).setCurrentIndex(1);
    QCOMPARE(f.grid("grdChashe").cell(0, 0), QStringLiteral("*"));
    PagesOf(*f.window).setCurrentIndex(0);
    QCOMPARE(f.grid("grdChashe").cell(0, 0), QStringLiteral("6"));
}

void StatisticsPageTest::theTrackBarScrollsTheAllNumbersGrid_data() {
    QTest::addColumn<int>("N");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("firstColumn");
    QTest::newRow("1") << 49 << 1 << 1;
    QTest::newRow("20") << 49 << 20 << 20;
    QTest::newRow("44") << 49 << 44 << 44;
    QTest::newRow("45, N - 4") << 49 << 45 << 44;
    QTest::newRow("47") << 49 << 47 << 44;
    QTest::newRow("49") << 49 << 49 << 44;
    // The grid shows six columns whole, so its own limit is N - 5 at every N; small lotteries
    // check the rule's first branch and that 7 numbers already scroll.
    QTest::newRow("5 of 10") << 10 << 5 << 5;
    QTest::newRow("6 of 10, N - 4") << 10 << 6 << 5;
    QTest::newRow("2 of 7") << 7 << 2 << 2;
    QTest::newRow("7 of 7") << 7 << 7 << 2;
}

void StatisticsPageTest::theTrackBarScrollsTheAllNumbersGrid() {
    QFETCH(int, N);
    QFETCH(int, position);
    QFETCH(int, firstColumn);
    MainWindowFixture f;
    if (N != 49)
        f.newLottery(6, N);
    f.control<QSlider>("trcNumber")->setValue(position);
    QCOMPARE(f.grid("grdAll").leftCol(), firstColumn);
    QCOMPARE(f.grid("grdNumber").leftCol(), 1);
    QCOMPARE(f.control<QLabel>("lblNumber")->text(), QString::number(position));
    // The last number stays in view once the end is reached.
    QVERIFY(!f.grid("grdAll").cellRect(firstColumn, 0).isEmpty());
    if (firstColumn == 44)
        QVERIFY(!f.grid("grdAll").cellRect(49, 0).isEmpty());
}

void StatisticsPageTest::aSmallLotteryDoesNotScrollTheGrid() {
    MainWindowFixture f;
    f.newLottery(3, 6);
    f.control<QSlider>("trcNumber")->setValue(5);
    QCOMPARE(f.grid("grdAll").leftCol(), 1);
    QCOMPARE(f.control<QLabel>("lblNumber")->text(), QStringLiteral("5"));
}

void StatisticsPageTest::movingTheTrackBarRewritesTheSelectedNumberRow() {
    MainWindowFixture f;
    f.addDraw({1, 2, 3, 4, 5, 6});
    f.addDraw({2, 9, 10, 11, 12, 13});
    f.showStatisticsPage();
    f.control<QSlider>("trcNumber")->setValue(2);
    StringGrid& number = f.grid("grdNumber");
    QCOMPARE(number.cell(2, 1), QStringLiteral("  "));
    QCOMPARE(number.cell(1, 1), QStringLiteral("1"));
    QCOMPARE(number.cell(9, 1), QStringLiteral("1"));
    QCOMPARE(number.cell(7, 1), QStringLiteral("0"));
}

void StatisticsPageTest::startingASmallerLotteryPullsTheTrackBarBack() {
    MainWindowFixture f;
    auto* track = f.control<QSlider>("trcNumber");
    track->setValue(47);
    f.newLottery(6, 20);
    QCOMPARE(track->maximum(), 20);
    QCOMPARE(track->value(), 20);
    QCOMPARE(f.control<QLabel>("lblNumber")->text(), QStringLiteral("20"));
    QCOMPARE(f.grid("grdAll").leftCol(), 15);
    QCOMPARE(f.grid("grdAll").cell(20, 0), QStringLiteral("20"));
    QCOMPARE(f.grid("grdAll").cell(21, 0), QString());
}

void StatisticsPageTest::openingASmallerLotteryPullsTheTrackBarBack() {
    QTemporaryDir dir;
    const QString path = dir.filePath("small.dat");
    WriteDatabase(path, {3, 10}, {{1, 2, 3}});
    MainWindowFixture f;
    auto* track = f.control<QSlider>("trcNumber");
    track->setValue(30);
    f.dialogs.openPaths = {path};
    f.window->mnuOpenClick();
    QCOMPARE(track->maximum(), 10);
    QCOMPARE(track->value(), 10);
    QCOMPARE(f.control<QLabel>("lblNumber")->text(), QStringLiteral("10"));
}

void StatisticsPageTest::gridColumnsFollowTheLotteryShape_data() {
    QTest::addColumn<int>("K");
    QTest::addColumn<int>("N");
    QTest::addColumn<int>("columns");
    QTest::newRow("6/49") << 6 << 49 << 50;
    QTest::newRow("3/10") << 3 << 10 << 11;
    QTest::newRow("3/8") << 3 << 8 << 9;
    QTest::newRow("6/7") << 6 << 7 << 8;
    QTest::newRow("1/2") << 1 << 2 << 8;
}

void StatisticsPageTest::gridColumnsFollowTheLotteryShape() {
    QFETCH(int, K);
    QFETCH(int, N);
    QFETCH(int, columns);
    MainWindowFixture f;
    f.newLottery(K, N);
    QCOMPARE(f.grid("grdAll").colCount(), columns);
    QCOMPARE(f.grid("grdNumber").colCount(), columns);
    QCOMPARE(f.grid("grdAll").cell(N, 0), QString::number(N));
    QCOMPARE(f.grid("grdAll").cell(N + 1, 0), QString());
}

void StatisticsPageTest::textsBeyondTheColumnCountAreKept() {
    MainWindowFixture f;
    f.addDraw({40, 41, 42, 43, 44, 45});
    f.showStatisticsPage();
    f.dialogs.answers = {ConfirmAnswer::No};
    // Opening or starting a smaller lottery shrinks the columns; the frequency written into
    // column 45 before is blanked by the page reset, not by the shrinking.
    StringGrid& all = f.grid("grdAll");
    all.setColCount(21);
    QVERIFY(all.cellRect(45, 0).isEmpty());
    QCOMPARE(all.cell(45, 1), QStringLiteral("1"));
    all.setColCount(50);
    QCOMPARE(all.cell(45, 1), QStringLiteral("1"));
    f.newLottery(6, 20);
    QCOMPARE(all.cell(45, 1), QString());
}

void StatisticsPageTest::eachColourReachesAllItsTables() {
    MainWindowFixture f;
    StatisticsPage& page = StatisticsOf(*f.window);
    const QColor highlight = page.palette().color(QPalette::Highlight);
    page.setTableBackColour(QColor(255, 0, 0));
    page.setTableHeadColour(highlight);
    page.setTitleColour(QColor(0, 255, 0));
    page.setTableFontColour(QColor(0, 0, 255));
    for (const char* name : {"grdNumber", "grdAll", "grdChashe", "grdReje"}) {
        QCOMPARE(f.grid(name).backColour(), QColor(255, 0, 0));
        QCOMPARE(f.grid(name).fontColour(), QColor(0, 0, 255));
    }
    QCOMPARE(f.grid("grdNumber").fixedColour(), highlight);
    QCOMPARE(f.grid("grdAll").fixedColour(), highlight);
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label6", "Label7"})
        QCOMPARE(f.control<QLabel>(name)->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    auto* list = f.control<QWidget>("lbxAll");
    QCOMPARE(list->palette().color(QPalette::Base), QColor(255, 0, 0));
    QCOMPARE(list->palette().color(QPalette::Text), QColor(0, 0, 255));
}

// Counts of any length can be read: a grid whose texts do not fit widens its number columns
// alike, one whose texts fit keeps the width it starts with, and the track bar keeps the
// chosen number in view either way.
void StatisticsPageTest::everyCountFitsItsCellAndTheChosenNumberStaysInView() {
    std::mt19937 rng(7);
    QTemporaryDir dir;
    for (const int count : {40, 2500}) {
        std::vector<std::vector<int>> draws(static_cast<std::size_t>(count));
        for (auto& draw : draws) {
            std::vector<int> numbers(49);
            std::iota(numbers.begin(), numbers.end(), 1);
            std::shuffle(numbers.begin(), numbers.end(), rng);
            draw.assign(numbers.begin(), numbers.begin() + 6);
        }
        const QString path = dir.filePath(QStringLiteral("h%1.dat").arg(count));
        WriteDatabase(path, {6, 49}, draws);
        MainWindowFixture f;
        const int startWidth = f.grid("grdAll").colWidth(1);
        f.dialogs.openPaths = {path};
        f.window->mnuOpenClick();
        for (const int position : {1, 30, 44, 45, 47, 49}) {
            f.control<QSlider>("trcNumber")->setValue(position);
            for (const char* name : {"grdAll", "grdNumber"}) {
                StringGrid& grid = f.grid(name);
                const QFontMetrics metrics(grid.font());
                int widest = 0;
                for (int c = 1; c <= 49; ++c)
                    for (int row = 0; row < grid.rowCount(); ++row)
                        widest = std::max(widest, metrics.horizontalAdvance(grid.cell(c, row)));
                // Each text starts two pixels into its cell and must end before the next.
                const bool fits = widest + 2 < startWidth;
                for (int c = 1; c <= 49; ++c) {
                    QVERIFY(grid.colWidth(c) > widest + 2);
                    QVERIFY(!fits || grid.colWidth(c) == startWidth);
                }
            }
            const QRect chosen = f.grid("grdAll").cellRect(position, 0);
            QVERIFY(!chosen.isEmpty() && f.grid("grdAll").rect().contains(chosen));
        }
    }
}

ZHREBIKON_UI_TEST_MAIN(StatisticsPageTest)
#include "StatisticsPageTest.moc"
