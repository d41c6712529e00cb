#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

class QScrollBar;

// A grid of texts painted by hand: an optional fixed title column, cell lines, range
// selection, a settable first visible column and a horizontal scroll bar that follows the
// thumb. Cell texts are kept per column and row whatever the column count, so cells beyond
// the count keep their text and show it again when the count grows.
class StringGrid : public QWidget {
    Q_OBJECT
public:
    explicit StringGrid(QWidget* parent = nullptr);

    // --- shape
    void setColCount(int count);
    int colCount() const { return colCount_; }
    void setRowCount(int count);
    int rowCount() const { return rowCount_; }
    void setFixedCols(int count);
    int fixedCols() const { return fixedCols_; }
    void setDefaultColWidth(int width);
    void setColWidth(int col, int width);
    int colWidth(int col) const;
    void setDefaultRowHeight(int height);
    int defaultRowHeight() const { return rowHeight_; }
    // The sunken two-pixel edge around the grid.
    void setFramed(bool framed);
    void setScrollBarShown(bool shown);
    QScrollBar* horizontalScrollBar() const { return scrollBar_; }

    // --- texts
    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString& text);

    // Widens the columns after the fixed ones alike to the widest text among them when one does
    // not fit, never below `narrowest`; when every text fits they are `narrowest` wide.
    void fitColumnsToTexts(int narrowest);

    // --- scrolling: the first visible column after the fixed ones
    int leftCol() const { return leftCol_; }
    void setLeftCol(int col);
    // Scrolls as little as needed for the column to show whole.
    void showCol(int col) { scrollIntoView(col); }
    // The largest first visible column that still shows the last column whole.
    int maxLeftCol() const;

    // --- current cell and selected range (anchor..current)
    QPoint currentCell() const { return current_; }
    void setCurrentCell(int col, int row);
    QRect selection() const;

    // --- colours: cells, title cells, texts
    void setBackColour(const QColor& colour);
    QColor backColour() const { return backColour_; }
    void setFixedColour(const QColor& colour);
    QColor fixedColour() const { return fixedColour_; }
    void setFontColour(const QColor& colour);
    QColor fontColour() const { return fontColour_; }

    // Where a cell is drawn in widget coordinates (without its lines); empty when hidden.
    QRect cellRect(int col, int row) const;

signals:
    void leftColChanged(int col);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    static constexpr int kLineWidth = 1;

    QRect cellArea() const;
    int frameWidth() const { return framed_ ? 2 : 0; }
    int colLeft(int col) const; // relative to the cell area; -1 when scrolled away
    bool cellAt(QPoint position, int& col, int& row) const;
    void moveCurrent(int col, int row, bool extend);
    void scrollIntoView(int col);
    void updateScrollBar();
    void scrollBarMoved(int value);
    void paintCell(class QPainter& painter, int col, int row, const QRect& rect) const;

    int colCount_ = 5;
    int rowCount_ = 5;
    int fixedCols_ = 1;
    int defaultColWidth_ = 64;
    std::vector<int> colWidths_; // explicit widths; 0 = default
    int rowHeight_ = 24;
    bool framed_ = true;
    bool scrollBarShown_ = true;
    int leftCol_ = 1;
    QPoint current_{1, 0};
    QPoint anchor_{1, 0};
    QColor backColour_ = Qt::white;
    QColor fixedColour_;                      // the button face
    QColor fontColour_;                       // the window text
    std::vector<std::vector<QString>> texts_; // [col][row], grown on demand
    QScrollBar* scrollBar_;
    bool updatingScrollBar_ = false;
};
