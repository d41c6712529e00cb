// The draw-entry page and the "Опции" menu inside the real main window: New and Open with a
// card on it, a smaller lottery, adding a draw, and User.opt across two starts.
#include "Pictures.h"
#include "WindowTesting.h"
#include "drawentry/DrawEntryPage.h"
#include "mainwindow/PageControl.h"
#include "options/AppearanceOptions.h"
#include "statistics/StatisticsPage.h"
#include "widgets/GlyphButton.h"
#include "widgets/StringGrid.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The main window with its draw-entry page in front.
struct Window : MainWindowFixture {
    explicit Window(const QString& optionsPath = kNoOptionsFile)
        : MainWindowFixture(true, optionsPath) {
        PagesOf(*window).setCurrentIndex(1);
    }
    bool allPlain() const {
        for (int n = 1; n <= 49; ++n) {
            const auto* button = static_cast<GlyphButton*>(page().numberButton(n));
            if (button->glyph() != art::ComposeBallGlyph(n, art::GlyphKind::Plain))
                return false;
        }
        return true;
    }
};

// A 6/49 file with one draw.
QString WriteSixOfFortyNine(const QString& path) {
    WriteDatabase(path, {6, 49}, {{3, 17, 22, 30, 41, 45}});
    return path;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool IsTiledWith(const QImage& page, const QImage& tile) {
    for (int y = 0; y < page.height(); y += 11)
        for (int x = 0; x < page.width(); x += 7)
            if ((page.pixel(x, y) & RGB_MASK) != (tile.pixel(x % 81, y % 81) & RGB_MASK))
                return false;
    return page.size() == QSize(450, 303);
}

} // namespace

class MainWindowDrawEntryTest : public QObject {
    Q_OBJECT
private slots:
    void newWithAFullCardLeavesTheAddButtonDisabledAndTheCardEmpty();
    void openWithAFullCardLeavesTheAddButtonDisabledAndTheCardEmpty();
    void sixOfTwentyHidesButtonsAboveTwentyAndOpeningSixOfFortyNineShowsThemPlain();
    void addingADrawEnablesSaveAndListsItButTheRankingsWaitForTheStatisticsPage();
    void aHomeDrawOnDisplayIsEndedByNew();
    void optionsSavedAreReadBackAtTheNextStart();
    void readOnlyOptionsFileIsIgnoredAndSavingOptionsFailsWithFileAccessDenied();
    void appearanceChangesNeverEnableSave();
};

void MainWindowDrawEntryTest::newWithAFullCardLeavesTheAddButtonDisabledAndTheCardEmpty() {
    QTemporaryDir cwd;
    Window w(cwd.filePath("User.opt"));
    w.clickNumbers({10, 20, 30, 40, 41, 42});
    QVERIFY(w.page().newTirazButton()->isEnabled());
    w.newLottery(6, 49);
    QVERIFY(!w.page().newTirazButton()->isEnabled());
    QCOMPARE(w.document().cardCount(), 0);
    QVERIFY(w.allPlain());
    // The next click marks at once.
    w.clickNumbers({12});
    QCOMPARE(w.document().cardCount(), 1);
}

void MainWindowDrawEntryTest::openWithAFullCardLeavesTheAddButtonDisabledAndTheCardEmpty() {
    QTemporaryDir cwd;
    Window w(cwd.filePath("User.opt"));
    const QString path = WriteSixOfFortyNine(cwd.filePath(QStringLiteral("draws.dat")));
    w.clickNumbers({10, 20, 30, 40, 41, 42});
    w.dialogs.openPaths.push_back(path);
    TriggerAsUser(w.action("mnuOpen"));
    QCOMPARE(w.document().drawCount(), 1);
    QVERIFY(!w.page().newTirazButton()->isEnabled());
    QCOMPARE(w.document().cardCount(), 0);
    QVERIFY(w.allPlain());
}

void MainWindowDrawEntryTest::
    sixOfTwentyHidesButtonsAboveTwentyAndOpeningSixOfFortyNineShowsThemPlain() {
    QTemporaryDir cwd;
    Window w(cwd.filePath("User.opt"));
    const QString path = WriteSixOfFortyNine(cwd.filePath(QStringLiteral("big.dat")));
    w.newLottery(6, 20);
    for (int n = 1; n <= 49; ++n)
        QCOMPARE(w.page().numberButton(n)->isVisible(), n <= 20);
    w.clickNumbers({15, 16, 17});
    w.dialogs.openPaths.push_back(path);
    TriggerAsUser(w.action("mnuOpen"));
    QCOMPARE(w.document().shape().N, 49);
    for (int n = 1; n <= 49; ++n)
        QVERIFY(w.page().numberButton(n)->isVisible());
    QVERIFY(w.allPlain());
}

void MainWindowDrawEntryTest::
    addingADrawEnablesSaveAndListsItButTheRankingsWaitForTheStatisticsPage() {
    QTemporaryDir cwd;
    Window w(cwd.filePath("User.opt"));
    StatisticsPage& statistics = StatisticsOf(*w.window);
    const QString rankingBefore = statistics.grdChashe()->cell(0, 0);
    QCOMPARE(rankingBefore, QStringLiteral("*"));
    QVERIFY(!w.action("mnuSave")->isEnabled());

    w.clickNumbers({1, 2, 3, 4, 5, 6});
    w.click(w.page().newTirazButton());
    QVERIFY(w.action("mnuSave")->isEnabled());
    QAbstractItemModel* list = statistics.lbxAll()->model();
    QCOMPARE(list->rowCount(), 1);
    QCOMPARE(list->index(0, 0).data().toString(), QStringLiteral("1  2  3  4  5  6  "));
    QCOMPARE(statistics.grdChashe()->cell(0, 0), rankingBefore);

    PagesOf(*w.window).setCurrentIndex(0);
    QCOMPARE(statistics.grdChashe()->cell(0, 0), QStringLiteral("6"));
    QCOMPARE(statistics.grdReje()->cell(0, 0), QStringLiteral("49"));
}

void MainWindowDrawEntryTest::aHomeDrawOnDisplayIsEndedByNew() {
    QTemporaryDir cwd;
    Window w(cwd.filePath("User.opt"));
    w.click(w.page().playButton());
    w.clickNumbers({1, 2, 3, 4, 5, 6});
    w.click(w.page().newTirazButton());
    QVERIFY(w.page().continueButton()->isVisible());
    w.newLottery(5, 36);
    QVERIFY(!w.page().continueButton()->isVisible());
    QVERIFY(w.page().townPicture()->isVisible());
    for (int m = 1; m <= 7; ++m)
        QVERIFY(!w.page().ballPicture(m)->isVisible());
    // The mode survives New.
    QVERIFY(w.page().playMode());
}

void MainWindowDrawEntryTest::optionsSavedAreReadBackAtTheNextStart() {
    QTemporaryDir cwd;
    std::array<std::int32_t, 4> saved{};
    {
        Window first(cwd.filePath("User.opt"));
        first.dialogs.colours = {QColor(200, 10, 10), QColor(10, 200, 10), QColor(10, 10, 200),
                                 QColor(90, 90, 0)};
        for (const char* command : {"mnuColorTableFon", "mnuColorShap", "mnuFontZagol",
                                    "mnuFontTable", "mnuFon2", "mnuSaveOptions"})
            TriggerAsUser(first.action(command));
        const lottery::OptionsRecord& s = first.window->appearance().currentRecord();
        saved = {s.tableBackColour, s.tableHeadColour, s.titleColour, s.tableFontColour};
        QCOMPARE(saved[0], lottery::colour::Rgb(200, 10, 10));
    }
    QVERIFY(QFile::exists(cwd.filePath(QStringLiteral("User.opt"))));

    Window next(cwd.filePath("User.opt"));
    const lottery::OptionsRecord& s = next.window->appearance().currentRecord();
    QCOMPARE((std::array<std::int32_t, 4>{s.tableBackColour, s.tableHeadColour, s.titleColour,
                                          s.tableFontColour}),
             saved);
    QCOMPARE(StatisticsOf(*next.window).grdAll()->backColour(), QColor(200, 10, 10));
    QVERIFY(next.action("mnuFon2")->isChecked());
    QVERIFY(!next.action("mnuFon1")->isChecked());
    QVERIFY(IsTiledWith(next.page().background(), art::Pictures::instance().patchworkTile()));
    QCOMPARE(next.window->appearance().titleColour(), QColor(10, 10, 200));
    QVERIFY(!next.action("mnuSave")->isEnabled());
}

void MainWindowDrawEntryTest::
    readOnlyOptionsFileIsIgnoredAndSavingOptionsFailsWithFileAccessDenied() {
    QTemporaryDir cwd;
    lottery::OptionsRecord record;
    record.background = 2;
    record.titleColour = lottery::colour::Rgb(255, 0, 0);
    const QString path = cwd.filePath(QStringLiteral("User.opt"));
    lottery::SaveOptions(path.toStdString(), record);
    const QByteArray content = ReadAll(path);
    QCOMPARE(content.size(), 20);
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    Window w(cwd.filePath("User.opt"));
    QVERIFY(w.action("mnuFon1")->isChecked());
    QCOMPARE(w.window->appearance().currentRecord().titleColour, lottery::colour::Rgb(0, 0, 0));

    CollectedErrors errors;
    TriggerAsUser(w.action("mnuSaveOptions"));
    QCOMPARE(errors.texts, QStringList{QStringLiteral("File access denied.")});
    QCOMPARE(ReadAll(path), content);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    // The window goes on: the next command works.
    w.clickNumbers({5});
    QCOMPARE(w.document().cardCount(), 1);
}

void MainWindowDrawEntryTest::appearanceChangesNeverEnableSave() {
    QTemporaryDir cwd;
    Window w(cwd.filePath("User.opt"));
    w.dialogs.colours = {QColor(1, 1, 1), QColor(2, 2, 2), QColor(3, 3, 3), QColor(4, 4, 4)};
    for (const char* command : {"mnuColorTableFon", "mnuColorShap", "mnuFontZagol", "mnuFontTable",
                                "mnuFon2", "mnuFon1", "mnuSaveOptions"})
        TriggerAsUser(w.action(command));
    QVERIFY(!w.action("mnuSave")->isEnabled());
    QVERIFY(!w.document().changed());
}

ZHREBIKON_UI_TEST_MAIN(MainWindowDrawEntryTest)
#include "DrawEntryInTheWindowTest.moc"
