#include "TicketPictures.h"

#include "PictureFolder.h"
#include "ScriptedDialogs.h"
#include "mainwindow/FrmMain.h"
#include "session/LotterySession.h"
#include "tickets/BacktestPanel.h"
#include "tickets/FrmTickets.h"
#include "tickets/SetDrawPanel.h"
#include "tickets/TicketCheckPanel.h"
#include "tickets/WheelPanel.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

template <typename Widget> Widget& Child(QWidget& window, const char* name) {
    auto* child = window.findChild<Widget*>(QString::fromLatin1(name));
    if (child == nullptr)
        qFatal("no %s in the ticket window", name);
    return *child;
}

} // namespace

void DrawTicketPictures(PictureFolder& folder, const QString& database) {
    if (database.isEmpty())
        return;
    QTemporaryDir optionsFolder; // stays empty
    ScriptedDialogs dialogs;
    FrmMain main(dialogs, optionsFolder.filePath(QStringLiteral("User.opt")).toStdString());
    main.show();
    dialogs.openPaths = {database};
    main.mnuOpenClick();

    for (const int n : {3, 11, 19, 27, 34, 45})
        main.session().document().MarkNumber(n);
    main.findChild<QAction*>(QStringLiteral("actAddCardToSet"))->trigger();
    auto* window = main.findChild<FrmTickets*>();
    if (window == nullptr || !QTest::qWaitForWindowExposed(window))
        qFatal("the ticket window was not shown");
    window->ticketEntry()->setText(QStringLiteral("5 12 23 31 40 44"));
    QTest::keyClick(window->ticketEntry(), Qt::Key_Return);
    Child<QSpinBox>(*window, "spnRandomTickets").setValue(10);
    Child<QPushButton>(*window, "btnRandomTickets").click();
    Child<QLineEdit>(*window, "edtPrice").setText(QStringLiteral("100"));
    Child<QLineEdit>(*window, "edtPrize6").setText(QStringLiteral("5000000"));
    Child<QLineEdit>(*window, "edtPrize5").setText(QStringLiteral("50000"));
    Child<QLineEdit>(*window, "edtPrize4").setText(QStringLiteral("1500"));
    Child<QLineEdit>(*window, "edtPrize3").setText(QStringLiteral("300"));
    Child<QPushButton>(*window, "btnPrices").click();

    window->tabs()->setCurrentWidget(window->drawPanel());
    window->drawPanel()->draw();
    folder.saveWindow(*window, QStringLiteral("tickets-set"));
    window->tabs()->setCurrentWidget(window->checkPanel());
    window->checkPanel()->check();
    folder.saveWindow(*window, QStringLiteral("tickets-check"));
    window->tabs()->setCurrentWidget(window->backtestPanel());
    window->backtestPanel()->run();
    folder.saveWindow(*window, QStringLiteral("tickets-backtest"));

    window->tabs()->setCurrentWidget(window->wheelPanel());
    Child<QSpinBox>(*window, "spnWheelCount").setValue(12);
    Child<QPushButton>(*window, "btnWheelFrequent").click();
    Child<QSpinBox>(*window, "spnWheelT").setValue(4);
    Child<QSpinBox>(*window, "spnWheelM").setValue(4);
    QSignalSpy found(window->wheelPanel(), &WheelPanel::searchEnded);
    Child<QPushButton>(*window, "btnWheelFind").click();
    found.wait(60000);
    Child<QPushButton>(*window, "btnWheelAdd").click();
    QSignalSpy checked(window->wheelPanel(), &WheelPanel::checkEnded);
    Child<QPushButton>(*window, "btnWheelCheck").click();
    checked.wait(60000);
    folder.saveWindow(*window, QStringLiteral("wheel-12-6-4"));
}
