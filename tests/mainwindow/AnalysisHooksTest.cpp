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
        QCOMPARE(MenuAt(page.numberButton(1)),
                 QStringList{QStringLiteral("Проверить билет по истории... (недоступно)")});
        for (int n = 1; n <= 6; ++n)
            f.document().MarkNumber(n);
        QCOMPARE(MenuAt(page.numberButton(1)),
                 QStringList{QStringLiteral("Проверить билет по истории...")});
        QVERIFY(MenuAt(page.newTirazButton()).isEmpty()); // off the card

        bool opened = false;
        WhenModalShows([&opened](QWidget* modal) {
            opened = qobject_cast<FrmTicketCheck*>(modal) != nullptr;
            modal->close();
        });
        f.control<QAction>("actTicketCheck")->trigger();
        QVERIFY(opened);
    }

    void f3OpensTheChartsAndANumberClickedThereMovesTheTrackBar() {
        MainWindowFixture f;
        f.addDraw({1, 2, 3, 4, 5, 6});
        bool opened = false;
        WhenModalShows([&opened](QWidget* modal) {
            auto* analysis = qobject_cast<FrmAnalysis*>(modal);
            opened = analysis != nullptr;
            if (opened)
                emit analysis->pairChart()->numberClicked(7);
            modal->close();
        });
        QTest::keyClick(f.window.get(), Qt::Key_F3);
        QVERIFY(opened);
        QCOMPARE(StatisticsOf(*f.window).trcNumber()->value(), 7);
        QCOMPARE(StatisticsOf(*f.window).lblNumber()->text(), QStringLiteral("7"));
    }
};

ZHREBIKON_UI_TEST_MAIN(AnalysisHooksTest)
#include "AnalysisHooksTest.moc"
