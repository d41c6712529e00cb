#include "mainwindow/ExtraActions.h"

#include "drawentry/DrawEntryPage.h"
#include "mainwindow/AnalysisHooks.h"
#include "mainwindow/PageControl.h"
#include "options/AppearanceOptions.h"
#include "session/LotterySession.h"
#include "statistics/DrawListBox.h"
#include "statistics/DrawListMenu.h"
#include "statistics/StatisticsPage.h"
#include "tickets/TicketHooks.h"

#include <QAction>
#include <QMainWindow>
#include <QSlider>
#include <QUndoStack>

namespace {

void AddHistoryActions(const MainWindowParts& parts) {
    QUndoStack& history = parts.session.undoStack();
    // Not in the main menu, whose items stay as they are: the list's context menu and the
    // keys, window-wide (so also on the draw-entry page).
    QAction* undo = history.createUndoAction(&parts.window, QStringLiteral("Отменить"));
    undo->setObjectName(QStringLiteral("actUndo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = history.createRedoAction(&parts.window, QStringLiteral("Повторить"));
    redo->setObjectName(QStringLiteral("actRedo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    parts.window.addAction(undo);
    parts.window.addAction(redo);
    new DrawListMenu(*parts.statistics.lbxAll(), parts.session, undo, redo, parts.appearance,
                     &parts.window);
}

void AddAnalysisActions(const MainWindowParts& parts) {
    QSlider* trcNumber = parts.statistics.trcNumber();
    auto* hooks = new AnalysisHooks(parts.session, parts.appearance,
                                    {[trcNumber] { return trcNumber->value(); },
                                     [trcNumber](int n) { trcNumber->setValue(n); }},
                                    &parts.window);
    parts.window.addAction(hooks->chartsAction());
    parts.window.addAction(hooks->ticketCheckAction());
    parts.statistics.addContextAction(hooks->chartsAction());
    parts.drawEntry.addCardAction(hooks->ticketCheckAction());
}

void AddTicketActions(const MainWindowParts& parts) {
    PageControl* pages = &parts.pages;
    DrawListBox* list = parts.statistics.lbxAll();
    auto* hooks = new TicketHooks(
        parts.session, parts.random,
        [pages, list](int row) {
            // The list of past draws is on the statistics page.
            pages->setCurrentIndex(0);
            list->selectRow(row);
            list->scrollTo(list->model()->index(row, 0), QAbstractItemView::PositionAtCenter);
        },
        &parts.window);
    parts.window.addAction(hooks->ticketsAction());
    parts.drawEntry.addCardAction(hooks->addCardAction());
    // Shared with F5, which works whatever the card holds.
    parts.drawEntry.addCardAction(hooks->ticketsAction(), false);
}

} // namespace

void AddExtraActions(const MainWindowParts& parts) {
    AddHistoryActions(parts);
    AddAnalysisActions(parts);
    QObject::connect(&parts.drawEntry, &DrawEntryPage::drawRecorded, &parts.statistics,
                     &StatisticsPage::selectLastDraw);
    AddTicketActions(parts);
}
