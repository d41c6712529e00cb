#include "tickets/FrmTickets.h"

#include "TicketWindowFixture.h"
#include "WindowTesting.h"
#include "lottery/RandomSource.h"
#include "session/LotterySession.h"
#include "tickets/BacktestPanel.h"
#include "tickets/BacktestTable.h"
#include "tickets/CheckTableModel.h"
#include "tickets/SetDrawPanel.h"
#include "tickets/TicketCheckPanel.h"
#include "tickets/TicketFile.h"
#include "tickets/TicketListModel.h"
#include "tickets/TicketSetHost.h"
#include "tickets/WheelCard.h"
#include "tickets/WheelPanel.h"
#include "wheels/WheelVerifier.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <random>
#include <set>

class FrmTicketsTest : public QObject {
    Q_OBJECT

private slots:
    // A set made the ways a user makes one, each change one step of the host's history, and
    // every figure of the window follows the set.
    void makesASetStepByStepAndChecksIt() {
        TicketWindowFixture f(300);
        auto& [host, window] = f;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        window.ticketEntry()->setText(QStringLiteral("41, 3 12 18 27 34"));
        QTest::keyClick(window.ticketEntry(), Qt::Key_Return);
        window.ticketEntry()->setText(QStringLiteral("1 2 3 4 5 50"));
        QTest::keyClick(window.ticketEntry(), Qt::Key_Return); // refused: no step
        for (int n : {7, 14, 21, 28, 35, 42})
            host.lottery.MarkNumber(n);
        QVERIFY(window.addCard());
        window.findChild<QPushButton*>(QStringLiteral("btnRandomTickets"))->click();
        QCOMPARE(host.undo.size(), 3U);
        QCOMPARE(host.set.size(), 7U);
        QCOMPARE(host.set.at(0).text(), std::string("3 12 18 27 34 41"));
        QCOMPARE(window.listModel()->rowCount(), 7);

        window.ticketList()->selectRow(1);
        window.findChild<QPushButton*>(QStringLiteral("btnDeleteTickets"))->click();
        QCOMPARE(host.set.size(), 6U);
        window.checkPanel()->check();
        auto* table = qobject_cast<CheckTableModel*>(window.checkPanel()->table()->model());
        QVERIFY(table->check().has_value());
        QCOMPARE(table->check()->ticketDraws(), 6LL * 300);
        QCOMPARE(table->rowCount(), CheckTableModel::FirstTicket + 6);

        // Both ranges reach the last draw at first.
        for (const char* to : {"spnBacktestTo", "spnCheckTo"})
            QCOMPARE(window.findChild<QSpinBox*>(to)->value(), host.lottery.drawCount());
        window.backtestPanel()->setRange(101, 300);
        window.backtestPanel()->run();
        QCOMPARE(window.backtestPanel()->table()->rowCount(), 5);
        QVERIFY(!window.backtestPanel()->verdict()->text().isEmpty());
        window.drawPanel()->draw();
        QVERIFY(window.listModel()
                    ->data(window.listModel()->index(0, TicketListModel::Hits), Qt::DisplayRole)
                    .isValid());

        // Undone to the start, step by step: the window shows an empty set.
        while (!host.undo.empty())
            f.undoLast();
        QCOMPARE(window.listModel()->rowCount(), 0);
    }

    // In the program: the card goes into the session's set as a step of its one history, and
    // the window opened for it follows undo.
    void theCardGoesIntoTheSetAsAStepOfTheProgramsHistory() {
        MainWindowFixture f;
        for (int n : {5, 10, 15, 20, 25, 30})
            f.document().MarkNumber(n);
        f.action("actAddCardToSet")->trigger();
        session::LotterySession& session = f.window->session();
        QCOMPARE(session.ticketSet().size(), 1U);
        auto* window = f.window->findChild<FrmTickets*>();
        QVERIFY(window != nullptr && window->isVisible());
        QCOMPARE(window->listModel()->rowCount(), 1);
        session.undo();
        QCOMPARE(window->listModel()->rowCount(), 0);
        window->hide();
        f.action("actTickets")->trigger();
        QVERIFY(window->isVisible());

        // A key that two actions of the window share does nothing at all.
        std::set<QString> keys;
        for (const QAction* action : f.window->actions())
            for (const QKeySequence& key : action->shortcuts())
                QVERIFY2(keys.insert(key.toString()).second, qPrintable(key.toString()));
    }

    // Saved and opened again as one step; a set of another lottery is refused, not cut to fit.
    void savesAndOpensTheSetWholeOrNotAtAll() {
        TicketWindowFixture f;
        auto& [host, window] = f;
        host.set.AddRandom(4, host.generator);
        window.refreshSet();
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("мой.tickets"));
        QCOMPARE(window.saveSet(path), QString());
        QVERIFY(!window.setChangedSinceSaved());
        const lottery::TicketSet saved = host.set;
        host.set.AddRandom(2, host.generator);
        window.refreshSet();
        QVERIFY(window.setChangedSinceSaved());
        QCOMPARE(window.openSet(path), QString());
        QVERIFY(host.set == saved);
        QCOMPARE(host.undo.size(), 1U);

        const QString other = folder.filePath(QStringLiteral("other.tickets"));
        lottery::WriteTicketFile(other.toStdString(), lottery::TicketSet({5, 36}));
        QVERIFY(window.openSet(other).contains(QStringLiteral("5 из 36")));
        QVERIFY(host.set == saved);
        QCOMPARE(host.undo.size(), 1U);
    }
    // A wheel found and added through the panel: one step that adds tickets over the chosen
    // numbers only, which the verifier proves, and that one undo takes away again.
    void addsAProvenWheelAsOneStep() {
        TicketWindowFixture f(50);
        auto& [host, window] = f;
        host.set.AddRandom(3, host.generator);
        window.refreshSet();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.tabs()->setCurrentWidget(window.wheelPanel());

        std::mt19937 rng(8);
        std::vector<int> pool(49);
        std::iota(pool.begin(), pool.end(), 1);
        std::shuffle(pool.begin(), pool.end(), rng);
        std::vector<int> chosen(pool.begin(), pool.begin() + 8);
        std::sort(chosen.begin(), chosen.end());
        for (int n : chosen)
            QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("wheelBall%1").arg(n)),
                              Qt::LeftButton);
        window.findChild<QSpinBox*>(QStringLiteral("spnWheelT"))->setValue(4);
        window.findChild<QSpinBox*>(QStringLiteral("spnWheelM"))->setValue(4);
        QSignalSpy ended(window.wheelPanel(), &WheelPanel::searchEnded);
        window.findChild<QPushButton*>(QStringLiteral("btnWheelFind"))->click();
        QVERIFY(ended.wait(30000));
        const auto wheel = window.wheelPanel()->wheel();
        QVERIFY(!wheel.empty());

        const lottery::TicketSet before = host.set;
        const std::size_t steps = host.undo.size();
        window.findChild<QPushButton*>(QStringLiteral("btnWheelAdd"))->click();
        QCOMPARE(host.undo.size(), steps + 1);
        QCOMPARE(host.set.size(), before.size() + wheel.size());
        std::vector<std::vector<int>> added;
        for (std::size_t i = before.size(); i < host.set.size(); ++i) {
            added.push_back(host.set.at(i).numbers());
            for (int n : added.back())
                QVERIFY(std::binary_search(chosen.begin(), chosen.end(), n));
        }
        QVERIFY(wheels::VerifyWheel(added, chosen, 4, 4).holds);

        // The set checked on the worker: the proven wheel leaves no hole.
        QSignalSpy checked(window.wheelPanel(), &WheelPanel::checkEnded);
        window.findChild<QPushButton*>(QStringLiteral("btnWheelCheck"))->click();
        QVERIFY(checked.wait(30000));
        QVERIFY(window.wheelPanel()->checkLabel()->text().contains(QStringLiteral("выполняется")));
        QVERIFY(!window.wheelPanel()->checkLabel()->text().contains(QStringLiteral("не выполн")));

        f.undoLast();
        QVERIFY(host.set == before);

        // A check too long to wait for: the window answers, and Stop ends it.
        std::vector<int> all(49);
        std::iota(all.begin(), all.end(), 1);
        window.wheelPanel()->card()->setChosen(all);
        host.set.AddRandom(1000, host.generator);
        window.findChild<QSpinBox*>(QStringLiteral("spnWheelM"))->setValue(6);
        window.findChild<QPushButton*>(QStringLiteral("btnWheelCheck"))->click();
        QVERIFY(window.wheelPanel()->checking());
        QTest::qWait(300);
        QVERIFY(window.wheelPanel()->checkLabel()->text().contains(QStringLiteral("%")));
        window.findChild<QPushButton*>(QStringLiteral("btnWheelStop"))->click();
        QVERIFY(checked.wait(5000));
        QVERIFY(window.wheelPanel()->checkLabel()->text().contains(QStringLiteral("остановлена")));
    }
};

QTEST_MAIN(FrmTicketsTest)
#include "FrmTicketsTest.moc"
