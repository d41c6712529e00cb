// Where the analysis window and the ticket check open from in the main window.
#include "WindowTesting.h"
#include "charts/FrmAnalysis.h"
#include "charts/FrmTicketCheck.h"
#include "charts/PairHeatMap.h"
#include "drawentry/DrawEntryPage.h"
#include "statistics/StatisticsPage.h"
#include "widgets/GlyphButton.h"
#include "widgets/StringGrid.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

namespace {

// Right-clicks `widget` at its centre and returns the items of the menu that opens, disabled
// ones marked so; empty when none opens.
QStringList MenuAt(QWidget* widget) {
    QStringList items;
    QTimer::singleShot(0, [&items] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions())
                items << action->text() + (action->isEnabled() ? "" : " (недоступно)");
            menu->close();
        }
    });
    const QPoint at = widget->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    QCoreApplication::processEvents();
    return items;
}

} // namespace

class AnalysisHooksTest : public QObject {
    Q_OBJECT
private slots:
    void chartsAreOfferedOnTheStatisticsTablesButNotOnTheListOfDraws() {
        MainWindowFixture f;
        const QStringList charts{QStringLiteral("Диаграммы...")};
        QCOMPARE(MenuAt(&f.grid("grdAll")), charts);
        QCOMPARE(MenuAt(StatisticsOf(*f.window).trcNumber()), charts);
        QVERIFY(!MenuAt(StatisticsOf(*f.window).lbxAll()->viewport()).contains(charts[0]));
    }

    void theTicketCheckIsAvailableOnTheCardOnceItHoldsKNumbers() {
        MainWindowFixture f;
        DrawEntryPage& page = DrawEntryOf(*f.window);
        PagesOf(*f.window).setCurrentIndex(1);
        // The ticket window opens whatever the card holds; adding it as a ticket needs K numbers.
        QCOMPARE(MenuAt(page.numberButton(1)),
                 (QStringList{QStringLiteral("Проверить билет по истории... (недоступно)"),
                              QStringLiteral("Добавить билет в набор (недоступно)"),
                              QStringLiteral("Билеты...")}));
        for (int n = 1; n <= 6; ++n)
            f.document().MarkNumber(n);
        QCOMPARE(
            MenuAt(page.numberButton(1)),
            (QStringList{QStringLiteral("Проверить билет по истории..."),
                         QStringLiteral("Добавить билет в набор"), QStringLiteral("Билеты...")}));
        QVERIFY(MenuAt(page.newTirazButton()).isEmpty()); // off the card

        f.control<QAction>("actTicketCheck")->trigger();
        auto* check = f.window->findChild<FrmTicketCheck*>();
        QVERIFY(check != nullptr && check->isVisible() && !check->isModal());
        check->close();
    }

    // The charts stand beside the window, not over it: a number clicked there is chosen on the
    // statistics page, and a draw entered meanwhile reaches them.
    void f3OpensTheChartsBesideTheWindowAndTheyFollowIt() {
        MainWindowFixture f;
        f.addDraw({1, 2, 3, 4, 5, 6});
        QTest::keyClick(f.window.get(), Qt::Key_F3);
        auto* analysis = f.window->findChild<FrmAnalysis*>();
        QVERIFY(analysis != nullptr && analysis->isVisible() && !analysis->isModal());
        emit analysis->pairChart()->numberClicked(7);
        QCOMPARE(StatisticsOf(*f.window).trcNumber()->value(), 7);
        QCOMPARE(StatisticsOf(*f.window).lblNumber()->text(), QStringLiteral("7"));
        f.addDraw({7, 8, 9, 10, 11, 12});
        QCOMPARE(analysis->windowChoice()->itemData(0).toLongLong(), 2LL);
        analysis->close();
    }
};

ZHREBIKON_UI_TEST_MAIN(AnalysisHooksTest)
#include "AnalysisHooksTest.moc"
