#include "FrmMain.h"

#include "AppearanceOptions.h"
#include "DrawEntryPage.h"
#include "ErrorReport.h"
#include "FontSetup.h"
#include "PageControl.h"
#include "Pictures.h"
#include "StandardDialogs.h"
#include "StatisticsPage.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

namespace {

const QString kAskBeforeDiscard = QStringLiteral("Сохранить изменения?");
const QString kAskBeforeExit = QStringLiteral("Сохранить изменения перед выходом?");

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

FrmMain::FrmMain(StandardDialogs& dialogs, std::string optionsPath, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), optionsPath_(std::move(optionsPath)), document_(this),
      PageControl1_(new PageControl(this)), statistics_(new StatisticsPage(document_)),
      drawEntry_(new DrawEntryPage(document_, random_)),
      appearance_(new AppearanceOptions(*statistics_, *drawEntry_, dialogs_, this)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromUtf8(lottery::kInitialTitle));
    setWindowIcon(art::Pictures::instance().programIcon());
    setFont(ProgramFont(12));

    PageControl1_->setObjectName(QStringLiteral("PageControl1"));
    PageControl1_->setFixedSize(kClientWidth, kClientHeight);
    statistics_->setObjectName(QStringLiteral("TabSheet1"));
    drawEntry_->setObjectName(QStringLiteral("TabSheet2"));
    PageControl1_->addPage(statistics_, QStringLiteral(" Статистика "));
    PageControl1_->addPage(drawEntry_, QStringLiteral(" Добавить тираж "));
    PageControl1_->setCurrentIndex(0);
    connect(PageControl1_, &PageControl::currentChanged, this, &FrmMain::pageChanged);
    setCentralWidget(PageControl1_);

    buildMenu();
    // Client area and menu bar together make the window; it cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();

    FormCreate();
    centreOnDesktop();
}

FrmMain::~FrmMain() {
    // The pages go before the document they show.
    document_.setListener(nullptr);
}

void FrmMain::attachDialogs(QDialog* frmAbout, QDialog* frmNew, QDialog* frmHelp) {
    frmAbout_ = frmAbout;
    frmNew_ = frmNew;
    frmHelp_ = frmHelp;
}

QAction* FrmMain::addItem(QMenu* menu, const char* name, const QString& caption,
                          void (FrmMain::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this,
            [this, handler] { RunGuarded([&] { (this->*handler)(); }); });
    return action;
}

void FrmMain::buildMenu() {
    QMenuBar* mnuMain = menuBar();
    mnuMain->setObjectName(QStringLiteral("mnuMain"));
    mnuMain->setNativeMenuBar(false);

    QMenu* mnuFile = mnuMain->addMenu(QStringLiteral("&Файл"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFile->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    addItem(mnuFile, "mnuNew", QStringLiteral("Новый"), &FrmMain::mnuNewClick);
    addItem(mnuFile, "mnuOpen", QStringLiteral("Открыть"), &FrmMain::mnuOpenClick);
    mnuSave_ = addItem(mnuFile, "mnuSave", QStringLiteral("Сохранить"), &FrmMain::mnuSaveClick);
    mnuSave_->setShortcut(QKeySequence(Qt::Key_F2));
    mnuSave_->setEnabled(false);
    addItem(mnuFile, "mnuSaveAs", QStringLiteral("Сохранить как ..."), &FrmMain::mnuSaveAsClick);
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileSep"));
    addItem(mnuFile, "mnuExit", QStringLiteral("Выход"), &FrmMain::mnuExitClick);

    mnuOptions_ = mnuMain->addMenu(QStringLiteral("Опции"));
    mnuOptions_->setObjectName(QStringLiteral("mnuOptions"));
    mnuOptions_->menuAction()->setObjectName(QStringLiteral("mnuOptions"));
    appearance_->populateMenu(mnuOptions_);

    QMenu* mnuHelp = mnuMain->addMenu(QStringLiteral("&Справка"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    QAction* help =
        addItem(mnuHelp, "mnuHelpHelp", QStringLiteral("Помощь"), &FrmMain::mnuHelpHelpClick);
    help->setShortcut(QKeySequence(Qt::Key_F1));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep"));
    addItem(mnuHelp, "mnuAbout", QStringLiteral("О программе"), &FrmMain::mnuAboutClick);
}

void FrmMain::FormCreate() {
    random_ = lottery::LcgRandom(lottery::SeedFromClock());
    document_.setShape(lottery::LotteryShape{6, 49});
    document_.setFilePath(std::string());
    statistics_->WriteRowTitles();
    appearance_->LayFirstPattern();
    drawEntry_->CreateNumberButtons();
    document_.Starting();
    appearance_->LoadOptions(optionsPath_);
}

void FrmMain::centreOnDesktop() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect desktop = screen->availableGeometry();
    move(desktop.left() + (desktop.width() - width()) / 2,
         desktop.top() + (desktop.height() - height()) / 2);
}

void FrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    if (PageControl1_->currentIndex() == 0)
        RunGuarded([this] { statistics_->TabSheet1Show(); });
}

void FrmMain::pageChanged(int index) {
    if (index == 0)
        RunGuarded([this] { statistics_->TabSheet1Show(); });
}

void FrmMain::ConfirmDiscard() {
    if (mnuSave_->isEnabled()) {
        document_.setLastAnswer(dialogs_.askYesNo(this, kAskBeforeDiscard));
        if (document_.lastAnswer() == lottery::kAnswerYes)
            mnuSaveClick();
    }
    document_.setLastAnswer(lottery::kAnswerNo);
}

void FrmMain::mnuNewClick() {
    ConfirmDiscard();
    document_.setNewAccepted(false);
    if (frmNew_ != nullptr)
        frmNew_->exec();
    if (!document_.newAccepted())
        return;
    drawEntry_->btnContinueClick();
    document_.StartNewLottery();
    setWindowTitle(Text(document_.windowTitle()));
    statistics_->TabSheet1Show();
}

void FrmMain::mnuOpenClick() {
    ConfirmDiscard();
    const std::optional<QString> chosen = dialogs_.chooseFileToOpen(this);
    if (!chosen)
        return;
    openPath(*chosen);
}

void FrmMain::openPath(const QString& path) {
    // All or nothing: a file that cannot be used leaves document and title as they were. On
    // success the document names the file and has reset the card and the number buttons.
    document_.Open(path.toStdString(), *fileSystem_);
    setWindowTitle(Text(document_.windowTitle()));
    // A home draw on display ends too (the card is already empty, so no glyph changes).
    drawEntry_->btnContinueClick();
    statistics_->TabSheet1Show();
}

void FrmMain::openAtStart(const QString& path) {
    RunGuarded([&] { openPath(path); });
}

void FrmMain::mnuSaveClick() {
    if (document_.filePath().empty()) {
        mnuSaveAsClick();
        return;
    }
    document_.WriteDocument(document_.filePath(), *fileSystem_);
}

void FrmMain::mnuSaveAsClick() {
    const std::optional<QString> chosen = dialogs_.chooseFileToSave(this);
    if (!chosen)
        return;
    const std::string path = chosen->toStdString();
    // The document names the new file only once it has been written.
    document_.WriteDocument(path, *fileSystem_);
    document_.setFilePath(path);
    document_.setFileTitle(lottery::FileNamePart(path));
    setWindowTitle(Text(document_.windowTitle()));
}

void FrmMain::mnuExitClick() {
    close();
}

void FrmMain::mnuHelpHelpClick() {
    if (frmHelp_ != nullptr)
        frmHelp_->exec();
}

void FrmMain::mnuAboutClick() {
    if (frmAbout_ != nullptr)
        frmAbout_->exec();
}

void FrmMain::closeEvent(QCloseEvent* event) {
    FormClose(event);
}

void FrmMain::FormClose(QCloseEvent* event) {
    if (mnuSave_->isEnabled()) {
        document_.setLastAnswer(dialogs_.askYesNo(this, kAskBeforeExit));
        if (document_.lastAnswer() == lottery::kAnswerYes) {
            try {
                mnuSaveClick();
            } catch (const std::exception& error) {
                // Only a failing save keeps the window open.
                ReportError(error);
                event->ignore();
                return;
            }
        }
    }
    event->accept();
}

void FrmMain::shapeApplied(lottery::LotteryShape shape) {
    statistics_->ApplyShape(shape);
}

void FrmMain::drawListReset() {
    statistics_->drawListReset();
}

void FrmMain::drawAppended(int index) {
    statistics_->drawAppended(index);
}

void FrmMain::tablesBlanked(int N) {
    statistics_->BlankTables(N);
}

void FrmMain::pageReset() {
    drawEntry_->Unvisible();
    statistics_->ResetTables();
}

void FrmMain::changedFlagChanged(bool changed) {
    mnuSave_->setEnabled(changed);
}
