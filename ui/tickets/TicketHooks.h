#pragma once

#include "session/SessionQuestions.h"
#include "tickets/TicketSetHost.h"

#include <QObject>
#include <functional>

namespace session {
class LotterySession;
}

class FrmTickets;
class QAction;
class QWidget;

// Opens the window "Билеты" ("Билеты...", F5, and the card's context menu) and adds the card to
// the set ("Добавить билет в набор"). The set is the session's, and every change of it goes
// through the session as a step of its undo history. The window is made the first time it is
// asked for and then follows the session.
class TicketHooks : public QObject, private TicketSetHost, private session::TicketSetQuestions {
    Q_OBJECT
public:
    // showDraw shows a draw (0-based) in the list of past draws.
    TicketHooks(session::LotterySession& session, lottery::RandomSource& random,
                std::function<void(int)> showDraw, QWidget* window);

    QAction* ticketsAction() const { return actTickets_; }
    QAction* addCardAction() const { return actAddCard_; }
    // Null until first opened.
    FrmTickets* ticketsWindow() const { return frmTickets_; }

    void showTickets();
    void addCardToSet();

private:
    // TicketSetHost
    const lottery::LotteryDocument& document() const override;
    const lottery::TicketSet& ticketSet() const override;
    void editTicketSet(const lottery::TicketEdit& edit, const QString& name) override;
    lottery::RandomSource& random() override { return random_; }
    QString ticketSetPath() const override;
    bool ticketSetChanged() const override;
    QString openTicketSet(const QString& path) override;
    QString saveTicketSet(const QString& path) override;
    bool mayReplaceTicketSet() override;
    // session::TicketSetQuestions
    session::SaveAnswer saveTicketSetFirst(const session::UnsavedTicketSet& set) override;
    std::optional<QString> ticketSetFileToSave(const session::UnsavedTicketSet& set) override;

    session::LotterySession& session_;
    lottery::RandomSource& random_;
    std::function<void(int)> showDraw_;
    QWidget* window_;
    QAction* actTickets_;
    QAction* actAddCard_;
    FrmTickets* frmTickets_ = nullptr;
};
