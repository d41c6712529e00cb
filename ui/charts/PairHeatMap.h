#pragma once

#include "chance/ChartFigures.h"

#include <QWidget>

// N x N squares, one per pair of numbers, coloured by how far the pair's count lies from what
// chance gives: blue below, white as expected, red above. Hovering names the pair and both
// figures; clicking a square or a number chooses the number of its row.
class PairHeatMap : public QWidget {
    Q_OBJECT
public:
    explicit PairHeatMap(QWidget* parent = nullptr);

    void setFigure(const lottery::PairFigure& figure, const QString& title);
    void setSelected(int number);
    // The number whose row or label lies under a point; 0 for none.
    int numberAt(QPoint point) const;
    // The hover text for the square or the number under a point; empty for none.
    QString describe(QPoint point) const;

signals:
    void numberClicked(int number);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Cell {
        int row = 0;    // 0 when the point is outside the squares
        int column = 0; // 0 on a row label, as row is 0 on a column label
    };
    Cell cellAt(QPoint point) const;
    QRect square(int row, int column) const;
    int side() const; // of one square
    QColor colourOf(long long count) const;
    void paintLegend(QPainter& painter, QRect area) const;

    lottery::PairFigure figure_;
    QString title_;
    int selected_ = 0;
};
