#include "tickets/TicketHooks.h"

#include "session/LotterySession.h"
#include "tickets/FrmTickets.h"

#include <QAction>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QUndoStack>
#include <QWidget>

namespace {

// What went wrong, said to the window, or nothing when the step went through.
template <typename Step> QString FailureOf(Step&& step) {
    try {
        step();
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

} // namespace

TicketHooks::TicketHooks(session::LotterySession& session, lottery::RandomSource& random,
                         std::function<void(int)> showDraw, QWidget* window)
    : QObject(window), session_(session), random_(random), showDraw_(std::move(showDraw)),
      window_(window), actTickets_(new QAction(QStringLiteral("Билеты..."), this)),
      actAddCard_(new QAction(QStringLiteral("Добавить билет в набор"), this)) {
    actTickets_->setObjectName(QStringLiteral("actTickets"));
    // After F3 of the charts and F4 of the ticket check; no keyboard layout turns a function
    // key into another key.
    actTickets_->setShortcut(QKeySequence(Qt::Key_F5));
    actTickets_->setShortcutContext(Qt::WindowShortcut);
    actAddCard_->setObjectName(QStringLiteral("actAddCardToSet"));
    connect(actTickets_, &QAction::triggered, this, &TicketHooks::showTickets);
    connect(actAddCard_, &QAction::triggered, this, &TicketHooks::addCardToSet);
    // The session outlives no window: it goes with the main window, before its children.
    session_.setTicketSetQuestions(this);
}

const lottery::LotteryDocument& TicketHooks::document() const {
    return session_.document();
}

const lottery::TicketSet& TicketHooks::ticketSet() const {
    return session_.ticketSet();
}

void TicketHooks::editTicketSet(const lottery::TicketEdit& edit, const QString& name) {
    session_.editTicketSet(edit, name);
}

QString TicketHooks::ticketSetPath() const {
    return session_.ticketSetPath();
}

bool TicketHooks::ticketSetChanged() const {
    return session_.ticketSetUnsaved();
}

QString TicketHooks::openTicketSet(const QString& path) {
    return FailureOf([&] { session_.openTicketSet(path); });
}

QString TicketHooks::saveTicketSet(const QString& path) {
    return FailureOf([&] { session_.saveTicketSetAs(path); });
}

bool TicketHooks::mayReplaceTicketSet() {
    try {
        return session_.settleTicketSet();
    } catch (const std::exception& error) {
        QMessageBox::critical(
            frmTickets_, QStringLiteral("Билеты"),
            QStringLiteral("Набор не сохранён: %1").arg(QString::fromUtf8(error.what())));
        return false;
    }
}

session::SaveAnswer TicketHooks::saveTicketSetFirst(const session::UnsavedTicketSet& set) {
    showTickets();
    const QString name = set.fileName.isEmpty()
                             ? QStringLiteral("Набор билетов")
                             : QStringLiteral("Набор билетов «%1»").arg(set.fileName);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Билеты"),
                    QStringLiteral("%1 лотереи %2 из %3 изменён. Сохранить набор билетов?")
                        .arg(name)
                        .arg(set.shape.K)
                        .arg(set.shape.N),
                    QMessageBox::NoButton, frmTickets_);
    QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.exec();
    if (box.clickedButton() == yes)
        return session::SaveAnswer::Save;
    return box.clickedButton() == no ? session::SaveAnswer::Discard : session::SaveAnswer::Cancel;
}

std::optional<QString> TicketHooks::ticketSetFileToSave(const session::UnsavedTicketSet& set) {
    showTickets();
    return frmTickets_->chooseFileToSave(
        QStringLiteral("Сохранить набор билетов %1 из %2").arg(set.shape.K).arg(set.shape.N));
}

void TicketHooks::showTickets() {
    if (frmTickets_ == nullptr) {
        frmTickets_ = new FrmTickets(*this, window_);
        QAction* undo =
            session_.undoStack().createUndoAction(frmTickets_, QStringLiteral("Отменить"));
        undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
        QAction* redo =
            session_.undoStack().createRedoAction(frmTickets_, QStringLiteral("Повторить"));
        redo->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
        frmTickets_->addHistoryActions(undo, redo);
        connect(&session_, &session::LotterySession::ticketSetChanged, frmTickets_,
                &FrmTickets::refreshSet);
        connect(&session_, &session::LotterySession::lotteryChanged, frmTickets_,
                &FrmTickets::refreshLottery);
        connect(&session_, &session::LotterySession::ticketSetFileNamed, frmTickets_,
                &FrmTickets::showTitle);
        connect(frmTickets_, &FrmTickets::drawChosen, this, [this](int index) {
            if (showDraw_)
                showDraw_(index);
        });
        // Its fonts may make it wider than asked: placed by the size it will show with.
        frmTickets_->resize(frmTickets_->size().expandedTo(frmTickets_->minimumSizeHint()));
        // Beside the main window, on its right where the screen leaves room.
        const QRect main = window_->frameGeometry();
        QPoint place = main.topRight() + QPoint(8, 0);
        if (const QScreen* screen = window_->screen()) {
            const QRect desk = screen->availableGeometry();
            place.setX(std::min(place.x(), desk.right() - frmTickets_->width()));
            place.setX(std::max(place.x(), desk.left()));
            place.setY(std::clamp(place.y(), desk.top(),
                                  std::max(desk.top(), desk.bottom() - frmTickets_->height())));
        }
        frmTickets_->move(place);
    }
    frmTickets_->show();
    frmTickets_->raise();
    frmTickets_->activateWindow();
}

void TicketHooks::addCardToSet() {
    if (!session_.document().cardFull())
        return;
    showTickets();
    frmTickets_->addCard();
}
