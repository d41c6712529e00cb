#include "tickets/TicketHooks.h"

#include "tickets/FrmTickets.h"
#include "session/LotterySession.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QUndoStack>
#include <QWidget>

TicketHooks::TicketHooks(session::LotterySession& session, lottery::RandomSource& random,
                         std::function<void(int)> showDraw, QWidget* window)
    : QObject(window), session_(session), random_(random), showDraw_(std::move(showDraw)),
      window_(window), actTickets_(new QAction(QStringLiteral("Билеты..."), this)),
      actAddCard_(new QAction(QStringLiteral("Добавить билет в набор"), this)) {
    actTickets_->setObjectName(QStringLiteral("actTickets"));
    // Beside F3 of the charts; no keyboard layout turns a function key into another key.
    actTickets_->setShortcut(QKeySequence(Qt::Key_F4));
    actTickets_->setShortcutContext(Qt::WindowShortcut);
    actAddCard_->setObjectName(QStringLiteral("actAddCardToSet"));
    connect(actTickets_, &QAction::triggered, this, &TicketHooks::showTickets);
    connect(actAddCard_, &QAction::triggered, this, &TicketHooks::addCardToSet);
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
        connect(frmTickets_, &FrmTickets::drawChosen, this, [this](int index) {
            if (showDraw_)
                showDraw_(index);
        });
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
