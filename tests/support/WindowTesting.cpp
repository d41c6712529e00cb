#include "WindowTesting.h"

#include "drawentry/DrawEntryPage.h"
#include "lottery/LotteryDocument.h"
#include "mainwindow/PageControl.h"
#include "platform/ErrorReport.h"
#include "session/TableExport.h"
#include "statistics/DrawListMenu.h"
#include "statistics/StatisticsPage.h"
#include "widgets/StringGrid.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// The next scripted answer, or the given one when the script has run out.
template <typename T> T NextOf(std::deque<T>& script, T whenEmpty) {
    if (script.empty())
        return whenEmpty;
    T next = std::move(script.front());
    script.pop_front();
    return next;
}

// An empty path cancels the file dialog, as running out of paths does.
std::optional<QString> PathOrCancel(const QString& path) {
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

} // namespace

ConfirmAnswer ScriptedDialogs::askYesNo(QWidget* /*parent*/, const QString& text) {
    questions << text;
    return NextOf(answers, ConfirmAnswer::No);
}

std::optional<QString> ScriptedDialogs::chooseFileToOpen(QWidget* /*parent*/) {
    ++openDialogsShown;
    return PathOrCancel(NextOf(openPaths, QString()));
}

std::optional<session::SaveTarget>
ScriptedDialogs::chooseFileToSave(QWidget* /*parent*/, const session::SaveProposal& proposal) {
    ++saveDialogsShown;
    saveProposals.push_back(proposal);
    const std::optional<QString> path = PathOrCancel(NextOf(savePaths, QString()));
    if (!path)
        return std::nullopt;
    return session::SaveTarget{*path, !proposal.databaseOnly && session::IsTablePath(*path)};
}

std::optional<QColor> ScriptedDialogs::chooseColour(QWidget* /*parent*/, const QColor& initial) {
    colourOpenedOn.push_back(initial);
    return NextOf(colours, std::optional<QColor>());
}

std::optional<lottery::LotteryShape> ScriptedNewDialog::askShape() {
    ++shown;
    return nextShape;
}

CollectedErrors::CollectedErrors() {
    SetErrorPresenter([this](const QString& caption, const QString& text) {
        captions << caption;
        texts << text;
    });
}

CollectedErrors::~CollectedErrors() {
    SetErrorPresenter({});
}

MainWindowFixture::MainWindowFixture(bool show, const QString& optionsPath) {
    window = std::make_unique<FrmMain>(dialogs, optionsPath.toStdString());
    window->attachDialogs(nullptr, frmNew.get(), nullptr);
    if (show) {
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("the main window was not exposed");
    }
}

StringGrid& MainWindowFixture::grid(const char* name) const {
    auto* found = control<StringGrid>(name);
    if (found == nullptr)
        qFatal("no grid %s", name);
    return *found;
}

void MainWindowFixture::addDraw(std::initializer_list<int> numbers) {
    lottery::LotteryDocument& doc = document();
    for (int n : numbers)
        doc.MarkNumber(n);
    doc.RecordCard();
}

void MainWindowFixture::click(QAbstractButton* button) const {
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

void MainWindowFixture::clickNumbers(std::initializer_list<int> numbers) const {
    for (const int n : numbers)
        click(page().numberButton(n));
}

void MainWindowFixture::newLottery(int K, int N) {
    frmNew->nextShape =
        lottery::LotteryShape{static_cast<std::uint8_t>(K), static_cast<std::uint8_t>(N)};
    window->mnuNewClick();
    frmNew->nextShape.reset();
}

void MainWindowFixture::showStatisticsPage() {
    PagesOf(*window).setCurrentIndex(1);
    PagesOf(*window).setCurrentIndex(0);
}

void TriggerAsUser(QAction* action) {
    QMetaObject::invokeMethod(action, &QAction::trigger, Qt::QueuedConnection);
    QCoreApplication::sendPostedEvents(action, QEvent::MetaCall);
}

void WriteDatabase(const QString& path, lottery::LotteryShape shape,
                   const std::vector<std::vector<int>>& draws) {
    QByteArray bytes;
    for (const auto& draw : draws) {
        QByteArray record(7, '\0');
        for (std::size_t i = 0; i < draw.size() && i < 7; ++i)
            record[static_cast<int>(i)] = static_cast<char>(draw[i]);
        bytes += record;
    }
    QByteArray trailer(7, '\0');
    trailer[0] = static_cast<char>(shape.K);
    trailer[1] = static_cast<char>(shape.N);
    bytes += trailer;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

namespace {

// Answers the next modal window. The answer is repeated while that window stays up (a file
// dialog may still be loading its folder and ignore it; a box may close a moment later), and
// the answerer ends itself as soon as the window it answered is hidden, so that it can never
// answer a later window.
class ModalAnswerer : public QObject {
public:
    explicit ModalAnswerer(std::function<void(QWidget*)> action)
        : QObject(qApp), action_(std::move(action)) {
        timer_.setInterval(20);
        connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
        timer_.start();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == answered_ && event->type() == QEvent::Hide) {
            timer_.stop();
            answered_->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    void tick() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible())
            return;
        if (answered_ != nullptr && (modal != answered_ || ticks_++ % 15 != 0))
            return;
        if (answered_ == nullptr) {
            answered_ = modal;
            modal->installEventFilter(this);
            ++ticks_;
        }
        action_(modal);
    }

    std::function<void(QWidget*)> action_;
    QTimer timer_;
    QPointer<QWidget> answered_;
    int ticks_ = 0;
};

} // namespace

void WhenModalShows(std::function<void(QWidget*)> action) {
    new ModalAnswerer(std::move(action));
}

ShownBox DescribeBox(const QMessageBox& box) {
    ShownBox shown;
    shown.title = box.windowTitle();
    shown.text = box.text();
    shown.icon = box.icon();
    for (QAbstractButton* button : box.buttons())
        shown.buttons << button->text();
    if (QPushButton* byDefault = box.defaultButton())
        shown.defaultButton = byDefault->text();
    return shown;
}

StatisticsPage& StatisticsOf(const FrmMain& window) {
    return *window.findChild<StatisticsPage*>();
}

DrawEntryPage& DrawEntryOf(const FrmMain& window) {
    return *window.findChild<DrawEntryPage*>();
}

PageControl& PagesOf(const FrmMain& window) {
    return *window.findChild<PageControl*>();
}

DrawListMenu& DrawListMenuOf(const FrmMain& window) {
    return *window.findChild<DrawListMenu*>();
}
