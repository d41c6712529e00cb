#include "statistics/DrawListMenu.h"

#include "dialogs/FrmEditDraw.h"
#include "lottery/LotteryDocument.h"
#include "session/LotterySession.h"
#include "statistics/DrawListBox.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QMenu>

DrawListMenu::DrawListMenu(DrawListBox& list, session::LotterySession& session, QAction* undo,
                           QAction* redo, const AppearanceSource& appearance, QWidget* window)
    : QObject(&list), list_(list), session_(session), undo_(undo), redo_(redo),
      appearance_(appearance), window_(window),
      delete_(new QAction(QStringLiteral("Удалить тираж"), &list)),
      edit_(new QAction(QStringLiteral("Изменить тираж..."), &list)) {
    delete_->setObjectName(QStringLiteral("actDeleteDraws"));
    delete_->setShortcut(QKeySequence::Delete);
    delete_->setShortcutContext(Qt::WidgetShortcut);
    list_.addAction(delete_);
    edit_->setObjectName(QStringLiteral("actEditDraw"));
    connect(delete_, &QAction::triggered, this, &DrawListMenu::deleteSelected);
    connect(edit_, &QAction::triggered, this, &DrawListMenu::editSelected);

    list_.setToolTip(QStringLiteral(
        "Правая кнопка мыши — удалить, изменить тираж, отменить и повторить.\n"
        "Двойной щелчок — изменить тираж; Delete — удалить выбранные (Shift и Ctrl выбирают "
        "несколько).\nF3 — диаграммы; Ctrl+Z — отменить, Ctrl+Y — повторить."));
    // As on a file in a file manager: a double-click opens the draw for correcting.
    connect(&list_, &QAbstractItemView::doubleClicked, this, &DrawListMenu::editSelected);
    list_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&list_, &QWidget::customContextMenuRequested, this, &DrawListMenu::showMenu);
    // The model is set before the menu is made, and its selection model lives as long.
    connect(list_.selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &DrawListMenu::selectionChanged);
    connect(list_.model(), &QAbstractItemModel::modelReset, this, &DrawListMenu::selectionChanged);
    selectionChanged();
}

void DrawListMenu::selectionChanged() {
    const auto count = static_cast<int>(list_.selectedRows().size());
    delete_->setText(count > 1 ? QStringLiteral("Удалить тиражи (%1)").arg(count)
                               : QStringLiteral("Удалить тираж"));
    delete_->setEnabled(count > 0);
    edit_->setEnabled(count == 1);
}

std::unique_ptr<QMenu> DrawListMenu::menuForSelection() {
    selectionChanged();
    auto menu = std::make_unique<QMenu>(&list_);
    menu->addAction(delete_);
    menu->addAction(edit_);
    menu->addSeparator();
    menu->addAction(undo_);
    menu->addAction(redo_);
    return menu;
}

void DrawListMenu::showMenu(const QPoint& position) {
    menuForSelection()->exec(list_.viewport()->mapToGlobal(position));
}

void DrawListMenu::deleteSelected() {
    const std::vector<int> rows = list_.selectedRows();
    if (rows.empty())
        return;
    list_.clearSelection();
    session_.deleteDraws(rows);
}

void DrawListMenu::editSelected() {
    const std::vector<int> rows = list_.selectedRows();
    if (rows.size() != 1)
        return;
    const int row = rows.front();
    const lottery::LotteryDocument& document = session_.document();
    const std::optional<lottery::DrawRecord> after = FrmEditDraw::Edit(
        document.shape(), document.draws()[static_cast<std::size_t>(row)], appearance_, window_);
    if (after)
        session_.replaceDraw(row, *after);
}
