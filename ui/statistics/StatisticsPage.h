#pragma once

#include "lottery/LotteryShape.h"
#include "statistics/DrawListBox.h"

#include <QImage>
#include <QWidget>
#include <array>

namespace lottery {
class LotteryDocument;
}
namespace session {
class LotterySession;
}

class DrawListModel;
class QAction;
class QContextMenuEvent;
class QLabel;
class QShowEvent;
class QSlider;
class StringGrid;

// " Статистика ": the list of past draws and the four statistics tables. It holds no data of
// its own; TabSheet1Show rewrites everything from the document.
class StatisticsPage : public QWidget {
    Q_OBJECT
public:
    explicit StatisticsPage(lottery::LotteryDocument& document, QWidget* parent = nullptr);

    // imgFon1: the tiled 450x303 background.
    void setBackground(const QImage& picture);

    // Background of grdNumber, grdAll, grdChashe, grdReje and lbxAll.
    void setTableBackColour(const QColor& colour);
    // Title-cell colour of grdNumber and grdAll.
    void setTableHeadColour(const QColor& colour);
    // Font colour of the six title labels.
    void setTitleColour(const QColor& colour);
    // Font colour of lbxAll and the four grids.
    void setTableFontColour(const QColor& colour);

    // Start-up: the fixed row titles of grdNumber and grdAll.
    void WriteRowTitles();
    // The refresh run whenever the page becomes visible.
    void TabSheet1Show();
    // The track bar moved to position.
    void trcNumberChange(int position);
    // Part of the page reset: rows of both large grids blanked for columns 1..50.
    void ResetTables();
    // A lottery was started or opened: track bar range 1..N, N + 1 grid columns (8 for N <= 7).
    void ApplyShape(lottery::LotteryShape shape);

    // The list of past draws follows the document.
    void drawsReplaced();
    void drawsEdited(int first, int removed, int inserted);
    // A draw recorded on the card shows selected at the end of the list.
    void selectLastDraw();

    // Shows the session's lottery as it changes: a new shape, the list of past draws, and a
    // refresh after each command while the page is the one shown.
    void followSession(session::LotterySession& session);

    // Offered by a right click on the page and its tables; the list of past draws has its own.
    void addContextAction(QAction* action);

    StringGrid* grdNumber() const { return grdNumber_; }
    StringGrid* grdAll() const { return grdAll_; }
    StringGrid* grdChashe() const { return grdChashe_; }
    StringGrid* grdReje() const { return grdReje_; }
    QSlider* trcNumber() const { return trcNumber_; }
    QLabel* lblNumber() const { return lblNumber_; }
    DrawListBox* lbxAll() const { return lbxAll_; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Every time the page becomes visible it shows the statistics as they are now.
    void showEvent(QShowEvent* event) override;

private:
    QLabel* addTitle(const char* name, const QString& text, int x, int y);
    StringGrid* addLargeGrid(const char* name, QRect geometry, int rows);
    StringGrid* addRankingGrid(const char* name, QRect geometry);
    void FitNumberColumns();

    lottery::LotteryDocument& document_;
    QLabel* imgFon1_;
    std::array<QLabel*, 6> titles_{};
    DrawListBox* lbxAll_;
    DrawListModel* drawList_;
    QSlider* trcNumber_;
    QLabel* lblNumber_;
    StringGrid* grdNumber_;
    StringGrid* grdAll_;
    StringGrid* grdChashe_;
    StringGrid* grdReje_;
    QList<QAction*> contextActions_;
};
