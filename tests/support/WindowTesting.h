#pragma once

#include "dialogs/NewLotteryDialog.h"
#include "mainwindow/FrmMain.h"
#include "mainwindow/PageControl.h"
#include "platform/StandardDialogs.h"
#include "session/LotterySession.h"

#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class DrawEntryPage;
class DrawListMenu;
class StatisticsPage;
class QAbstractButton;
class QAction;
class QObject;
class StringGrid;

// Where the windows of a test find no options file: they keep their design appearance.
inline const QString kNoOptionsFile = QStringLiteral("/nonexistent-folder-for-tests/User.opt");

// Standard dialogs that answer from a script and record what they were asked.
class ScriptedDialogs : public StandardDialogs {
public:
    ConfirmAnswer askYesNo(QWidget* parent, const QString& text) override;
    std::optional<QString> chooseFileToOpen(QWidget* parent) override;
    // A table's name is saved with the table filter when it is offered.
    std::optional<session::SaveTarget>
    chooseFileToSave(QWidget* parent, const session::SaveProposal& proposal) override;
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override;

    std::deque<ConfirmAnswer> answers; // askYesNo; No when empty
    std::deque<QString> openPaths;     // an empty path, or none left, cancels the dialog
    std::deque<QString> savePaths;
    std::deque<std::optional<QColor>> colours; // nullopt, or none left, cancels the dialog
    QStringList questions;
    std::vector<QColor> colourOpenedOn;
    int openDialogsShown = 0;
    int saveDialogsShown = 0;
    std::vector<session::SaveProposal> saveProposals;
};

// Stands in for frmNew: "shows" itself by accepting a shape or by being cancelled.
class ScriptedNewDialog : public NewLotteryDialog {
public:
    std::optional<lottery::LotteryShape> askShape() override;

    std::optional<lottery::LotteryShape> nextShape; // nullopt = cancel
    int shown = 0;
};

// Errors reported while the guard lives are collected instead of shown.
class CollectedErrors {
public:
    CollectedErrors();
    ~CollectedErrors();
    QStringList captions;
    QStringList texts;
};

// The window's parts, found as a user finds them: by what they are.
StatisticsPage& StatisticsOf(const FrmMain& window);
DrawEntryPage& DrawEntryOf(const FrmMain& window);
PageControl& PagesOf(const FrmMain& window);
DrawListMenu& DrawListMenuOf(const FrmMain& window);

// A main window with scripted dialogs and a frmNew stand-in, shown on the offscreen screen.
struct MainWindowFixture {
    explicit MainWindowFixture(bool show = true, const QString& optionsPath = kNoOptionsFile);

    ScriptedDialogs dialogs;
    std::unique_ptr<ScriptedNewDialog> frmNew = std::make_unique<ScriptedNewDialog>();
    std::unique_ptr<FrmMain> window;

    lottery::LotteryDocument& document() { return window->session().document(); }
    StringGrid& grid(const char* name) const;
    template <typename T> T* control(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    QAction* action(const char* name) const { return control<QAction>(name); }
    DrawEntryPage& page() const { return DrawEntryOf(*window); }
    // Real mouse clicks.
    void click(QAbstractButton* button) const;
    void clickNumbers(std::initializer_list<int> numbers) const;
    // The add button's way in record mode: card, append, "Сохранить" enabled, statistics.
    void addDraw(std::initializer_list<int> numbers);
    // New with the given shape, the dialog confirmed.
    void newLottery(int K, int N);
    void showStatisticsPage();
};

// Triggers a menu command the way a click does: from an event, so that an error it raises
// reaches the application's guard instead of the test.
void TriggerAsUser(QAction* action);

// A lottery database written straight to disk.
void WriteDatabase(const QString& path, lottery::LotteryShape shape,
                   const std::vector<std::vector<int>>& draws);

// Runs action once the next modal window is up (polled by a timer).
void WhenModalShows(std::function<void(QWidget*)> action);

// What a message box shows, read while it is up.
struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton; // empty when the box has none
};
ShownBox DescribeBox(const QMessageBox& box);

#include "platform/LotteryApplication.h"

#include <QTemporaryDir>
#include <QTest>

// Test executables run under the program's own application object, so errors raised by
// handlers are caught exactly as in the program. Saves in place keep the old bytes in a
// folder of the test's own, not the user's.
#define ZHREBIKON_UI_TEST_MAIN(TestClass)                                                          \
    int main(int argc, char** argv) {                                                              \
        LotteryApplication application(argc, argv);                                                \
        QTemporaryDir state;                                                                       \
        qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());                                     \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
