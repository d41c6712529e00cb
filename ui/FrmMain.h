#pragma once

#include "lottery/DocumentListener.h"
#include "lottery/LotteryDocument.h"
#include "lottery/RandomSource.h"
#include "storage/OptionsFile.h"

#include <QMainWindow>
#include <string>

class AppearanceOptions;
class DrawEntryPage;
class DrawListMenu;
class NewLotteryDialog;
class PageControl;
class QAction;
class QDialog;
class QMenu;
class QUndoStack;
class StandardDialogs;
class StatisticsPage;

// frmMain: the menu, the two pages and the file commands. It owns the one lottery document
// and shows what the document reports.
class FrmMain : public QMainWindow, public lottery::DocumentListener {
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

    lottery::LotteryDocument& document() { return document_; }
    StatisticsPage& statisticsPage() const { return *statistics_; }
    DrawEntryPage& drawEntryPage() const { return *drawEntry_; }
    AppearanceOptions& appearance() const { return *appearance_; }
    PageControl& pageControl() const { return *PageControl1_; }
    // Every change of the draws, for undo and redo; a new or opened lottery empties it.
    QUndoStack& history() const { return *history_; }
    DrawListMenu& drawListMenu() const { return *drawListMenu_; }
    // The file layer under Open, the saves and the options; tests put a fault-injecting one here.
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

    // --- what the document reports
    void lotteryStarted(lottery::LotteryShape shape) override;
    void drawsReplaced() override;
    void drawsEdited(int first, int removed, int inserted) override;
    void fileNamed(const std::string& title) override;
    void changedFlagChanged(bool changed) override;

signals:
    // The draws were replaced, edited, or another lottery started.
    void drawsChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenu();
    QAction* addItem(QMenu* menu, const char* name, const QString& caption,
                     void (FrmMain::*handler)());
    void FormCreate();
    void FormClose(QCloseEvent* event);
    // Before New and Open: offer to save unsaved draws.
    void ConfirmDiscard();
    // Open after the file was chosen: a database, or a draw table through the preview.
    void openPath(const QString& path);
    void importTable(const QString& path);
    void pageChanged(int index);
    void centreOnDesktop();
    void buildHistory();
    void historyMoved();
    // Imported draws at the end, undone as one step.
    void appendAsOneStep(std::vector<lottery::DrawRecord> draws);

    StandardDialogs& dialogs_;
    lottery::FileSystem* fileSystem_;
    // Declared before the pages: the destructor removes everything that refers to them first.
    lottery::LotteryDocument document_;
    lottery::LcgRandom random_{0};
    PageControl* PageControl1_;
    StatisticsPage* statistics_;
    DrawEntryPage* drawEntry_;
    AppearanceOptions* appearance_;
    QUndoStack* history_ = nullptr;
    DrawListMenu* drawListMenu_ = nullptr;
    QAction* mnuSave_ = nullptr;
    QDialog* frmAbout_ = nullptr;
    NewLotteryDialog* frmNew_ = nullptr;
    QDialog* frmHelp_ = nullptr;
    bool shownOnce_ = false;
};
