#include "FrmMain.h"

#include "AnalysisHooks.h"
#include "AppearanceOptions.h"
#include "DrawEditCommand.h"
#include "DrawEntryPage.h"
#include "DrawListMenu.h"
#include "ErrorReport.h"
#include "FontSetup.h"
#include "NewLotteryDialog.h"
#include "PageControl.h"
#include "Pictures.h"
#include "StandardDialogs.h"
#include "StatisticsPage.h"
#include "TableImport.h"
#include "storage/AtomicFile.h"
#include "storage/DocumentFile.h"
#include "tables/DrawTableWriter.h"
#include "tables/HistoryContinuation.h"
#include "wording/RussianCount.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QUndoStack>
#include <stdexcept>

namespace {

const QString kAskBeforeDiscard = QStringLiteral("Сохранить изменения?");
const QString kAskBeforeExit = QStringLiteral("Сохранить изменения перед выходом?");

} // namespace

const QString FrmMain::kInitialTitle = QStringLiteral(" \"Жребикон\"  от  Velkora  -  Безымянный");
const QString FrmMain::kTitlePrefix = QStringLiteral(" \"Нумерариум\"  от  Velkora  -  ");

QString FrmMain::TitleFor(const std::string& fileTitle) {
    return kTitlePrefix + QString::fromStdString(fileTitle);
}

FrmMain::FrmMain(StandardDialogs& dialogs, std::string optionsPath, lottery::FileSystem& fs,
                 QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), fileSystem_(&fs), document_(this),
      PageControl1_(new PageControl(this)), statistics_(new StatisticsPage(document_)),
      drawEntry_(new DrawEntryPage(document_, random_)),
      appearance_(new AppearanceOptions(*statistics_, *drawEntry_, dialogs_, std::move(optionsPath),
                                        fs, this)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
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
    buildHistory();
    // A database or a draw table dropped on the window opens as through "Открыть".
    setAcceptDrops(true);
    // Client area and menu bar together make the window; it cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();

    FormCreate();
    // Starting the first lottery named the document; the window keeps its design title until
    // the document is named again.
    setWindowTitle(kInitialTitle);
    centreOnDesktop();
    new AnalysisHooks(*this);
}

FrmMain::~FrmMain() {
    // Qt would delete the children only after the members, the document among them. So what
    // refers to the document goes here, users first: the dialogs (they ask the appearance), the
    // appearance (it paints the pages), then the pages.
    document_.setListener(nullptr);
    // Emptying the history on the way out must not refresh the pages.
    history_->disconnect(this);
    qDeleteAll(findChildren<QDialog*>(Qt::FindDirectChildrenOnly));
    delete appearance_;
    delete PageControl1_;
}

void FrmMain::setFileSystem(lottery::FileSystem& fs) {
    fileSystem_ = &fs;
    appearance_->setFileSystem(fs);
}

void FrmMain::attachDialogs(QDialog* frmAbout, NewLotteryDialog* frmNew, QDialog* frmHelp) {
    frmAbout_ = frmAbout;
    frmNew_ = frmNew;
    frmHelp_ = frmHelp;
}

QAction* FrmMain::addItem(QMenu* menu, const char* name, const QString& caption,
                          void (FrmMain::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, handler);
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

    QMenu* mnuOptions = mnuMain->addMenu(QStringLiteral("Опции"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    mnuOptions->menuAction()->setObjectName(QStringLiteral("mnuOptions"));
    appearance_->populateMenu(mnuOptions);

    QMenu* mnuHelp = mnuMain->addMenu(QStringLiteral("&Справка"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    QAction* help =
        addItem(mnuHelp, "mnuHelpHelp", QStringLiteral("Помощь"), &FrmMain::mnuHelpHelpClick);
    help->setShortcut(QKeySequence(Qt::Key_F1));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep"));
    addItem(mnuHelp, "mnuAbout", QStringLiteral("О программе"), &FrmMain::mnuAboutClick);
}

void FrmMain::buildHistory() {
    history_ = new QUndoStack(this);
    // Not in the main menu, whose items stay as they are: the list's context menu and the
    // keys, window-wide (so also on the draw-entry page).
    QAction* undo = history_->createUndoAction(this, QStringLiteral("Отменить"));
    undo->setObjectName(QStringLiteral("actUndo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = history_->createRedoAction(this, QStringLiteral("Повторить"));
    redo->setObjectName(QStringLiteral("actRedo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    addAction(undo);
    addAction(redo);
    connect(history_, &QUndoStack::indexChanged, this, &FrmMain::historyMoved);
    drawListMenu_ = new DrawListMenu(*statistics_->lbxAll(), document_, *history_, undo, redo,
                                     *appearance_, this);
    drawEntry_->setHistory(history_);
    connect(drawEntry_, &DrawEntryPage::drawRecorded, statistics_, &StatisticsPage::selectLastDraw);
}

void FrmMain::FormCreate() {
    random_ = lottery::LcgRandom(lottery::SeedFromClock());
    statistics_->WriteRowTitles();
    appearance_->LayFirstPattern();
    drawEntry_->CreateNumberButtons();
    document_.StartLottery(lottery::LotteryShape{6, 49});
    appearance_->LoadOptions();
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
        statistics_->TabSheet1Show();
}

void FrmMain::keyPressEvent(QKeyEvent* event) {
    // Keys that no control of the shown card took (the focus on the tabs, say) are typing.
    if (PageControl1_->currentIndex() == 1 && drawEntry_->typeKey(*event))
        return;
    QMainWindow::keyPressEvent(event);
}

void FrmMain::pageChanged(int index) {
    if (index == 0)
        statistics_->TabSheet1Show();
}

void FrmMain::ConfirmDiscard() {
    if (document_.changed() && dialogs_.askYesNo(this, kAskBeforeDiscard) == ConfirmAnswer::Yes)
        mnuSaveClick();
}

void FrmMain::mnuNewClick() {
    ConfirmDiscard();
    const std::optional<lottery::LotteryShape> shape =
        frmNew_ != nullptr ? frmNew_->askShape() : std::nullopt;
    if (!shape)
        return;
    document_.StartLottery(*shape);
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
    // A folder dropped on the window or named on the command line is no file to open.
    if (QFileInfo(path).isDir())
        throw std::runtime_error(QStringLiteral("%1 — это папка, а не файл")
                                     .arg(QFileInfo(path).fileName())
                                     .toStdString());
    if (IsTablePath(path)) {
        importTable(path);
        return;
    }
    // All or nothing: a file that cannot be used leaves document and title as they were.
    OpenDocument(document_, path.toStdString(), *fileSystem_);
    statistics_->TabSheet1Show();
}

void FrmMain::importTable(const QString& path) {
    const std::optional<lottery::DrawTable> reading = ChooseTableReading(this, path);
    if (!reading)
        return;
    // An updated download of the history on screen: offer to add only what is new.
    const std::optional<std::size_t> newFrom =
        reading->shape == document_.shape()
            ? lottery::NewDrawsStartAt(document_.draws(), reading->draws, reading->shape.K)
            : std::nullopt;
    if (newFrom && dialogs_.askYesNo(
                       this, QStringLiteral("Таблица начинается с тиражей, которые уже есть "
                                            "в лотерее. Добавить только новые тиражи (%1)?")
                                 .arg(QString::fromStdString(wording::GroupedNumber(
                                     static_cast<long long>(reading->draws.size() - *newFrom))))) ==
                       ConfirmAnswer::Yes) {
        appendAsOneStep(std::vector<lottery::DrawRecord>(
            reading->draws.begin() + static_cast<std::ptrdiff_t>(*newFrom), reading->draws.end()));
    } else {
        // An unnamed lottery, so that "Сохранить" asks for a database name: nothing is ever
        // written to the table.
        document_.StartLottery(reading->shape);
        appendAsOneStep(reading->draws);
    }
    statistics_->TabSheet1Show();
}

void FrmMain::appendAsOneStep(std::vector<lottery::DrawRecord> draws) {
    const int count = static_cast<int>(draws.size());
    if (count == 0)
        return; // nothing new: no step, and nothing to save
    lottery::DrawEdit undo = document_.ApplyEdit({document_.drawCount(), 0, std::move(draws)});
    history_->push(
        new DrawEditCommand(document_, DrawEditCommand::AppendName(count), {std::move(undo)}));
}

void FrmMain::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.constFirst().isLocalFile())
        event->acceptProposedAction();
}

void FrmMain::dropEvent(QDropEvent* event) {
    const QString path = event->mimeData()->urls().constFirst().toLocalFile();
    event->acceptProposedAction();
    RunGuarded([&] {
        ConfirmDiscard();
        openPath(path);
    });
}

void FrmMain::openAtStart(const QString& path) {
    RunGuarded([&] { openPath(path); });
}

void FrmMain::mnuSaveClick() {
    if (!document_.named()) {
        mnuSaveAsClick();
        return;
    }
    SaveDocument(document_, *fileSystem_);
}

void FrmMain::mnuSaveAsClick() {
    const std::optional<QString> chosen = dialogs_.chooseFileToSave(this);
    if (!chosen)
        return;
    if (IsTablePath(*chosen)) {
        // A copy of the draws for other programs: the document keeps its name, its file and
        // its "changed".
        const std::string csv = lottery::DrawTableCsv(document_.draws(), document_.shape());
        lottery::WriteFileAtomically(
            chosen->toStdString(),
            std::span(reinterpret_cast<const std::uint8_t*>(csv.data()), csv.size()), *fileSystem_);
        return;
    }
    SaveDocumentAs(document_, chosen->toStdString(), *fileSystem_);
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
    if (document_.changed()) {
        if (dialogs_.askYesNo(this, kAskBeforeExit) == ConfirmAnswer::Yes) {
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

void FrmMain::lotteryStarted(lottery::LotteryShape shape) {
    statistics_->ApplyShape(shape);
    drawEntry_->lotteryStarted();
    statistics_->ResetTables();
    // The steps of another lottery (or of the same one before opening) must not be replayed.
    history_->clear();
    emit drawsChanged();
}

void FrmMain::drawsReplaced() {
    statistics_->drawsReplaced();
    emit drawsChanged();
}

void FrmMain::drawsEdited(int first, int removed, int inserted) {
    statistics_->drawsEdited(first, removed, inserted);
    // As if the history had been entered this way: a number that no longer comes out keeps
    // none of its old partners and counts on screen.
    if (removed > 0)
        statistics_->ResetTables();
    emit drawsChanged();
}

void FrmMain::historyMoved() {
    // A step taken or undone under the user's eyes shows at once; otherwise the page shows it
    // when it is next shown, as after adding a draw.
    if (PageControl1_->currentIndex() == 0)
        statistics_->TabSheet1Show();
}

void FrmMain::fileNamed(const std::string& title) {
    setWindowTitle(TitleFor(title));
}

void FrmMain::changedFlagChanged(bool changed) {
    mnuSave_->setEnabled(changed);
}
