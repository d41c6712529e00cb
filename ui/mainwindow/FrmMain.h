#pragma once

#include "lottery/RandomSource.h"
#include "session/SessionQuestions.h"
#include "storage/FileSystem.h"
#include "storage/OptionsFile.h"

#include <QMainWindow>
#include <memory>
#include <string>

namespace session {
class LotterySession;
}

class AppearanceOptions;
class DrawEntryPage;
class NewLotteryDialog;
class PageControl;
class QAction;
class QDialog;
class StandardDialogs;
class StatisticsPage;

// frmMain: the menu and the two pages. Its commands are the session's; it answers the session's
// questions with its dialogs and shows what the session announces.
class FrmMain : public QMainWindow, private session::SessionQuestions {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 458;
    static constexpr int kClientHeight = 333;
    // The design title the window starts with; every later title is TitleFor(fileTitle).
    static const QString kInitialTitle;
    // The prefix used after New, Open and Save As (note the double blanks).
    static const QString kTitlePrefix;
    static QString TitleFor(const std::string& fileTitle);

    // Options are read from and saved to optionsPath; every file goes through fs.
    explicit FrmMain(StandardDialogs& dialogs, std::string optionsPath = lottery::kOptionsFileName,
                     lottery::FileSystem& fs = lottery::SystemFileSystem(),
                     QWidget* parent = nullptr);
    ~FrmMain() override;

    // The three dialogs are created after the main window and shown modally from its menu.
    void attachDialogs(QDialog* frmAbout, NewLotteryDialog* frmNew, QDialog* frmHelp);

    // What other windows share with this one: the lottery's commands and the appearance.
    session::LotterySession& session() const { return *session_; }
    AppearanceOptions& appearance() const { return *appearance_; }
    // The file layer under the commands and the options; tests put a fault-injecting one here.
    void setFileSystem(lottery::FileSystem& fs);

    // The file named on the command line, opened once the window is up.
    void openAtStart(const QString& path);

    // --- menu handlers
    void mnuNewClick();
    void mnuOpenClick();
    void mnuSaveClick();
    void mnuSaveAsClick();
    void mnuExitClick();
    void mnuHelpHelpClick();
    void mnuAboutClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // session::SessionQuestions
    bool saveChangesFirst(bool exiting) override;
    std::optional<lottery::LotteryShape> shapeOfNewLottery() override;
    std::optional<QString> fileToOpen() override;
    std::optional<session::SaveTarget> fileToSave(const session::SaveProposal& proposal) override;
    std::optional<lottery::DrawTable> tableReading(const QString& path) override;
    session::TableUpdate tableUpdate(std::size_t alreadyThere, std::size_t newDraws) override;
    void noNewDraws() override;

    void connectSession();
    void FormCreate();
    void FormClose(QCloseEvent* event);
    void centreOnDesktop();

    StandardDialogs& dialogs_;
    // Declared in the order of use, so that they go in reverse: what shows the lottery goes
    // before the lottery, the appearance before the pages it paints.
    std::unique_ptr<session::LotterySession> session_;
    lottery::LcgRandom random_{0};
    std::unique_ptr<PageControl> PageControl1_;
    StatisticsPage* statistics_;
    DrawEntryPage* drawEntry_;
    std::unique_ptr<AppearanceOptions> appearance_;
    QAction* mnuSave_ = nullptr;
    QDialog* frmAbout_ = nullptr;
    NewLotteryDialog* frmNew_ = nullptr;
    QDialog* frmHelp_ = nullptr;
};
