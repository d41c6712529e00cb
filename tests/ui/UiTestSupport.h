#pragma once

#include "FrmMain.h"
#include "NewLotteryDialog.h"
#include "PageControl.h"
#include "StandardDialogs.h"

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

class QObject;
class StringGrid;

// Standard dialogs that answer from a script and record what they were asked.
class ScriptedDialogs : public StandardDialogs {
public:
    ConfirmAnswer askYesNo(QWidget* parent, const QString& text) override;
    std::optional<QString> chooseFileToOpen(QWidget* parent) override;
    std::optional<QString> chooseFileToSave(QWidget* parent) override;
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override;

    std::deque<ConfirmAnswer> answers; // askYesNo; No when empty
    std::deque<QString> openPaths;     // an empty path, or none left, cancels the dialog
    std::deque<QString> savePaths;
    QStringList questions;
    int openDialogsShown = 0;
    int saveDialogsShown = 0;
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

// A main window with scripted dialogs and a frmNew stand-in, shown on the offscreen screen.
struct MainWindowFixture {
    explicit MainWindowFixture(bool show = true);

    ScriptedDialogs dialogs;
    std::unique_ptr<ScriptedNewDialog> frmNew = std::make_unique<ScriptedNewDialog>();
    std::unique_ptr<FrmMain> window;

    lottery::LotteryDocument& document() { return window->document(); }
    StringGrid& grid(const char* name) const;
    template <typename T> T* control(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    // The add button's way in record mode: card, append, "Сохранить" enabled, statistics.
    void addDraw(std::initializer_list<int> numbers);
    // New with the given shape, the dialog confirmed.
    void newLottery(int K, int N);
    void showStatisticsPage();
};

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

#include "LotteryApplication.h"

#include <QTest>

// Test executables run under the program's own application object, so errors raised by
// handlers are caught exactly as in the program.
#define ZHREBIKON_UI_TEST_MAIN(TestClass)                                                          \
    int main(int argc, char** argv) {                                                              \
        LotteryApplication application(argc, argv);                                                \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
