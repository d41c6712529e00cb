#pragma once

#include <QObject>
#include <memory>

namespace session {
class LotterySession;
}

class AppearanceSource;
class DrawListBox;
class QAction;
class QMenu;
class QPoint;
class QWidget;

// The context menu of lbxAll: deleting the selected draws (also the Delete key on the list),
// correcting one of them in "Изменить тираж", and the window's undo and redo.
class DrawListMenu : public QObject {
    Q_OBJECT
public:
    DrawListMenu(DrawListBox& list, session::LotterySession& session, QAction* undo, QAction* redo,
                 const AppearanceSource& appearance, QWidget* window);

    // The menu for the draws selected now, as the right mouse button shows it.
    std::unique_ptr<QMenu> menuForSelection();
    QAction* deleteAction() const { return delete_; }
    QAction* editAction() const { return edit_; }

    void deleteSelected();
    void editSelected();

private:
    void selectionChanged();
    void showMenu(const QPoint& position);

    DrawListBox& list_;
    session::LotterySession& session_;
    QAction* undo_;
    QAction* redo_;
    const AppearanceSource& appearance_;
    QWidget* window_;
    QAction* delete_;
    QAction* edit_;
};
