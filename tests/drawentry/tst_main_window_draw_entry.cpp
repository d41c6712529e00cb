// The draw-entry page and the "Опции" menu inside the real main window: New and Open with a
// card on it, a smaller lottery, adding a draw, and User.opt across two starts.
#include "AppearanceOptions.h"
#include "DrawEntryPage.h"
#include "ErrorReport.h"
#include "FrmMain.h"
#include "GlyphButton.h"
#include "LotteryApplication.h"
#include "NewLotteryDialog.h"
#include "PageControl.h"
#include "Pictures.h"
#include "StandardDialogs.h"
#include "StatisticsPage.h"
#include "StringGrid.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <memory>

namespace {

class ScriptedDialogs : public StandardDialogs {
public:
    std::deque<QString> openPaths;
    std::deque<std::optional<QColor>> colours;

    ConfirmAnswer askYesNo(QWidget*, const QString&) override { return ConfirmAnswer::No; }
    std::optional<QString> chooseFileToOpen(QWidget*) override {
        if (openPaths.empty())
            return std::nullopt;
        QString path = openPaths.front();
        openPaths.pop_front();
        return path;
    }
    std::optional<QString> chooseFileToSave(QWidget*) override { return std::nullopt; }
    std::optional<QColor> chooseColour(QWidget*, const QColor&) override {
        if (colours.empty())
            return std::nullopt;
        auto colour = colours.front();
        colours.pop_front();
        return colour;
    }
};

// frmNew confirmed with the next shape.
class ConfirmingNewDialog : public NewLotteryDialog {
public:
    lottery::LotteryShape next;
    std::optional<lottery::LotteryShape> askShape() override { return next; }
};

class CollectedErrors {
public:
    CollectedErrors() {
        SetErrorPresenter([this](const QString&, const QString& text) { texts << text; });
    }
    ~CollectedErrors() { SetErrorPresenter({}); }
    QStringList texts;
};

// The current directory is a fresh one for the life of the fixture, so User.opt is ours.
class InTemporaryDirectory {
public:
    InTemporaryDirectory() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~InTemporaryDirectory() { QDir::setCurrent(previous_); }
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

struct Window {
    Window() {
        window = std::make_unique<FrmMain>(dialogs);
        window->attachDialogs(nullptr, frmNew.get(), nullptr);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("the main window was not exposed");
        window->pageControl().setCurrentIndex(1);
    }

    DrawEntryPage& page() const { return window->drawEntryPage(); }
    lottery::LotteryDocument& document() const { return window->document(); }
    QAction* action(const char* name) const {
        return window->findChild<QAction*>(QString::fromLatin1(name));
    }
    void click(QAbstractButton* button) const {
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    }
    void clickNumbers(std::initializer_list<int> numbers) const {
        for (const int n : numbers)
            click(page().numberButton(n));
    }
    void newLottery(int K, int N) const {
        frmNew->next =
            lottery::LotteryShape{static_cast<std::uint8_t>(K), static_cast<std::uint8_t>(N)};
        action("mnuNew")->trigger();
    }
    bool allPlain() const {
        for (int n = 1; n <= 49; ++n) {
            const auto* button = static_cast<GlyphButton*>(page().numberButton(n));
            if (button->glyph() != art::ComposeBallGlyph(n, art::GlyphKind::Plain))
                return false;
        }
        return true;
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<ConfirmingNewDialog> frmNew = std::make_unique<ConfirmingNewDialog>();
    std::unique_ptr<FrmMain> window;
};

// A 6/49 file with one draw, written by a document of its own.
QString WriteSixOfFortyNine(const QString& path) {
    lottery::LotteryDocument source;
    for (const int n : {3, 17, 22, 30, 41, 45})
        source.MarkNumber(n);
    source.RecordCard();
    source.SaveAs(path.toStdString());
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
    InTemporaryDirectory cwd;
    Window w;
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
    InTemporaryDirectory cwd;
    Window w;
    const QString path = WriteSixOfFortyNine(cwd.file(QStringLiteral("draws.dat")));
    w.clickNumbers({10, 20, 30, 40, 41, 42});
    w.dialogs.openPaths.push_back(path);
    w.action("mnuOpen")->trigger();
    QCOMPARE(w.document().drawCount(), 1);
    QVERIFY(!w.page().newTirazButton()->isEnabled());
    QCOMPARE(w.document().cardCount(), 0);
    QVERIFY(w.allPlain());
}

void MainWindowDrawEntryTest::
    sixOfTwentyHidesButtonsAboveTwentyAndOpeningSixOfFortyNineShowsThemPlain() {
    InTemporaryDirectory cwd;
    Window w;
    const QString path = WriteSixOfFortyNine(cwd.file(QStringLiteral("big.dat")));
    w.newLottery(6, 20);
    for (int n = 1; n <= 49; ++n)
        QCOMPARE(w.page().numberButton(n)->isVisible(), n <= 20);
    w.clickNumbers({15, 16, 17});
    w.dialogs.openPaths.push_back(path);
    w.action("mnuOpen")->trigger();
    QCOMPARE(w.document().shape().N, 49);
    for (int n = 1; n <= 49; ++n)
        QVERIFY(w.page().numberButton(n)->isVisible());
    QVERIFY(w.allPlain());
}

void MainWindowDrawEntryTest::
    addingADrawEnablesSaveAndListsItButTheRankingsWaitForTheStatisticsPage() {
    InTemporaryDirectory cwd;
    Window w;
    StatisticsPage& statistics = w.window->statisticsPage();
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

    w.window->pageControl().setCurrentIndex(0);
    QCOMPARE(statistics.grdChashe()->cell(0, 0), QStringLiteral("6"));
    QCOMPARE(statistics.grdReje()->cell(0, 0), QStringLiteral("49"));
}

void MainWindowDrawEntryTest::aHomeDrawOnDisplayIsEndedByNew() {
    InTemporaryDirectory cwd;
    Window w;
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
    InTemporaryDirectory cwd;
    std::array<std::int32_t, 4> saved{};
    {
        Window first;
        first.dialogs.colours = {QColor(200, 10, 10), QColor(10, 200, 10), QColor(10, 10, 200),
                                 QColor(90, 90, 0)};
        for (const char* command : {"mnuColorTableFon", "mnuColorShap", "mnuFontZagol",
                                    "mnuFontTable", "mnuFon2", "mnuSaveOptions"})
            first.action(command)->trigger();
        const StatisticsPage& s = first.window->statisticsPage();
        saved = {s.tableBackColour(), s.tableHeadColour(), s.titleColour(), s.tableFontColour()};
        QCOMPARE(saved[0], lottery::colour::Rgb(200, 10, 10));
    }
    QVERIFY(QFile::exists(cwd.file(QStringLiteral("User.opt"))));

    Window next;
    const StatisticsPage& s = next.window->statisticsPage();
    QCOMPARE((std::array<std::int32_t, 4>{s.tableBackColour(), s.tableHeadColour(), s.titleColour(),
                                          s.tableFontColour()}),
             saved);
    QVERIFY(next.action("mnuFon2")->isChecked());
    QVERIFY(!next.action("mnuFon1")->isChecked());
    QVERIFY(IsTiledWith(next.page().background(), art::Pictures::instance().patchworkTile()));
    QCOMPARE(next.window->appearance().titleColour(), QColor(10, 10, 200));
    QVERIFY(!next.action("mnuSave")->isEnabled());
}

void MainWindowDrawEntryTest::
    readOnlyOptionsFileIsIgnoredAndSavingOptionsFailsWithFileAccessDenied() {
    InTemporaryDirectory cwd;
    lottery::OptionsRecord record;
    record.background = 2;
    record.titleColour = lottery::colour::Rgb(255, 0, 0);
    const QString path = cwd.file(QStringLiteral("User.opt"));
    lottery::SaveOptions(path.toStdString(), record);
    const QByteArray content = ReadAll(path);
    QCOMPARE(content.size(), 20);
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    Window w;
    QVERIFY(w.action("mnuFon1")->isChecked());
    QCOMPARE(w.window->statisticsPage().titleColour(), lottery::colour::Rgb(0, 0, 0));

    CollectedErrors errors;
    w.action("mnuSaveOptions")->trigger();
    QCOMPARE(errors.texts, QStringList{QStringLiteral("File access denied.")});
    QCOMPARE(ReadAll(path), content);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    // The window goes on: the next command works.
    w.clickNumbers({5});
    QCOMPARE(w.document().cardCount(), 1);
}

void MainWindowDrawEntryTest::appearanceChangesNeverEnableSave() {
    InTemporaryDirectory cwd;
    Window w;
    w.dialogs.colours = {QColor(1, 1, 1), QColor(2, 2, 2), QColor(3, 3, 3), QColor(4, 4, 4)};
    for (const char* command : {"mnuColorTableFon", "mnuColorShap", "mnuFontZagol", "mnuFontTable",
                                "mnuFon2", "mnuFon1", "mnuSaveOptions"})
        w.action(command)->trigger();
    QVERIFY(!w.action("mnuSave")->isEnabled());
    QVERIFY(!w.document().changed());
}

int main(int argc, char** argv) {
    LotteryApplication app(argc, argv);
    MainWindowDrawEntryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_main_window_draw_entry.moc"
