// A long session of random user actions on the real main window, from a fixed seed. The
// test keeps its own model of what the user did and, after every action, checks the
// document, the statistics (recomputed here the plain way), the menu and the visible page
// against it. Saved files are reopened later and must give back the document saved.
//
// ZHREBIKON_RANDOM_SESSION_ACTIONS changes the length (20000 without it) and
// ZHREBIKON_RANDOM_SESSION_SEED the seed, for looking further by hand.
#include "FaultyFileSystem.h"
#include "ReferenceStats.h"
#include "WindowTesting.h"
#include "dialogs/FrmEditDraw.h"
#include "dialogs/FrmNew.h"
#include "drawentry/DrawEntryPage.h"
#include "options/AppearanceOptions.h"
#include "platform/ErrorReport.h"
#include "platform/SystemBeep.h"
#include "session/DrawEditCommand.h"
#include "statistics/DrawListBox.h"
#include "statistics/DrawListMenu.h"
#include "statistics/StatisticsPage.h"
#include "storage/OptionsFile.h"
#include "widgets/ColourValue.h"
#include "widgets/GlyphButton.h"
#include "widgets/StringGrid.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <map>
#include <random>
#include <vector>

namespace {

constexpr std::uint32_t kSeed = 20261208;
constexpr int kDefaultActions = 20000;

using Draw = std::array<int, 7>;

struct Snapshot {
    int K = 6;
    int N = 49;
    std::vector<Draw> draws;
};

// What the user's actions should have led to.
struct Model {
    Snapshot doc;
    std::vector<int> card; // in marking order
    QString caption = DrawEntryPage::kCaptionAtStart;
    bool playShown = false; // the home draw is on display
    bool playFlag = false;  // the page's playShown: New and Open leave it set
    QString path;
    bool firstPattern = true;
    std::int32_t tableBack = 0, tableHead = 0, title = 0, tableFont = 0;
    QStringList errors;

    // The history of undoable changes: each step keeps the draws and the state on its other
    // side. States are numbered; the document is unchanged exactly in the saved one.
    struct Step {
        std::vector<Draw> draws;
        std::uint64_t state;
        QString name;
    };
    std::vector<Step> undo, redo;
    std::uint64_t state = 1, savedState = 1, lastState = 1;

    bool changed() const { return state != savedState; }
    void change(const QString& name, std::vector<Draw> draws) {
        undo.push_back({std::move(doc.draws), state, name});
        redo.clear();
        doc.draws = std::move(draws);
        state = ++lastState;
    }
    // Undo (from undo to redo) or redo (the other way).
    void step(std::vector<Step>& from, std::vector<Step>& to) {
        Step back = std::move(from.back());
        from.pop_back();
        to.push_back({std::move(doc.draws), state, back.name});
        doc.draws = std::move(back.draws);
        state = back.state;
    }
    void startHistory() {
        undo.clear();
        redo.clear();
        state = savedState = ++lastState;
    }

    bool playMode() const { return caption == DrawEntryPage::kCaptionPlay; }
    bool onCard(int n) const { return std::find(card.begin(), card.end(), n) != card.end(); }
};

// The statistics by their definitions, from the tests' one yardstick, as this test reads them.
struct ExpectedStats {
    std::array<int, 50> frequency{};
    std::array<int, 50> drawsSince{};
    std::array<std::array<int, 50>, 50> together{};
    std::array<int, 50> mostWith{};  // 0 when no partner came out with it
    std::array<int, 50> leastWith{}; // 0 when the number never came out
    std::vector<int> mostFrequent;   // up to five, best first
    std::vector<int> leastFrequent;

    explicit ExpectedStats(const Snapshot& s) {
        std::vector<lottery::DrawRecord> draws;
        for (const Draw& draw : s.draws) {
            lottery::DrawRecord& record = draws.emplace_back();
            std::transform(draw.begin(), draw.end(), record.begin(),
                           [](int n) { return static_cast<std::uint8_t>(n); });
        }
        lottery::StatsTable table{};
        table[static_cast<std::size_t>(s.N + 1)].frequency = lottery::kUpperSentinelFrequency;
        lottery::test::ReferenceStatAll(
            table, draws, {static_cast<std::uint8_t>(s.K), static_cast<std::uint8_t>(s.N)});
        for (int i = 1; i <= s.N; ++i) {
            const lottery::NumberStats& stats = table[static_cast<std::size_t>(i)];
            frequency[i] = stats.frequency;
            drawsSince[i] = stats.drawsSince;
            std::copy(stats.together.begin(), stats.together.end(), together[i].begin());
            mostWith[i] = stats.mostWith;
            leastWith[i] = stats.leastWith;
        }
        const lottery::RankingSlots ranked = lottery::test::ReferenceRankings(table, s.N);
        std::copy_if(ranked.mostFrequent.begin(), ranked.mostFrequent.end(),
                     std::back_inserter(mostFrequent), [](int n) { return n != 0; });
        std::copy_if(ranked.leastFrequent.begin(), ranked.leastFrequent.end(),
                     std::back_inserter(leastFrequent), [](int n) { return n != 0; });
    }
};

std::int32_t StoredColour(const QColor& c) {
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

std::uint32_t Seed() {
    const char* value = std::getenv("ZHREBIKON_RANDOM_SESSION_SEED");
    return value != nullptr ? static_cast<std::uint32_t>(std::strtoul(value, nullptr, 10)) : kSeed;
}

int ActionCount() {
    const char* value = std::getenv("ZHREBIKON_RANDOM_SESSION_ACTIONS");
    if (value != nullptr && std::atoi(value) > 0)
        return std::atoi(value);
    return kDefaultActions;
}

} // namespace

class RandomSessionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void aLongRandomSessionKeepsDocumentStatisticsAndWindowInStep();

private:
    // --- the actions
    void clickNumber();
    void clickAdd();
    // Typing on the card instead of clicking: a number, Backspace or Enter.
    void typeNumber();
    void typeBackspace();
    void typeEnter();
    // The add button, pressed by press().
    void pressAdd(const std::function<void()>& press);
    // The context menu of lbxAll and the history.
    void deleteDraws();
    void editDraw();
    void undo();
    void redo();
    void undoToSaved();
    void shortcut(Qt::Key key, Qt::KeyboardModifiers modifiers);
    // The window asked exactly the questions the model expects since the last check.
    void checkQuestions(int expected);
    void clickMode(bool play);
    void clickContinue();
    void switchPage();
    void moveTrackBar();
    void newLottery();
    void save();
    void saveAs();
    void open();
    void chooseColour();
    void chooseBackground();
    void saveOptions();
    // Save or Save As with the file layer failing at one step.
    void failingSave();
    // The discard question before New and Open, answered at random.
    void scriptDiscardQuestion();
    // A save that turns into Save As for an unnamed document: scripts its dialog.
    void scriptSave();
    void recordSave(const QString& path);

    // --- the checks
    void checkAll(const QString& where);
    void checkSavedFile(const QString& path);

    QString optionsPath() const;
    void clickOn(QAbstractButton* button);
    int random(int n) { return static_cast<int>(rng_() % static_cast<std::uint32_t>(n)); }
    QAction* action(const char* name) const { return window_->findChild<QAction*>(name); }
    DrawEntryPage& page() const { return DrawEntryOf(*window_); }
    StatisticsPage& stats() const { return StatisticsOf(*window_); }
    void resetCardAfterDisplay();

    std::mt19937 rng_{Seed()};
    QTemporaryDir folder_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<FrmMain> window_;
    FrmNew* frmNew_ = nullptr;
    std::unique_ptr<CollectedErrors> errors_;
    Model model_;
    std::map<QString, Snapshot> saved_;
    std::unique_ptr<ExpectedStats> expected_;
    bool statsStale_ = true;
    int trackBarChecks_ = 0;
    int largest_ = 0;
    int beeps_ = 0;
    int undoneToSaved_ = 0;
    std::map<QString, int> performed_;
};

void RandomSessionTest::initTestCase() {
    QVERIFY(folder_.isValid());
    // "Сохранить опции" writes User.opt to the current folder.
    window_ = std::make_unique<FrmMain>(dialogs_, optionsPath().toStdString());
    frmNew_ = new FrmNew(window_->appearance(), window_.get());
    window_->attachDialogs(nullptr, frmNew_, nullptr);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    window_->activateWindow();
    errors_ = std::make_unique<CollectedErrors>();
    SetBeepHandler([this] { ++beeps_; });
    const lottery::OptionsRecord& options = window_->appearance().currentRecord();
    model_.tableBack = options.tableBackColour;
    model_.tableHead = options.tableHeadColour;
    model_.title = options.titleColour;
    model_.tableFont = options.tableFontColour;
}

void RandomSessionTest::cleanupTestCase() {
    SetBeepHandler({});
    errors_.reset();
    window_.reset();
}

QString RandomSessionTest::optionsPath() const {
    return folder_.filePath(QStringLiteral("User.opt"));
}

void RandomSessionTest::clickOn(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

void RandomSessionTest::resetCardAfterDisplay() {
    model_.card.clear();
    model_.playShown = false;
    model_.playFlag = false;
}

void RandomSessionTest::clickNumber() {
    const int n = 1 + random(model_.doc.N);
    if (model_.playFlag)
        resetCardAfterDisplay();
    if (model_.onCard(n))
        model_.card.erase(std::find(model_.card.begin(), model_.card.end(), n));
    else if (static_cast<int>(model_.card.size()) < model_.doc.K)
        model_.card.push_back(n);
    clickOn(page().numberButton(n));
}

void RandomSessionTest::clickAdd() {
    pressAdd([this] { clickOn(page().newTirazButton()); });
}

void RandomSessionTest::typeNumber() {
    const int n = 1 + random(model_.doc.N);
    QString keys = QString::number(n);
    // A separator where a second digit could follow, and now and then where none can.
    if ((n < 10 && model_.doc.N >= 10) || random(4) == 0)
        keys += random(2) == 0 ? QStringLiteral(" ") : QStringLiteral(",");
    if (model_.playFlag)
        resetCardAfterDisplay();
    const bool refused = model_.onCard(n);
    if (!refused && static_cast<int>(model_.card.size()) < model_.doc.K)
        model_.card.push_back(n);
    const int beepsBefore = beeps_;
    QTest::keyClicks(page().focusButton(), keys);
    QCOMPARE(beeps_ - beepsBefore, refused ? 1 : 0);
}

void RandomSessionTest::typeBackspace() {
    // The ticket of a home draw on display is no card to take numbers back from.
    if (!model_.playFlag && !model_.card.empty())
        model_.card.pop_back();
    QTest::keyClick(page().focusButton(), Qt::Key_Backspace);
}

void RandomSessionTest::typeEnter() {
    pressAdd([this] { QTest::keyClick(page().focusButton(), Qt::Key_Return); });
}

void RandomSessionTest::pressAdd(const std::function<void()>& press) {
    const bool enabled = static_cast<int>(model_.card.size()) == model_.doc.K && !model_.playShown;
    press();
    if (!enabled)
        return;
    if (model_.playMode()) {
        model_.playShown = true;
        model_.playFlag = true;
        // The home draw: K distinct numbers of the lottery, the hits are the ticket's.
        const lottery::PlayDraw& draw = window_->session().document().lastPlayDraw();
        QCOMPARE(draw.count, model_.doc.K);
        std::vector<int> seen;
        for (int m = 1; m <= model_.doc.K; ++m) {
            const lottery::PlayBall& ball = draw.balls[static_cast<std::size_t>(m - 1)];
            QVERIFY(ball.number >= 1 && ball.number <= model_.doc.N);
            QVERIFY(std::find(seen.begin(), seen.end(), ball.number) == seen.end());
            seen.push_back(ball.number);
            QCOMPARE(ball.hit, model_.onCard(ball.number));
            QVERIFY(!page().ballPicture(m)->isHidden());
            QCOMPARE(page().ballLabel(m)->text(), QString::number(ball.number));
        }
        return;
    }
    Draw draw{};
    std::copy(model_.card.begin(), model_.card.end(), draw.begin());
    std::vector<Draw> draws = model_.doc.draws;
    draws.push_back(draw);
    model_.change(DrawEditCommand::RecordName(), std::move(draws));
    model_.card.clear();
    statsStale_ = true;
    return;
}

void RandomSessionTest::deleteDraws() {
    DrawListBox* list = stats().lbxAll();
    const int count = static_cast<int>(model_.doc.draws.size());
    std::vector<int> rows;
    list->clearSelection();
    if (count > 0 && random(8) == 0) {
        list->selectAll();
        for (int row = 0; row < count; ++row)
            rows.push_back(row);
    } else if (count > 0) {
        for (int pick = random(3); pick >= 0; --pick) {
            const int row = random(count);
            list->selectionModel()->select(list->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
            if (std::find(rows.begin(), rows.end(), row) == rows.end())
                rows.push_back(row);
        }
    }
    std::sort(rows.begin(), rows.end());
    QCOMPARE(list->selectedRows(), rows);
    TriggerAsUser(DrawListMenuOf(*window_).deleteAction()); // disabled with nothing selected
    if (rows.empty())
        return;
    std::vector<Draw> draws;
    for (int row = 0; row < count; ++row)
        if (!std::binary_search(rows.begin(), rows.end(), row))
            draws.push_back(model_.doc.draws[static_cast<std::size_t>(row)]);
    model_.change(DrawEditCommand::DeleteName(static_cast<int>(rows.size())), std::move(draws));
    statsStale_ = true;
}

void RandomSessionTest::editDraw() {
    const int count = static_cast<int>(model_.doc.draws.size());
    if (count == 0)
        return;
    const int row = random(count);
    DrawListBox* list = stats().lbxAll();
    list->selectionModel()->select(list->model()->index(row, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    const Draw before = model_.doc.draws[static_cast<std::size_t>(row)];
    std::vector<int> marked(before.begin(), before.begin() + model_.doc.K);
    // Take out one or two numbers and put others in; now and then cancel instead.
    const bool confirm = random(5) != 0;
    std::vector<int> clicks;
    for (int out = random(2); out >= 0 && !marked.empty(); --out) {
        const int n = marked[static_cast<std::size_t>(random(static_cast<int>(marked.size())))];
        marked.erase(std::find(marked.begin(), marked.end(), n));
        clicks.push_back(n);
    }
    while (static_cast<int>(marked.size()) < model_.doc.K) {
        const int n = 1 + random(model_.doc.N);
        if (std::find(marked.begin(), marked.end(), n) != marked.end())
            continue;
        marked.push_back(n);
        clicks.push_back(n);
    }
    bool worked = false;
    std::function<void()> work = [&] {
        auto* dialog = qobject_cast<FrmEditDraw*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            QTimer::singleShot(1, work);
            return;
        }
        for (int n : clicks)
            clickOn(dialog->numberButton(n));
        worked = dialog->marked() == marked && dialog->okButton()->isEnabled();
        clickOn(confirm ? dialog->okButton() : dialog->cancelButton());
    };
    QVERIFY(DrawListMenuOf(*window_).editAction()->isEnabled()); // else no dialog comes
    QTimer::singleShot(0, work);
    TriggerAsUser(DrawListMenuOf(*window_).editAction());
    QVERIFY2(worked, "the edit dialog did not take the clicks");
    window_->activateWindow();
    Draw after{};
    std::copy(marked.begin(), marked.end(), after.begin());
    if (!confirm || std::equal(marked.begin(), marked.end(), before.begin()))
        return;
    std::vector<Draw> draws = model_.doc.draws;
    draws[static_cast<std::size_t>(row)] = after;
    model_.change(DrawEditCommand::EditName(), std::move(draws));
    statsStale_ = true;
}

void RandomSessionTest::undo() {
    if (random(2) == 0)
        shortcut(Qt::Key_Z, Qt::ControlModifier);
    else
        TriggerAsUser(action("actUndo"));
    if (model_.undo.empty())
        return;
    model_.step(model_.undo, model_.redo);
    statsStale_ = true;
}

void RandomSessionTest::shortcut(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    // A window-wide key reaches the window the user works in; a dialog just closed may leave
    // the platform thinking it still has the focus.
    const auto focused = [this] {
        return QApplication::activeWindow() == window_.get() &&
               QGuiApplication::focusWindow() == window_->windowHandle();
    };
    if (!focused()) {
        window_->activateWindow();
        QVERIFY(QTest::qWaitFor(focused));
    }
    QTest::keyClick(window_.get(), key, modifiers);
}

void RandomSessionTest::redo() {
    const int way = random(3);
    if (way == 0)
        shortcut(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    else if (way == 1)
        shortcut(Qt::Key_Y, Qt::ControlModifier);
    else
        TriggerAsUser(action("actRedo"));
    if (model_.redo.empty())
        return;
    model_.step(model_.redo, model_.undo);
    statsStale_ = true;
}

void RandomSessionTest::undoToSaved() {
    const auto saved = std::find_if(model_.undo.begin(), model_.undo.end(),
                                    [this](const auto& s) { return s.state == model_.savedState; });
    if (saved == model_.undo.end())
        return;
    for (auto steps = model_.undo.end() - saved; steps > 0; --steps)
        undo();
    QVERIFY(!model_.changed());
    ++undoneToSaved_;
}

void RandomSessionTest::checkQuestions(int expected) {
    QCOMPARE(static_cast<int>(dialogs_.questions.size()), expected);
    dialogs_.questions.clear();
}

void RandomSessionTest::clickMode(bool play) {
    if (model_.playFlag)
        resetCardAfterDisplay();
    model_.caption = play ? DrawEntryPage::kCaptionPlay : DrawEntryPage::kCaptionRecord;
    clickOn(play ? page().playButton() : page().tirazButton());
}

void RandomSessionTest::clickContinue() {
    resetCardAfterDisplay();
    clickOn(page().continueButton());
}

void RandomSessionTest::switchPage() {
    PageControl& pages = PagesOf(*window_);
    pages.setCurrentIndex(1 - pages.currentIndex());
}

void RandomSessionTest::moveTrackBar() {
    QSlider* bar = stats().trcNumber();
    QCOMPARE(bar->minimum(), 1);
    QCOMPARE(bar->maximum(), model_.doc.N);
    int p = 1 + random(model_.doc.N);
    if (p == bar->value())
        p = p == model_.doc.N ? 1 : p + 1;
    bar->setValue(p);
    QCOMPARE(stats().lblNumber()->text(), QString::number(p));
    if (statsStale_) {
        expected_ = std::make_unique<ExpectedStats>(model_.doc);
        statsStale_ = false;
    }
    const StringGrid* grid = stats().grdNumber();
    for (int c = 1; c <= model_.doc.N; ++c) {
        const QString want = c == p || model_.doc.K < 2
                                 ? QStringLiteral("  ")
                                 : QString::number(expected_->together[p][c]);
        QCOMPARE(grid->cell(c, 1), want);
    }
    ++trackBarChecks_;
}

void RandomSessionTest::scriptDiscardQuestion() {
    if (!model_.changed())
        return;
    if (random(2) == 0) {
        dialogs_.answers.push_back(ConfirmAnswer::No);
        return;
    }
    dialogs_.answers.push_back(ConfirmAnswer::Yes);
    scriptSave();
}

void RandomSessionTest::scriptSave() {
    if (!model_.path.isEmpty()) {
        recordSave(model_.path);
        return;
    }
    // Save As for an unnamed document; now and then the user cancels the dialog.
    if (random(5) == 0) {
        dialogs_.savePaths.push_back(QString());
        return;
    }
    const QString path = folder_.filePath(QStringLiteral("session-%1.dat").arg(random(6)));
    dialogs_.savePaths.push_back(path);
    recordSave(path);
}

void RandomSessionTest::recordSave(const QString& path) {
    model_.path = path;
    model_.savedState = model_.state;
    saved_[path] = model_.doc;
}

void RandomSessionTest::newLottery() {
    const int asked = model_.changed() ? 1 : 0;
    scriptDiscardQuestion();
    const bool confirm = random(6) != 0;
    const int K = 1 + random(7);
    const int N = K + 1 + random(49 - K);
    // frmNew is modal: its track bars and buttons are worked once it is up.
    bool worked = false;
    std::function<void()> work = [&] {
        if (QApplication::activeModalWidget() != frmNew_) {
            QTimer::singleShot(1, work);
            return;
        }
        auto* kBar = frmNew_->findChild<QSlider*>(QStringLiteral("trcKolvoNum"));
        auto* nBar = frmNew_->findChild<QSlider*>(QStringLiteral("trcKolvoIz"));
        nBar->setValue(49);
        kBar->setValue(K);
        nBar->setValue(N);
        if (kBar->value() == K && nBar->value() == N &&
            frmNew_->findChild<QLabel*>(QStringLiteral("lblKolvoNum"))->text() ==
                QString::number(K) &&
            frmNew_->findChild<QLabel*>(QStringLiteral("lblKolvoIz"))->text() == QString::number(N))
            worked = true;
        clickOn(frmNew_->findChild<QPushButton*>(confirm ? QStringLiteral("Button1")
                                                         : QStringLiteral("Button2")));
    };
    QTimer::singleShot(0, work);
    TriggerAsUser(action("mnuNew"));
    checkQuestions(asked);
    QVERIFY2(worked, "frmNew did not take the shape");
    window_->activateWindow();
    if (!confirm)
        return;
    model_.doc = Snapshot{K, N, {}};
    model_.card.clear();
    model_.playShown = false;
    model_.startHistory();
    model_.path.clear();
    statsStale_ = true;
}

void RandomSessionTest::save() {
    // Now and then the folder takes no new file: the existing file is rewritten in place.
    lottery::test::FaultyFileSystem lockedFolder;
    if (model_.changed() && QFile::exists(model_.path) && random(3) == 0) {
        lockedFolder.failCreatingOpens(EACCES);
        window_->setFileSystem(lockedFolder);
        ++performed_[QStringLiteral("Save in place")];
    }
    if (model_.changed())
        scriptSave();
    TriggerAsUser(action("mnuSave")); // disabled when nothing changed: then nothing happens
    window_->setFileSystem(lottery::SystemFileSystem());
}

void RandomSessionTest::saveAs() {
    if (random(8) == 0) {
        dialogs_.savePaths.push_back(QString());
    } else {
        const QString path = folder_.filePath(QStringLiteral("session-%1.dat").arg(random(6)));
        dialogs_.savePaths.push_back(path);
        recordSave(path);
    }
    TriggerAsUser(action("mnuSaveAs"));
}

void RandomSessionTest::open() {
    const int asked = model_.changed() ? 1 : 0;
    scriptDiscardQuestion();
    const int choice = random(10);
    if (choice == 0 || saved_.empty()) {
        dialogs_.openPaths.push_back(QString()); // cancelled
    } else if (choice == 1) {
        // A name that does not exist: the document stays as it was.
        dialogs_.openPaths.push_back(folder_.filePath(QStringLiteral("missing.dat")));
        model_.errors << QStringLiteral("File not found.");
    } else {
        auto it = saved_.begin();
        std::advance(it, random(static_cast<int>(saved_.size())));
        dialogs_.openPaths.push_back(it->first);
        model_.doc = it->second;
        model_.card.clear();
        model_.playShown = false;
        model_.startHistory();
        model_.path = it->first;
        statsStale_ = true;
    }
    TriggerAsUser(action("mnuOpen"));
    checkQuestions(asked);
}

void RandomSessionTest::chooseColour() {
    static const char* const items[] = {"mnuColorTableFon", "mnuColorShap", "mnuFontZagol",
                                        "mnuFontTable"};
    const int which = random(4);
    if (random(4) == 0) {
        dialogs_.colours.push_back(std::nullopt); // cancelled: nothing changes
    } else {
        const QColor colour(random(256), random(256), random(256));
        dialogs_.colours.push_back(colour);
        std::int32_t* fields[] = {&model_.tableBack, &model_.tableHead, &model_.title,
                                  &model_.tableFont};
        *fields[which] = StoredColour(colour);
    }
    TriggerAsUser(action(items[which]));
}

void RandomSessionTest::chooseBackground() {
    model_.firstPattern = random(2) == 0;
    TriggerAsUser(action(model_.firstPattern ? "mnuFon1" : "mnuFon2"));
}

void RandomSessionTest::saveOptions() {
    TriggerAsUser(action("mnuSaveOptions"));
    const auto record = lottery::LoadOptions(optionsPath().toStdString());
    QVERIFY(record.has_value());
    QCOMPARE(record->firstPattern(), model_.firstPattern);
    QCOMPARE(record->tableBackColour, model_.tableBack);
    QCOMPARE(record->tableHeadColour, model_.tableHead);
    QCOMPARE(record->titleColour, model_.title);
    QCOMPARE(record->tableFontColour, model_.tableFont);
}

void RandomSessionTest::failingSave() {
    using lottery::test::FaultyFileSystem;
    static const struct {
        FaultyFileSystem::Op op;
        int errnoValue;
        const char* message;
    } faults[] = {
        {FaultyFileSystem::Op::Write, ENOSPC, "Disk full."},
        {FaultyFileSystem::Op::Fsync, EIO, "I/O error 1005."},
        {FaultyFileSystem::Op::Rename, EACCES, "File access denied."},
    };
    const auto& fault = faults[random(3)];
    FaultyFileSystem faulty;
    faulty.failCall(fault.op, 1, fault.errnoValue);
    window_->setFileSystem(faulty);
    const bool viaSaveAs = !model_.changed() || model_.path.isEmpty() || random(2) == 0;
    QString target = model_.path;
    if (viaSaveAs) {
        target = folder_.filePath(QStringLiteral("session-%1.dat").arg(random(6)));
        dialogs_.savePaths.push_back(target);
    }
    TriggerAsUser(action(viaSaveAs ? "mnuSaveAs" : "mnuSave"));
    window_->setFileSystem(lottery::SystemFileSystem());
    QVERIFY(faulty.faultsInjected() == 1);
    model_.errors << QString::fromLatin1(fault.message);
    // What was saved there before is still there, whole.
    if (saved_.count(target) != 0)
        checkSavedFile(target);
    else
        QVERIFY(!QFile::exists(target));
}

void RandomSessionTest::checkSavedFile(const QString& path) {
    const Snapshot& s = saved_.at(path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.size(), static_cast<qsizetype>(7 * (s.draws.size() + 1)));
    for (std::size_t d = 0; d < s.draws.size(); ++d)
        for (int p = 0; p < s.K; ++p)
            QCOMPARE(static_cast<int>(static_cast<std::uint8_t>(bytes[7 * d + p])), s.draws[d][p]);
    QCOMPARE(static_cast<int>(bytes[bytes.size() - 7]), s.K);
    QCOMPARE(static_cast<int>(bytes[bytes.size() - 6]), s.N);
}

void RandomSessionTest::checkAll(const QString& where) {
    const QByteArray context = where.toUtf8();
    lottery::LotteryDocument& doc = window_->session().document();
    const Snapshot& s = model_.doc;
    largest_ = std::max(largest_, static_cast<int>(s.draws.size()));

    // Shape, draws and card.
    QCOMPARE(static_cast<int>(doc.shape().K), s.K);
    QCOMPARE(static_cast<int>(doc.shape().N), s.N);
    QCOMPARE(doc.drawCount(), static_cast<int>(s.draws.size()));
    for (std::size_t d = 0; d < s.draws.size(); ++d)
        for (int p = 0; p < s.K; ++p)
            QCOMPARE(static_cast<int>(doc.draws()[d][static_cast<std::size_t>(p)]), s.draws[d][p]);
    QVERIFY2(doc.cardCount() <= s.K, context.constData());
    QCOMPARE(doc.cardCount(), static_cast<int>(model_.card.size()));
    int members = 0;
    for (int n = 0; n <= 55; ++n)
        if (doc.cardSet().contains(n)) {
            ++members;
            QVERIFY2(model_.onCard(n), context.constData());
        }
    QCOMPARE(members, doc.cardCount());
    for (int p = 0; p < doc.cardCount(); ++p)
        QCOMPARE(static_cast<int>(doc.cardNumbers()[static_cast<std::size_t>(p)]),
                 model_.card[static_cast<std::size_t>(p)]);
    QCOMPARE(page().playShown(), model_.playFlag);

    // Statistics against the plain recomputation.
    if (statsStale_) {
        expected_ = std::make_unique<ExpectedStats>(s);
        statsStale_ = false;
    }
    const lottery::StatsTable& table = doc.stats();
    for (int i = 1; i <= s.N; ++i) {
        const lottery::NumberStats& got = table[static_cast<std::size_t>(i)];
        QCOMPARE(got.frequency, expected_->frequency[i]);
        QCOMPARE(got.drawsSince, expected_->drawsSince[i]);
        for (int j = 1; j <= s.N; ++j)
            QCOMPARE(got.together[static_cast<std::size_t>(j)], expected_->together[i][j]);
        if (expected_->mostWith[i] != 0)
            QCOMPARE(got.mostWith, expected_->mostWith[i]);
        if (expected_->leastWith[i] != 0)
            QCOMPARE(got.leastWith, expected_->leastWith[i]);
    }
    QCOMPARE(table[static_cast<std::size_t>(s.N + 1)].frequency, lottery::kUpperSentinelFrequency);

    // Menu, title and list.
    QCOMPARE(action("mnuSave")->isEnabled(), model_.changed());
    // Undo and redo name the step they would take.
    const auto named = [](const QString& prefix, const std::vector<Model::Step>& steps) {
        return steps.empty() ? prefix : prefix + QLatin1Char(' ') + steps.back().name;
    };
    QCOMPARE(action("actUndo")->text(), named(QStringLiteral("Отменить"), model_.undo));
    QCOMPARE(action("actUndo")->isEnabled(), !model_.undo.empty());
    QCOMPARE(action("actRedo")->text(), named(QStringLiteral("Повторить"), model_.redo));
    QCOMPARE(action("actRedo")->isEnabled(), !model_.redo.empty());
    // The first and the last line of the list show their draws.
    for (std::size_t row : {std::size_t{0}, s.draws.size() - 1})
        if (row < s.draws.size())
            QCOMPARE(stats().lbxAll()->model()->index(static_cast<int>(row), 0).data().toString(),
                     QString::fromStdString(lottery::DrawLine(doc.draws()[row], s.K)));
    QCOMPARE(QString::fromStdString(doc.filePath()), model_.path);
    QCOMPARE(stats().lbxAll()->model()->rowCount(), static_cast<int>(s.draws.size()));
    QCOMPARE(action("mnuFon1")->isChecked(), model_.firstPattern);
    QCOMPARE(action("mnuFon2")->isChecked(), !model_.firstPattern);
    const lottery::OptionsRecord& options = window_->appearance().currentRecord();
    QCOMPARE(options.tableBackColour, model_.tableBack);
    QCOMPARE(options.tableHeadColour, model_.tableHead);
    QCOMPARE(options.titleColour, model_.title);
    QCOMPARE(options.tableFontColour, model_.tableFont);
    const QPalette& palette = stats().palette();
    QCOMPARE(stats().grdReje()->backColour(), ResolveColour(model_.tableBack, palette));
    QCOMPARE(stats().grdAll()->fixedColour(), ResolveColour(model_.tableHead, palette));
    QCOMPARE(window_->appearance().titleColour(), ResolveColour(model_.title, palette));
    QCOMPARE(stats().grdChashe()->fontColour(), ResolveColour(model_.tableFont, palette));
    QCOMPARE(errors_->texts, model_.errors);

    // The card page.
    for (int n = 1; n <= DrawEntryPage::kNumbers; ++n)
        QVERIFY2(page().numberButton(n)->isHidden() == (n > s.N), context.constData());
    QCOMPARE(page().newTirazButton()->text(), model_.caption);
    QCOMPARE(page().newTirazButton()->isEnabled(),
             static_cast<int>(model_.card.size()) == s.K && !model_.playShown);
    QCOMPARE(page().continueButton()->isHidden(), !model_.playShown);
    QCOMPARE(page().townPicture()->isHidden(), model_.playShown);
    for (int m = 1; m <= DrawEntryPage::kBalls; ++m)
        if (!model_.playShown)
            QVERIFY2(page().ballPicture(m)->isHidden(), context.constData());

    // The statistics page, when it is the one shown.
    if (PagesOf(*window_).currentIndex() == 0) {
        // Partners only for numbers that came out, the draws since only once any did: the
        // same after mending the history as had it been entered that way.
        const auto shown = [](bool written, int value) {
            return written ? QString::number(value) : QString();
        };
        const bool anyOut = !expected_->mostFrequent.empty();
        for (int c = 1; c <= s.N; ++c) {
            const bool partners = expected_->frequency[c] > 0 && s.K > 1;
            QCOMPARE(stats().grdAll()->cell(c, 1), QString::number(expected_->frequency[c]));
            QCOMPARE(stats().grdAll()->cell(c, 2), shown(partners, expected_->mostWith[c]));
            QCOMPARE(stats().grdAll()->cell(c, 3), shown(partners, expected_->leastWith[c]));
            QCOMPARE(stats().grdAll()->cell(c, 4), shown(anyOut, expected_->drawsSince[c]));
        }
        for (int slot = 0; slot < 5; ++slot) {
            const auto text = [](const std::vector<int>& list, int at) {
                return at < static_cast<int>(list.size()) ? QString::number(list[at])
                                                          : QStringLiteral("*");
            };
            QCOMPARE(stats().grdChashe()->cell(slot, 0), text(expected_->mostFrequent, slot));
            QCOMPARE(stats().grdReje()->cell(slot, 0), text(expected_->leastFrequent, slot));
        }
    }
}

void RandomSessionTest::aLongRandomSessionKeepsDocumentStatisticsAndWindowInStep() {
    const int actions = ActionCount();
    QElapsedTimer clock;
    clock.start();
    checkAll(QStringLiteral("start"));
    for (int step = 1; step <= actions; ++step) {
        const bool onCardPage = PagesOf(*window_).currentIndex() == 1;
        const int roll = random(1000);
        QString name;
        // A home draw on display is ended by "Далее ..." about half of the time.
        if (onCardPage && model_.playShown && random(2) == 0) {
            name = QStringLiteral("Далее ...");
            clickContinue();
        } else if (onCardPage && roll < 420) {
            name = QStringLiteral("number click");
            clickNumber();
        } else if (onCardPage && roll < 500) {
            name = QStringLiteral("typed number");
            typeNumber();
        } else if (onCardPage && roll < 515) {
            name = QStringLiteral("typed Backspace");
            typeBackspace();
        } else if (onCardPage && roll < 630) {
            name = QStringLiteral("add button");
            clickAdd();
        } else if (onCardPage && roll < 670) {
            name = QStringLiteral("typed Enter");
            typeEnter();
        } else if (onCardPage && roll < 700) {
            name = QStringLiteral("Тираж");
            clickMode(false);
        } else if (onCardPage && roll < 730) {
            name = QStringLiteral("Розыгрыш");
            clickMode(true);
        } else if (!onCardPage && roll < 420) {
            name = QStringLiteral("track bar");
            moveTrackBar();
        } else if (!onCardPage && roll < 460) {
            name = QStringLiteral("delete");
            deleteDraws();
        } else if (!onCardPage && roll < 500) {
            name = QStringLiteral("edit");
            editDraw();
        } else if (!onCardPage && roll < 730) {
            name = QStringLiteral("page switch");
            switchPage();
        } else if (roll < 770) {
            name = QStringLiteral("undo");
            undo();
        } else if (roll < 795) {
            name = QStringLiteral("redo");
            redo();
        } else if (roll < 800) {
            name = QStringLiteral("undo to saved");
            undoToSaved();
        } else if (roll < 868) {
            name = QStringLiteral("page switch");
            switchPage();
        } else if (roll < 870) {
            name = QStringLiteral("New");
            newLottery();
        } else if (roll < 895) {
            name = QStringLiteral("Save");
            save();
        } else if (roll < 915) {
            name = QStringLiteral("Save As");
            saveAs();
        } else if (roll < 925) {
            name = QStringLiteral("Open");
            open();
        } else if (roll < 965) {
            name = QStringLiteral("colour");
            chooseColour();
        } else if (roll < 980) {
            name = QStringLiteral("background");
            chooseBackground();
        } else if (roll < 990) {
            name = QStringLiteral("failing save");
            failingSave();
        } else {
            name = QStringLiteral("save options");
            saveOptions();
        }
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("step %1 (%2)").arg(step).arg(name)));
        ++performed_[name];
        checkAll(QStringLiteral("after step %1 (%2)").arg(step).arg(name));
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("step %1 (%2)").arg(step).arg(name)));
    }
    // Closing asks about unsaved changes, also when they were undone or redone past the save.
    const bool changed = model_.changed();
    if (changed)
        dialogs_.answers.push_back(ConfirmAnswer::No);
    window_->close();
    checkQuestions(changed ? 1 : 0);
    QVERIFY(!window_->isVisible());
    for (const auto& [path, snapshot] : saved_)
        checkSavedFile(path);
    // Failed saves left no temporaries behind.
    for (const QString& entry :
         QDir(folder_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        QVERIFY2(entry == QStringLiteral("User.opt") || saved_.count(folder_.filePath(entry)) != 0,
                 qPrintable(entry));

    QStringList counts;
    for (const auto& [name, count] : performed_)
        counts << QStringLiteral("%1 %2").arg(name).arg(count);
    qInfo("%d actions in %.1f s, %zu files saved, largest document %d draws, %d track bar "
          "checks, %d beeps, %d times undone to the saved state: %s",
          actions, static_cast<double>(clock.elapsed()) / 1000.0, saved_.size(), largest_,
          trackBarChecks_, beeps_, undoneToSaved_, qPrintable(counts.join(QStringLiteral(", "))));
    QVERIFY(actions >= kDefaultActions || std::getenv("ZHREBIKON_RANDOM_SESSION_ACTIONS"));
    qInfo("seed %u", Seed());
}

ZHREBIKON_UI_TEST_MAIN(RandomSessionTest)
#include "RandomSessionTest.moc"
