#include "mainwindow/FrmMain.h"

#include "Pictures.h"
#include "dialogs/NewLotteryDialog.h"
#include "dialogs/TableImport.h"
#include "dialogs/TableUpdateQuestion.h"
#include "drawentry/DrawEntryPage.h"
#include "mainwindow/ExtraActions.h"
#include "mainwindow/MainMenu.h"
#include "mainwindow/PageControl.h"
#include "options/AppearanceOptions.h"
#include "platform/ErrorReport.h"
#include "platform/StandardDialogs.h"
#include "session/LotterySession.h"
#include "statistics/StatisticsPage.h"
#include "widgets/FontSetup.h"
#include "wording/RussianCount.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>

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
    : QMainWindow(parent), dialogs_(dialogs),
      session_(std::make_unique<session::LotterySession>(
          static_cast<session::SessionQuestions&>(*this), fs)),
      PageControl1_(std::make_unique<PageControl>(this)),
      statistics_(new StatisticsPage(session_->document())),
      drawEntry_(new DrawEntryPage(session_->document(), random_)),
      appearance_(std::make_unique<AppearanceOptions>(*statistics_, *drawEntry_, dialogs_,
                                                      std::move(optionsPath), fs, this)) {
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
    setCentralWidget(PageControl1_.get());

    mnuSave_ = BuildMainMenu(*this, *appearance_);
    AddExtraActions(
        {*this, *session_, random_, *PageControl1_, *statistics_, *drawEntry_, *appearance_});
    connectSession();
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
}

FrmMain::~FrmMain() {
    // Nothing the session says on its way out reaches a window half gone.
    session_->disconnect();
    // The dialogs, made by others as this window's children, ask the appearance: they go
    // first. The members then go in reverse order: appearance, pages, session.
    qDeleteAll(findChildren<QDialog*>(Qt::FindDirectChildrenOnly));
}

void FrmMain::setFileSystem(lottery::FileSystem& fs) {
    session_->setFileSystem(fs);
    appearance_->setFileSystem(fs);
}

void FrmMain::attachDialogs(QDialog* frmAbout, NewLotteryDialog* frmNew, QDialog* frmHelp) {
    frmAbout_ = frmAbout;
    frmNew_ = frmNew;
    frmHelp_ = frmHelp;
}

void FrmMain::connectSession() {
    statistics_->followSession(*session_);
    drawEntry_->followSession(*session_);
    connect(session_.get(), &session::LotterySession::fileNamed, this,
            [this](const QString& title) { setWindowTitle(TitleFor(title.toStdString())); });
    connect(session_.get(), &session::LotterySession::changedFlagChanged, mnuSave_,
            &QAction::setEnabled);
}

void FrmMain::FormCreate() {
    random_ = lottery::LcgRandom(lottery::SeedFromClock());
    statistics_->WriteRowTitles();
    appearance_->LayFirstPattern();
    drawEntry_->CreateNumberButtons();
    session_->start(lottery::LotteryShape{6, 49});
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

void FrmMain::keyPressEvent(QKeyEvent* event) {
    // Keys that no control of the shown card took (the focus on the tabs, say) are typing.
    if (PageControl1_->currentPage() == drawEntry_ && drawEntry_->typeKey(*event))
        return;
    QMainWindow::keyPressEvent(event);
}

bool FrmMain::saveChangesFirst(bool exiting) {
    return dialogs_.askYesNo(this, exiting ? kAskBeforeExit : kAskBeforeDiscard) ==
           ConfirmAnswer::Yes;
}

std::optional<lottery::LotteryShape> FrmMain::shapeOfNewLottery() {
    return frmNew_ != nullptr ? frmNew_->askShape() : std::nullopt;
}

std::optional<QString> FrmMain::fileToOpen() {
    return dialogs_.chooseFileToOpen(this);
}

std::optional<session::SaveTarget> FrmMain::fileToSave(const session::SaveProposal& proposal) {
    return dialogs_.chooseFileToSave(this, proposal);
}

std::optional<lottery::DrawTable> FrmMain::tableReading(const QString& path) {
    return ChooseTableReading(this, path);
}

session::TableUpdate FrmMain::tableUpdate(std::size_t alreadyThere, std::size_t newDraws) {
    return TableUpdateQuestion(alreadyThere, newDraws, this).ask();
}

void FrmMain::noNewDraws() {
    QMessageBox::information(this, QCoreApplication::applicationName(),
                             QStringLiteral("В таблице новых тиражей нет: все её тиражи уже есть в "
                                            "лотерее. Ничего не изменено."));
}

void FrmMain::mnuNewClick() {
    session_->newLottery();
}

void FrmMain::mnuOpenClick() {
    session_->open();
}

void FrmMain::mnuSaveClick() {
    session_->save();
}

void FrmMain::mnuSaveAsClick() {
    session_->saveAs();
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

void FrmMain::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.constFirst().isLocalFile())
        event->acceptProposedAction();
}

void FrmMain::dropEvent(QDropEvent* event) {
    const QString path = event->mimeData()->urls().constFirst().toLocalFile();
    event->acceptProposedAction();
    RunGuarded([&] { session_->openDropped(path); });
}

void FrmMain::openAtStart(const QString& path) {
    RunGuarded([&] { session_->openFile(path); });
}

void FrmMain::closeEvent(QCloseEvent* event) {
    FormClose(event);
}

void FrmMain::FormClose(QCloseEvent* event) {
    bool mayClose = false;
    try {
        mayClose = session_->mayClose();
    } catch (const std::exception& error) {
        // A failing save keeps the window open, as a cancelled one does.
        ReportError(error);
    }
    if (mayClose)
        event->accept();
    else
        event->ignore();
}
