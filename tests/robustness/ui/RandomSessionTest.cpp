// A long session of random user actions on the real main window, from a fixed seed. The
// test keeps its own model of what the user did and, after every action, checks the
// document, the statistics (recomputed here the plain way), the menu and the visible page
// against it. Saved files are reopened later and must give back the document saved.
//
// ZHREBIKON_RANDOM_SESSION_ACTIONS changes the length (20000 without it) and
// ZHREBIKON_RANDOM_SESSION_SEED the seed, for looking further by hand.
#include "AppearanceOptions.h"
#include "DrawEntryPage.h"
#include "ErrorReport.h"
#include "FaultyFileSystem.h"
#include "FrmNew.h"
#include "GlyphButton.h"
#include "OptionsFile.h"
#include "StatisticsPage.h"
#include "StringGrid.h"
#include "UiTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
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
    bool changed = false;
    QString path;
    bool firstPattern = true;
    std::int32_t tableBack = 0, tableHead = 0, title = 0, tableFont = 0;
    QStringList errors;

    bool playMode() const { return caption == DrawEntryPage::kCaptionPlay; }
    bool onCard(int n) const { return std::find(card.begin(), card.end(), n) != card.end(); }
};

// The statistics by their definitions, one number at a time.
struct ExpectedStats {
    std::array<int, 50> frequency{};
    std::array<int, 50> drawsSince{};
    std::array<std::array<int, 50>, 50> together{};
    std::array<int, 50> mostWith{};  // 0 when no partner came out with it
    std::array<int, 50> leastWith{}; // 0 when the number never came out
    std::vector<int> mostFrequent;   // up to five, best first
    std::vector<int> leastFrequent;

    explicit ExpectedStats(const Snapshot& s) {
        const int D = static_cast<int>(s.draws.size());
        for (int i = 1; i <= s.N; ++i) {
            int last = -1;
            for (int d = 0; d < D; ++d) {
                const Draw& draw = s.draws[static_cast<std::size_t>(d)];
                const bool contains =
                    std::find(draw.begin(), draw.begin() + s.K, i) != draw.begin() + s.K;
                if (!contains)
                    continue;
                last = d;
                ++frequency[i];
                for (int p = 0; p < s.K; ++p)
                    ++together[i][draw[p]];
            }
            drawsSince[i] = last < 0 ? D : D - 1 - last;
            if (frequency[i] == 0)
                continue;
            int best = 0, worst = -1;
            for (int j = 1; j <= s.N; ++j) {
                if (j == i)
                    continue;
                if (together[i][j] > best) {
                    best = together[i][j];
                    mostWith[i] = j;
                }
                if (worst < 0 || together[i][j] < worst) {
                    worst = together[i][j];
                    leastWith[i] = j;
                }
            }
        }
        // Rankings: among equal frequencies the higher number comes first.
        std::vector<int> numbers;
        for (int i = s.N; i >= 1; --i)
            numbers.push_back(i);
        std::vector<int> byMost = numbers;
        std::stable_sort(byMost.begin(), byMost.end(),
                         [&](int a, int b) { return frequency[a] > frequency[b]; });
        for (int i : byMost)
            if (frequency[i] > 0 && mostFrequent.size() < 5)
                mostFrequent.push_back(i);
        std::vector<int> byLeast = numbers;
        std::stable_sort(byLeast.begin(), byLeast.end(),
                         [&](int a, int b) { return frequency[a] < frequency[b]; });
        if (!mostFrequent.empty())
            for (int i : byLeast)
                if (leastFrequent.size() < 5)
                    leastFrequent.push_back(i);
    }
};

class SessionDialogs : public ScriptedDialogs {
public:
    std::deque<std::optional<QColor>> colours;
    std::optional<QColor> chooseColour(QWidget*, const QColor&) override {
        if (colours.empty())
            return std::nullopt;
        const auto colour = colours.front();
        colours.pop_front();
        return colour;
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

    void clickOn(QAbstractButton* button);
    int random(int n) { return static_cast<int>(rng_() % static_cast<std::uint32_t>(n)); }
    QAction* action(const char* name) const { return window_->findChild<QAction*>(name); }
    DrawEntryPage& page() const { return window_->drawEntryPage(); }
    StatisticsPage& stats() const { return window_->statisticsPage(); }
    void resetCardAfterDisplay();

    std::mt19937 rng_{Seed()};
    QTemporaryDir folder_;
    QString previousDir_;
    SessionDialogs dialogs_;
    std::unique_ptr<FrmMain> window_;
    FrmNew* frmNew_ = nullptr;
    std::unique_ptr<CollectedErrors> errors_;
    Model model_;
    std::map<QString, Snapshot> saved_;
    std::unique_ptr<ExpectedStats> expected_;
    bool statsStale_ = true;
    int trackBarChecks_ = 0;
    int largest_ = 0;
    std::map<QString, int> performed_;
};

void RandomSessionTest::initTestCase() {
    QVERIFY(folder_.isValid());
    // "Сохранить опции" writes User.opt to the current folder.
    previousDir_ = QDir::currentPath();
    QDir::setCurrent(folder_.path());
    window_ = std::make_unique<FrmMain>(dialogs_, "/nonexistent-folder-for-tests/User.opt");
    frmNew_ = new FrmNew(window_->appearance(), window_.get());
    window_->attachDialogs(nullptr, frmNew_, nullptr);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    window_->activateWindow();
    errors_ = std::make_unique<CollectedErrors>();
    model_.tableBack = stats().tableBackColour();
    model_.tableHead = stats().tableHeadColour();
    model_.title = stats().titleColour();
    model_.tableFont = stats().tableFontColour();
}

void RandomSessionTest::cleanupTestCase() {
    errors_.reset();
    window_.reset();
    QDir::setCurrent(previousDir_);
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
    const bool enabled = static_cast<int>(model_.card.size()) == model_.doc.K && !model_.playShown;
    clickOn(page().newTirazButton());
    if (!enabled)
        return;
    if (model_.playMode()) {
        model_.playShown = true;
        model_.playFlag = true;
        // The home draw: K distinct numbers of the lottery, the hits are the ticket's.
        const lottery::PlayDraw& draw = window_->document().lastPlayDraw();
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
    model_.doc.draws.push_back(draw);
    model_.card.clear();
    model_.changed = true;
    statsStale_ = true;
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
    PageControl& pages = window_->pageControl();
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
    if (!model_.changed)
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
    model_.changed = false;
    saved_[path] = model_.doc;
}

void RandomSessionTest::newLottery() {
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
    action("mnuNew")->trigger();
    QVERIFY2(worked, "frmNew did not take the shape");
    window_->activateWindow();
    if (!confirm)
        return;
    model_.doc = Snapshot{K, N, {}};
    model_.card.clear();
    model_.playShown = false;
    model_.changed = false;
    model_.path.clear();
    statsStale_ = true;
}

void RandomSessionTest::save() {
    // Now and then the folder takes no new file: the existing file is rewritten in place.
    lottery::test::FaultyFileSystem lockedFolder;
    if (model_.changed && QFile::exists(model_.path) && random(3) == 0) {
        lockedFolder.failCreatingOpens(EACCES);
        window_->setFileSystem(lockedFolder);
        ++performed_[QStringLiteral("Save in place")];
    }
    if (model_.changed)
        scriptSave();
    action("mnuSave")->trigger(); // disabled when nothing changed: then nothing happens
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
    action("mnuSaveAs")->trigger();
}

void RandomSessionTest::open() {
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
        model_.changed = false;
        model_.path = it->first;
        statsStale_ = true;
    }
    action("mnuOpen")->trigger();
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
    action(items[which])->trigger();
}

void RandomSessionTest::chooseBackground() {
    model_.firstPattern = random(2) == 0;
    action(model_.firstPattern ? "mnuFon1" : "mnuFon2")->trigger();
}

void RandomSessionTest::saveOptions() {
    action("mnuSaveOptions")->trigger();
    const auto record = lottery::LoadOptions(lottery::kOptionsFileName);
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
    const bool viaSaveAs = !model_.changed || model_.path.isEmpty() || random(2) == 0;
    QString target = model_.path;
    if (viaSaveAs) {
        target = folder_.filePath(QStringLiteral("session-%1.dat").arg(random(6)));
        dialogs_.savePaths.push_back(target);
    }
    action(viaSaveAs ? "mnuSaveAs" : "mnuSave")->trigger();
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
    lottery::LotteryDocument& doc = window_->document();
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
    QCOMPARE(action("mnuSave")->isEnabled(), model_.changed);
    QCOMPARE(QString::fromStdString(doc.filePath()), model_.path);
    QCOMPARE(stats().lbxAll()->model()->rowCount(), static_cast<int>(s.draws.size()));
    QCOMPARE(action("mnuFon1")->isChecked(), model_.firstPattern);
    QCOMPARE(action("mnuFon2")->isChecked(), !model_.firstPattern);
    QCOMPARE(stats().tableBackColour(), model_.tableBack);
    QCOMPARE(stats().tableHeadColour(), model_.tableHead);
    QCOMPARE(stats().titleColour(), model_.title);
    QCOMPARE(stats().tableFontColour(), model_.tableFont);
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
    if (window_->pageControl().currentIndex() == 0) {
        for (int c = 1; c <= s.N; ++c)
            QCOMPARE(stats().grdAll()->cell(c, 1), QString::number(expected_->frequency[c]));
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
        const bool onCardPage = window_->pageControl().currentIndex() == 1;
        const int roll = random(1000);
        QString name;
        // A home draw on display is ended by "Далее ..." about half of the time.
        if (onCardPage && model_.playShown && random(2) == 0) {
            name = QStringLiteral("Далее ...");
            clickContinue();
        } else if (onCardPage && roll < 560) {
            name = QStringLiteral("number click");
            clickNumber();
        } else if (onCardPage && roll < 700) {
            name = QStringLiteral("add button");
            clickAdd();
        } else if (onCardPage && roll < 730) {
            name = QStringLiteral("Тираж");
            clickMode(false);
        } else if (onCardPage && roll < 760) {
            name = QStringLiteral("Розыгрыш");
            clickMode(true);
        } else if (!onCardPage && roll < 500) {
            name = QStringLiteral("track bar");
            moveTrackBar();
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
          "checks: %s",
          actions, static_cast<double>(clock.elapsed()) / 1000.0, saved_.size(), largest_,
          trackBarChecks_, qPrintable(counts.join(QStringLiteral(", "))));
    QVERIFY(actions >= kDefaultActions || std::getenv("ZHREBIKON_RANDOM_SESSION_ACTIONS"));
    qInfo("seed %u", Seed());
}

ZHREBIKON_UI_TEST_MAIN(RandomSessionTest)
#include "RandomSessionTest.moc"
