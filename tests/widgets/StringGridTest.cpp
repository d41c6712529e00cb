// The drawing and scrolling rules of the string grid, checked on its painted pixels.
#include "widgets/StringGrid.h"

#include "WindowTesting.h"
#include "storage/OptionsFile.h"
#include "widgets/FontSetup.h"

#include <QImage>
#include <QScrollBar>

namespace {

const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kGrey(0x80, 0x80, 0x80);

// A grid like grdNumber: 260x59, title column 130, number columns 20, rows 18.
std::unique_ptr<StringGrid> LargeGrid() {
    auto grid = std::make_unique<StringGrid>();
    grid->setFont(ProgramFont(12));
    grid->resize(260, 59);
    grid->setRowCount(2);
    grid->setColCount(50);
    grid->setFixedCols(1);
    grid->setColWidth(0, 130);
    grid->setDefaultColWidth(20);
    grid->setDefaultRowHeight(18);
    grid->setCurrentCell(1, 0);
    return grid;
}

QImage Paint(StringGrid& grid) {
    return grid.grab().toImage();
}

QColor At(const QImage& image, QPoint p) {
    return image.pixelColor(p);
}

bool HasColour(const QImage& image, const QRect& area, const QColor& colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

} // namespace

class StringGridTest : public QObject {
    Q_OBJECT
private slots:
    void cellsAreLaidOutInsideATwoPixelEdgeWithOnePixelLines();
    void theTitleColumnHasTheTitleColourARaisedEdgeAndBlackLines();
    void otherCellsHaveTheBackgroundAndSilverLines();
    void silverBackgroundGetsGreyLines();
    void theCurrentCellIsAlwaysHighlightedFocusedOrNot();
    void textStartsTwoPixelsInAndIsClippedToItsCell();
    void textsLiveIndependentlyOfTheColumnCount();
    void theFirstVisibleColumnIsSettableAndClamped_data();
    void theFirstVisibleColumnIsSettableAndClamped();
    void theScrollBarFollowsTheFirstVisibleColumnAndTheThumb();
    void aClickMovesTheCurrentCellAndShiftClickSelectsARange();
    void fixedCellsCannotBecomeCurrent();
};

void StringGridTest::cellsAreLaidOutInsideATwoPixelEdgeWithOnePixelLines() {
    auto grid = LargeGrid();
    QCOMPARE(grid->cellRect(0, 0), QRect(2, 2, 130, 18));
    QCOMPARE(grid->cellRect(1, 0), QRect(133, 2, 20, 18));
    QCOMPARE(grid->cellRect(2, 1), QRect(154, 21, 20, 18));
    // The scroll bar takes the bottom 17 pixels inside the edge.
    grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
    QCOMPARE(grid->horizontalScrollBar()->geometry(), QRect(2, 40, 256, 17));
}

void StringGridTest::theTitleColumnHasTheTitleColourARaisedEdgeAndBlackLines() {
    auto grid = LargeGrid();
    grid->setFixedColour(QColor(0, 128, 0));
    const QImage image = Paint(*grid);
    const QRect title = grid->cellRect(0, 0);
    QCOMPARE(At(image, title.center()), QColor(0, 128, 0));
    QCOMPARE(At(image, title.topLeft() + QPoint(5, 0)).rgb(),
             grid->palette().color(QPalette::Light).rgb());
    QCOMPARE(At(image, title.bottomRight() - QPoint(5, 0)).rgb(),
             grid->palette().color(QPalette::Dark).rgb());
    QCOMPARE(At(image, QPoint(title.right() + 1, title.center().y())), QColor(Qt::black));
    QCOMPARE(At(image, QPoint(title.center().x(), title.bottom() + 1)), QColor(Qt::black));
}

void StringGridTest::otherCellsHaveTheBackgroundAndSilverLines() {
    auto grid = LargeGrid();
    grid->setBackColour(QColor(255, 255, 0));
    const QImage image = Paint(*grid);
    const QRect cell = grid->cellRect(3, 1);
    QCOMPARE(At(image, cell.center()), QColor(255, 255, 0));
    QCOMPARE(At(image, QPoint(cell.right() + 1, cell.center().y())), kSilver);
    QCOMPARE(At(image, QPoint(cell.center().x(), cell.bottom() + 1)), kSilver);
}

void StringGridTest::silverBackgroundGetsGreyLines() {
    auto grid = LargeGrid();
    grid->setBackColour(QColor(0xC0, 0xC0, 0xC0));
    const QImage image = Paint(*grid);
    const QRect cell = grid->cellRect(3, 1);
    QCOMPARE(At(image, QPoint(cell.right() + 1, cell.center().y())), kGrey);
}

void StringGridTest::theCurrentCellIsAlwaysHighlightedFocusedOrNot() {
    auto grid = LargeGrid();
    QVERIFY(!grid->hasFocus());
    const QImage image = Paint(*grid);
    QCOMPARE(At(image, grid->cellRect(1, 0).center()),
             grid->palette().color(QPalette::Active, QPalette::Highlight));
    QCOMPARE(At(image, grid->cellRect(2, 0).center()), QColor(Qt::white));
}

void StringGridTest::textStartsTwoPixelsInAndIsClippedToItsCell() {
    auto grid = LargeGrid();
    grid->setFontColour(QColor(0, 0, 0));
    grid->setCell(2, 1, QStringLiteral("WWWWWWWW"));
    const QImage image = Paint(*grid);
    const QRect cell = grid->cellRect(2, 1);
    const QRect next = grid->cellRect(3, 1);
    // Nothing within two pixels of the top-left edges, something dark inside, nothing beyond.
    QVERIFY(!HasColour(image, QRect(cell.left(), cell.top(), cell.width(), 2), Qt::black));
    QVERIFY(!HasColour(image, QRect(cell.left(), cell.top(), 2, cell.height()), Qt::black));
    QVERIFY(HasColour(image, cell.adjusted(2, 2, 0, 0), Qt::black));
    QVERIFY(!HasColour(image, next, Qt::black));
}

void StringGridTest::textsLiveIndependentlyOfTheColumnCount() {
    auto grid = LargeGrid();
    grid->setCell(40, 1, QStringLiteral("40"));
    grid->setColCount(11);
    QCOMPARE(grid->cell(40, 1), QStringLiteral("40"));
    QVERIFY(grid->cellRect(40, 1).isEmpty());
    grid->setCell(45, 0, QStringLiteral("45")); // written while beyond the count
    grid->setColCount(50);
    QCOMPARE(grid->cell(45, 0), QStringLiteral("45"));
    QCOMPARE(grid->cell(99, 9), QString());
}

void StringGridTest::theFirstVisibleColumnIsSettableAndClamped_data() {
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("shown");
    QTest::newRow("first") << 50 << 1 << 1;
    QTest::newRow("middle") << 50 << 20 << 20;
    QTest::newRow("last that shows column 49 whole") << 50 << 44 << 44;
    QTest::newRow("beyond the end") << 50 << 48 << 44;
    QTest::newRow("into the title column") << 50 << 0 << 1;
    QTest::newRow("eight columns") << 8 << 5 << 2;
}

void StringGridTest::theFirstVisibleColumnIsSettableAndClamped() {
    QFETCH(int, columns);
    QFETCH(int, requested);
    QFETCH(int, shown);
    auto grid = LargeGrid();
    grid->setColCount(columns);
    grid->setLeftCol(requested);
    QCOMPARE(grid->leftCol(), shown);
    QCOMPARE(grid->cellRect(shown, 0).left(), 133);
    QVERIFY(grid->cellRect(shown - 1, 0).isEmpty() || shown == 1);
}

void StringGridTest::theScrollBarFollowsTheFirstVisibleColumnAndTheThumb() {
    auto grid = LargeGrid();
    QScrollBar* bar = grid->horizontalScrollBar();
    QCOMPARE(bar->minimum(), 1);
    QCOMPARE(bar->maximum(), 44);
    QVERIFY(bar->hasTracking());
    grid->setLeftCol(10);
    QCOMPARE(bar->value(), 10);
    bar->setSliderDown(true);
    bar->setSliderPosition(30); // dragging the thumb
    QCOMPARE(grid->leftCol(), 30);
    bar->setSliderDown(false);
}

void StringGridTest::aClickMovesTheCurrentCellAndShiftClickSelectsARange() {
    auto grid = LargeGrid();
    grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
    QTest::mouseClick(grid.get(), Qt::LeftButton, {}, grid->cellRect(3, 1).center());
    QCOMPARE(grid->currentCell(), QPoint(3, 1));
    QTest::mouseClick(grid.get(), Qt::LeftButton, Qt::ShiftModifier, grid->cellRect(5, 0).center());
    QCOMPARE(grid->selection(), QRect(QPoint(3, 0), QPoint(5, 1)));
    const QImage image = Paint(*grid);
    QCOMPARE(At(image, grid->cellRect(4, 1).center()),
             grid->palette().color(QPalette::Active, QPalette::Highlight));
    QTest::keyClick(grid.get(), Qt::Key_Right);
    QCOMPARE(grid->currentCell(), QPoint(6, 0));
    QCOMPARE(grid->selection(), QRect(6, 0, 1, 1));
}

void StringGridTest::fixedCellsCannotBecomeCurrent() {
    auto grid = LargeGrid();
    grid->setCurrentCell(0, 1);
    QCOMPARE(grid->currentCell(), QPoint(1, 1));
}

ZHREBIKON_UI_TEST_MAIN(StringGridTest)
#include "StringGridTest.moc"
