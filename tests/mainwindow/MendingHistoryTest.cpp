// The context menu of the list of past draws, the names of the undo steps and a refused
// typed number, on the real main window.
#include "drawentry/DrawEntryPage.h"
#include "statistics/DrawListBox.h"
#include "statistics/DrawListMenu.h"
#include "dialogs/FrmEditDraw.h"
#include "statistics/StatisticsPage.h"
#include "platform/SystemBeep.h"
#include "WindowTesting.h"
#include "drawentry/DrawEntryPage.h"
#include "platform/SystemBeep.h"
#include "statistics/DrawListBox.h"
#include "statistics/DrawListMenu.h"
#include "statistics/StatisticsPage.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

namespace {

// "text" for each item, "-" for a separator, "(text)" for a disabled one.
QStringList Items(QMenu& menu) {
    QStringList items;
    for (const QAction* action : menu.actions())
        items << (action->isSeparator() ? QStringLiteral("-")
                  : action->isEnabled() ? action->text()
                                        : QLatin1Char('(') + action->text() + QLatin1Char(')'));
    return items;
}

// Keys as typed; '\n' is Enter.
void Type(QWidget* widget, const char* keys) {
    for (; *keys != 0; ++keys) {
        if (*keys == '\n')
            QTest::keyClick(widget, Qt::Key_Return);
        else
            QTest::keyClick(widget, *keys);
    }
}

} // namespace

class MendingHistoryTest : public QObject {
    Q_OBJECT
private slots:
    void theMenuNamesWhatItDoesForOneAndForSeveralDraws() {
        MainWindowFixture f;
        PagesOf(*f.window).setCurrentIndex(1);
        QPushButton* focus = DrawEntryOf(*f.window).focusButton();
        // Typed, each draw ended by Enter; the 4 waits for a second digit until the blank.
        Type(focus, "1 2 3 4 5 6\n10,20,30,40,45,49\n7 8 9 4 11 12\n");
        QCOMPARE(f.document().drawCount(), 3);
        QCOMPARE(f.document().drawLine(2), std::string("7  8  9  4  11  12  "));
        f.showStatisticsPage();

        DrawListBox* list = StatisticsOf(*f.window).lbxAll();
        DrawListMenu& menu = DrawListMenuOf(*f.window);
        // The draw recorded last shows selected.
        QCOMPARE(list->selectedRows(), std::vector<int>{2});
        list->selectRow(1);
        QCOMPARE(Items(*menu.menuForSelection()),
                 (QStringList{"Удалить тираж", "Изменить тираж...", "-",
                              "Отменить добавление тиража", "(Повторить)"}));
        list->selectionModel()->select(list->model()->index(2, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(Items(*menu.menuForSelection()).mid(0, 2),
                 (QStringList{"Удалить тиражи (2)", "(Изменить тираж...)"}));

        // The Delete key on the list deletes what is selected.
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(f.document().drawCount(), 1);
        QCOMPARE(Items(*menu.menuForSelection()),
                 (QStringList{"(Удалить тираж)", "(Изменить тираж...)", "-",
                              "Отменить удаление тиражей (2)", "(Повторить)"}));
        menu.menuForSelection()->actions()[3]->trigger();
        QCOMPARE(f.document().drawCount(), 3);
        QCOMPARE(Items(*menu.menuForSelection()).mid(3),
                 (QStringList{"Отменить добавление тиража", "Повторить удаление тиражей (2)"}));

        // A double-click on a draw opens it for mending.
        bool editing = false;
        WhenModalShows([&editing](QWidget* modal) {
            editing = qobject_cast<FrmEditDraw*>(modal) != nullptr;
            modal->close();
        });
        const QPoint first = list->visualRect(list->model()->index(0, 0)).center();
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, first);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, first);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
        QVERIFY(editing);
    }

    void aRefusedTypedNumberBeepsAndDoesNothingElse() {
        MainWindowFixture f;
        PagesOf(*f.window).setCurrentIndex(1);
        int beeps = 0;
        SetBeepHandler([&beeps] { ++beeps; });
        QPushButton* focus = DrawEntryOf(*f.window).focusButton();
        Type(focus, "7 7 0 ");
        SetBeepHandler({});
        QCOMPARE(beeps, 2);
        QCOMPARE(f.document().cardCount(), 1);
        QVERIFY(f.document().cardSet().contains(7));
    }
};

ZHREBIKON_UI_TEST_MAIN(MendingHistoryTest)
#include "MendingHistoryTest.moc"
