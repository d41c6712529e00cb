#include "TicketPictures.h"

#include "BacktestPanel.h"
#include "FrmMain.h"
#include "FrmTickets.h"
#include "PictureFolder.h"
#include "ScriptedDialogs.h"
#include "SetDrawPanel.h"
#include "TicketCheckPanel.h"
#include "TicketHooks.h"
#include "session/LotterySession.h"

#include <QCoreApplication>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Tickets a new user might start with: a first draw of the history, a row, a diagonal of the
// card, birthdays, and a few made by the program's random tickets.
const char* const kSet = "# Жребикон: набор билетов 6 из 49\n"
                         "цена 100\n"
                         "выигрыш 3 300\n"
                         "выигрыш 4 2500\n"
                         "выигрыш 5 150000\n"
                         "выигрыш 6 10000000\n"
                         "3 12 18 27 34 41\n"
                         "1 2 3 4 5 6\n"
                         "7 14 21 28 35 42\n"
                         "3 7 12 19 24 28\n"
                         "5 11 23 30 38 46\n"
                         "2 9 17 26 33 49\n"
                         "8 15 20 31 40 44\n"
                         "10 13 22 29 37 45\n";

void Save(PictureFolder& folder, QWidget& window, const QString& name) {
    QCoreApplication::processEvents();
    folder.save(window.grab().toImage(), name + QStringLiteral(".png"));
}

} // namespace

void DrawTicketPictures(PictureFolder& folder, const QString& database) {
    if (database.isEmpty())
        return;
    QTemporaryDir scratch;
    ScriptedDialogs dialogs;
    FrmMain window(dialogs, scratch.filePath(QStringLiteral("User.opt")).toStdString());
    window.show();
    window.session().openFile(database);
    auto* hooks = window.findChild<TicketHooks*>();
    hooks->showTickets();
    FrmTickets& tickets = *hooks->ticketsWindow();
    if (!QTest::qWaitForWindowExposed(&tickets))
        qFatal("the ticket window was not exposed");
    const QString setPath = scratch.filePath(QStringLiteral("мои.tickets"));
    QFile file(setPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(kSet) < 0)
        qFatal("the example set was not written");
    file.close();
    if (const QString refused = tickets.openSet(setPath); !refused.isEmpty())
        qFatal("the example set was refused: %s", qUtf8Printable(refused));

    tickets.checkPanel()->setRange(TicketCheckPanel::All);
    tickets.checkPanel()->check();
    Save(folder, tickets, QStringLiteral("tickets-check"));

    const int draws = window.session().document().drawCount();
    tickets.tabs()->setCurrentWidget(tickets.backtestPanel());
    tickets.backtestPanel()->setRange(std::max(1, draws - 999), draws);
    tickets.backtestPanel()->run();
    Save(folder, tickets, QStringLiteral("tickets-backtest"));

    tickets.tabs()->setCurrentWidget(tickets.drawPanel());
    tickets.drawPanel()->draw();
    Save(folder, tickets, QStringLiteral("tickets-draw"));
}
