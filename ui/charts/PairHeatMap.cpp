#include "charts/PairHeatMap.h"

#include "charts/ChanceWording.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

using namespace chance_wording;

namespace {

constexpr int kTitleHeight = 40;
constexpr int kLabelSpace = 20;
constexpr int kLegendHeight = 34;
// Beyond three standard deviations the colour stays at its deepest.
constexpr double kDeepest = 3.0;
const QColor kBelow(40, 90, 200);
const QColor kAbove(210, 40, 30);
const QColor kOwn(120, 120, 120);

QColor Blend(const QColor& from, const QColor& to, double share) {
    const auto mix = [share](int a, int b) { return static_cast<int>(a + (b - a) * share); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                  mix(from.blue(), to.blue()));
}

} // namespace

PairHeatMap::PairHeatMap(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pairHeatMap"));
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
}

void PairHeatMap::setFigure(const lottery::PairFigure& figure, const QString& title) {
    figure_ = figure;
    title_ = title;
    update();
}

void PairHeatMap::setSelected(int number) {
    selected_ = number;
    update();
}

int PairHeatMap::side() const {
    const int N = std::max(figure_.N, 1);
    const int across = width() - kLabelSpace - 8;
    const int down = height() - kTitleHeight - kLabelSpace - kLegendHeight;
    return std::max(2, std::min(across, down) / N);
}

QRect PairHeatMap::square(int row, int column) const {
    const int s = side();
    const int left = (width() - kLabelSpace - s * figure_.N) / 2 + kLabelSpace;
    return QRect(left + (column - 1) * s, kTitleHeight + kLabelSpace + (row - 1) * s, s, s);
}

PairHeatMap::Cell PairHeatMap::cellAt(QPoint point) const {
    if (figure_.N <= 0)
        return {};
    const QRect first = square(1, 1);
    const int s = side();
    const int column = point.x() >= first.left() ? (point.x() - first.left()) / s + 1 : 0;
    const int row = point.y() >= first.top() ? (point.y() - first.top()) / s + 1 : 0;
    const bool onRowLabel = column == 0 && point.x() >= first.left() - kLabelSpace;
    const bool onColumnLabel = row == 0 && point.y() >= first.top() - kLabelSpace;
    if (row > figure_.N || column > figure_.N || (row == 0 && !onColumnLabel) ||
        (column == 0 && !onRowLabel) || (row == 0 && column == 0))
        return {};
    return {row, column};
}

int PairHeatMap::numberAt(QPoint point) const {
    const Cell cell = cellAt(point);
    return cell.row != 0 ? cell.row : cell.column;
}

QString PairHeatMap::describe(QPoint point) const {
    const Cell cell = cellAt(point);
    const int number = numberAt(point);
    if (number == 0)
        return {};
    if (cell.row == 0 || cell.column == 0 || cell.row == cell.column)
        return QStringLiteral("Номер %1: выпал %2")
            .arg(number)
            .arg(Times(figure_.at(number, number)));
    return QStringLiteral("Пара %1 и %2: вместе %3, случайно ожидается %4")
        .arg(std::min(cell.row, cell.column))
        .arg(std::max(cell.row, cell.column))
        .arg(Times(figure_.at(cell.row, cell.column)))
        .arg(Decimal(figure_.expected));
}

QColor PairHeatMap::colourOf(long long count) const {
    if (figure_.draws <= 0)
        return Qt::white;
    // How many standard deviations of a binomial count the pair lies off its expectation.
    const double q = figure_.expected / static_cast<double>(figure_.draws);
    const double spread = std::sqrt(static_cast<double>(figure_.draws) * q * (1 - q));
    const double z = spread > 0 ? (static_cast<double>(count) - figure_.expected) / spread : 0;
    const double share = std::min(std::fabs(z) / kDeepest, 1.0);
    return Blend(Qt::white, z < 0 ? kBelow : kAbove, share);
}

void PairHeatMap::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QFont titleFont = font();
    titleFont.setPixelSize(13);
    titleFont.setBold(true);
    painter.setFont(titleFont);
    painter.drawText(QRect(0, 0, width(), kTitleHeight / 2 + 2), Qt::AlignCenter, title_);
    const int N = figure_.N;
    if (N <= 0 || figure_.draws <= 0)
        return;
    QFont noteFont = font();
    noteFont.setPixelSize(11);
    painter.setFont(noteFont);
    const int pairs = N * (N - 1) / 2;
    if (figure_.expected <= 0) {
        painter.drawText(QRect(0, kTitleHeight / 2, width(), kTitleHeight / 2), Qt::AlignCenter,
                         QStringLiteral("Когда разыгрывается один номер, пар не бывает."));
        return;
    }
    painter.drawText(QRect(0, kTitleHeight / 2, width(), kTitleHeight / 2), Qt::AlignCenter,
                     QStringLiteral("Вне полосы 95 % случайных исходов (%1–%2): %3 из %4; "
                                    "случайно так выходит в среднем около %5.")
                         .arg(Number(figure_.band.low), Times(figure_.band.high),
                              Pairs(figure_.pairsOutsideBand), Number(pairs),
                              Expected(figure_.expectedOutside)));

    QFont labelFont = font();
    labelFont.setPixelSize(10);
    painter.setFont(labelFont);
    for (int n = 1; n <= N; ++n) {
        // The labels stand in the strip above and left of the squares, whatever their size.
        const QRect column = square(1, n);
        const QRect row = square(n, 1);
        const QRect top(column.left() - 6, column.top() - kLabelSpace, column.width() + 12,
                        kLabelSpace - 2);
        const QRect left(row.left() - 2 * kLabelSpace, row.top(), 2 * kLabelSpace - 3,
                         row.height());
        // Every number when there is room for it, else every fifth; two digits need more
        // room across than down.
        const bool fifth = n % 5 == 0 || n == 1;
        if (side() >= 16 || fifth)
            painter.drawText(top, Qt::AlignHCenter | Qt::AlignBottom, QString::number(n));
        if (side() >= 11 || fifth)
            painter.drawText(left, Qt::AlignRight | Qt::AlignVCenter, QString::number(n));
        for (int m = 1; m <= N; ++m)
            painter.fillRect(square(n, m), n == m ? kOwn : colourOf(figure_.at(n, m)));
    }
    if (selected_ >= 1 && selected_ <= N) {
        painter.setPen(QPen(Qt::black, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(square(selected_, 1).united(square(selected_, N)).adjusted(0, 0, -1, -1));
    }
    const QRect last = square(N, N);
    paintLegend(painter, QRect(square(N, 1).left(), last.bottom() + 8,
                               last.right() - square(N, 1).left(), kLegendHeight - 10));
}

void PairHeatMap::paintLegend(QPainter& painter, QRect area) const {
    const QRect bar(area.left(), area.top(), area.width(), 8);
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    gradient.setColorAt(0, kBelow);
    gradient.setColorAt(0.5, Qt::white);
    gradient.setColorAt(1, kAbove);
    painter.fillRect(bar, gradient);
    painter.setPen(Qt::gray);
    painter.drawRect(bar.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::black);
    QFont legendFont = font();
    legendFont.setPixelSize(11);
    painter.setFont(legendFont);
    const QRect text(area.left(), bar.bottom() + 2, area.width(), area.height() - bar.height());
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("реже ожидаемого"));
    painter.drawText(text, Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("как случайно: %1 на пару").arg(Decimal(figure_.expected)));
    painter.drawText(text, Qt::AlignRight | Qt::AlignTop, QStringLiteral("чаще ожидаемого"));
}

void PairHeatMap::mouseMoveEvent(QMouseEvent* event) {
    const QString text = describe(event->position().toPoint());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPosition().toPoint(), text, this);
}

void PairHeatMap::mousePressEvent(QMouseEvent* event) {
    const int number = numberAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && number != 0) {
        setSelected(number);
        emit numberClicked(number);
    }
}

void PairHeatMap::leaveEvent(QEvent*) {
    QToolTip::hideText();
}
