#include "widgets/StringGrid.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <qdrawutil.h>

namespace {

constexpr int kScrollBarHeight = 17;
constexpr int kTextOffset = 2;
const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kGrey(0x80, 0x80, 0x80);

} // namespace

StringGrid::StringGrid(QWidget* parent)
    : QWidget(parent), fixedColour_(palette().color(QPalette::Active, QPalette::Button)),
      fontColour_(palette().color(QPalette::Active, QPalette::Text)),
      scrollBar_(new QScrollBar(Qt::Horizontal, this)) {
    setFocusPolicy(Qt::StrongFocus);
    scrollBar_->setTracking(true); // the columns follow the thumb while it is dragged
    scrollBar_->setFocusPolicy(Qt::NoFocus);
    connect(scrollBar_, &QScrollBar::valueChanged, this, &StringGrid::scrollBarMoved);
    updateScrollBar();
}

void StringGrid::setColCount(int count) {
    colCount_ = std::max(count, fixedCols_ + 1);
    current_.setX(std::min(current_.x(), colCount_ - 1));
    anchor_ = current_;
    setLeftCol(leftCol_);
    updateScrollBar();
    update();
}

void StringGrid::setRowCount(int count) {
    rowCount_ = std::max(count, 1);
    current_.setY(std::min(current_.y(), rowCount_ - 1));
    anchor_ = current_;
    update();
}

void StringGrid::setFixedCols(int count) {
    fixedCols_ = std::clamp(count, 0, colCount_ - 1);
    leftCol_ = std::max(leftCol_, fixedCols_);
    if (current_.x() < fixedCols_)
        current_.setX(fixedCols_);
    anchor_ = current_;
    setLeftCol(fixedCols_);
    updateScrollBar();
    update();
}

void StringGrid::setDefaultColWidth(int width) {
    defaultColWidth_ = std::max(width, 0);
    updateScrollBar();
    update();
}

void StringGrid::fitColumnsToTexts(int narrowest) {
    const QFontMetrics metrics(font());
    int widest = 0;
    for (int col = fixedCols_; col < colCount_ && static_cast<std::size_t>(col) < texts_.size();
         ++col)
        for (int row = 0; row < rowCount_ && static_cast<std::size_t>(row) < texts_[col].size();
             ++row)
            widest = std::max(widest, metrics.horizontalAdvance(texts_[col][row]));
    // The text starts kTextOffset into the cell and fits when it ends before the cell's edge;
    // a widened column leaves as much room after it as before.
    const bool fits = kTextOffset + widest < narrowest;
    const int width = fits ? narrowest : widest + 2 * kTextOffset;
    if (width == defaultColWidth_)
        return;
    setDefaultColWidth(width);
    setLeftCol(leftCol_);
    update();
}

void StringGrid::setColWidth(int col, int width) {
    if (col < 0)
        return;
    if (static_cast<std::size_t>(col) >= colWidths_.size())
        colWidths_.resize(static_cast<std::size_t>(col) + 1, 0);
    colWidths_[static_cast<std::size_t>(col)] = std::max(width, 0);
    updateScrollBar();
    update();
}

int StringGrid::colWidth(int col) const {
    if (col >= 0 && static_cast<std::size_t>(col) < colWidths_.size() &&
        colWidths_[static_cast<std::size_t>(col)] > 0)
        return colWidths_[static_cast<std::size_t>(col)];
    return defaultColWidth_;
}

void StringGrid::setDefaultRowHeight(int height) {
    rowHeight_ = std::max(height, 1);
    update();
}

void StringGrid::setFramed(bool framed) {
    framed_ = framed;
    resizeEvent(nullptr);
    update();
}

void StringGrid::setScrollBarShown(bool shown) {
    scrollBarShown_ = shown;
    scrollBar_->setVisible(shown);
    resizeEvent(nullptr);
    update();
}

QString StringGrid::cell(int col, int row) const {
    if (col < 0 || row < 0 || static_cast<std::size_t>(col) >= texts_.size())
        return {};
    const auto& column = texts_[static_cast<std::size_t>(col)];
    if (static_cast<std::size_t>(row) >= column.size())
        return {};
    return column[static_cast<std::size_t>(row)];
}

void StringGrid::setCell(int col, int row, const QString& text) {
    if (col < 0 || row < 0)
        return;
    if (static_cast<std::size_t>(col) >= texts_.size())
        texts_.resize(static_cast<std::size_t>(col) + 1);
    auto& column = texts_[static_cast<std::size_t>(col)];
    if (static_cast<std::size_t>(row) >= column.size())
        column.resize(static_cast<std::size_t>(row) + 1);
    if (column[static_cast<std::size_t>(row)] == text)
        return;
    column[static_cast<std::size_t>(row)] = text;
    if (col < colCount_ && row < rowCount_)
        update(cellRect(col, row).adjusted(0, 0, kLineWidth, kLineWidth));
}

int StringGrid::maxLeftCol() const {
    int fixedWidth = 0;
    for (int c = 0; c < fixedCols_; ++c)
        fixedWidth += colWidth(c) + kLineWidth;
    const int available = cellArea().width() - fixedWidth;
    // The last column's own line may fall outside the grid.
    int used = -kLineWidth;
    int start = colCount_ - 1;
    for (int c = colCount_ - 1; c >= fixedCols_; --c) {
        used += colWidth(c) + kLineWidth;
        if (used > available)
            break;
        start = c;
    }
    return std::max(start, fixedCols_);
}

void StringGrid::setLeftCol(int col) {
    const int clamped = std::clamp(col, fixedCols_, std::max(fixedCols_, maxLeftCol()));
    if (clamped == leftCol_) {
        updateScrollBar();
        return;
    }
    leftCol_ = clamped;
    updateScrollBar();
    update();
    emit leftColChanged(leftCol_);
}

void StringGrid::setCurrentCell(int col, int row) {
    moveCurrent(col, row, false);
}

QRect StringGrid::selection() const {
    return QRect(QPoint(std::min(anchor_.x(), current_.x()), std::min(anchor_.y(), current_.y())),
                 QPoint(std::max(anchor_.x(), current_.x()), std::max(anchor_.y(), current_.y())));
}

void StringGrid::setBackColour(const QColor& colour) {
    backColour_ = colour;
    update();
}

void StringGrid::setFixedColour(const QColor& colour) {
    fixedColour_ = colour;
    update();
}

void StringGrid::setFontColour(const QColor& colour) {
    fontColour_ = colour;
    update();
}

QRect StringGrid::cellArea() const {
    const int frame = frameWidth();
    QRect area = rect().adjusted(frame, frame, -frame, -frame);
    if (scrollBarShown_)
        area.setBottom(area.bottom() - kScrollBarHeight);
    return area;
}

int StringGrid::colLeft(int col) const {
    int x = 0;
    if (col < fixedCols_) {
        for (int c = 0; c < col; ++c)
            x += colWidth(c) + kLineWidth;
        return x;
    }
    if (col < leftCol_)
        return -1;
    for (int c = 0; c < fixedCols_; ++c)
        x += colWidth(c) + kLineWidth;
    for (int c = leftCol_; c < col; ++c)
        x += colWidth(c) + kLineWidth;
    return x;
}

QRect StringGrid::cellRect(int col, int row) const {
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_)
        return {};
    const int left = colLeft(col);
    if (left < 0)
        return {};
    const QRect area = cellArea();
    const QRect cell(area.left() + left, area.top() + row * (rowHeight_ + kLineWidth),
                     colWidth(col), rowHeight_);
    if (cell.left() > area.right() || cell.top() > area.bottom())
        return {};
    return cell;
}

bool StringGrid::cellAt(QPoint position, int& col, int& row) const {
    const QRect area = cellArea();
    if (!area.contains(position))
        return false;
    row = (position.y() - area.top()) / (rowHeight_ + kLineWidth);
    if (row >= rowCount_)
        return false;
    for (int c = 0; c < colCount_; ++c) {
        const QRect r = cellRect(c, row);
        if (!r.isEmpty() && position.x() >= r.left() && position.x() <= r.right() + kLineWidth) {
            col = c;
            return true;
        }
    }
    return false;
}

void StringGrid::moveCurrent(int col, int row, bool extend) {
    col = std::clamp(col, fixedCols_, colCount_ - 1);
    row = std::clamp(row, 0, rowCount_ - 1);
    current_ = QPoint(col, row);
    if (!extend)
        anchor_ = current_;
    scrollIntoView(col);
    update();
}

void StringGrid::scrollIntoView(int col) {
    if (col < fixedCols_)
        return;
    if (col < leftCol_) {
        setLeftCol(col);
        return;
    }
    const QRect area = cellArea();
    int left = leftCol_;
    auto rightEdge = [&](int first) {
        int x = 0;
        for (int c = 0; c < fixedCols_; ++c)
            x += colWidth(c) + kLineWidth;
        for (int c = first; c <= col; ++c)
            x += colWidth(c) + kLineWidth;
        return x - kLineWidth;
    };
    while (left < col && rightEdge(left) > area.width())
        ++left;
    setLeftCol(left);
}

void StringGrid::updateScrollBar() {
    updatingScrollBar_ = true;
    const int maxLeft = std::max(fixedCols_, maxLeftCol());
    scrollBar_->setRange(fixedCols_, maxLeft);
    int visible = 0;
    for (int c = leftCol_; c < colCount_ && !cellRect(c, 0).isEmpty(); ++c)
        ++visible;
    scrollBar_->setPageStep(std::max(visible, 1));
    scrollBar_->setValue(leftCol_);
    updatingScrollBar_ = false;
}

void StringGrid::scrollBarMoved(int value) {
    if (!updatingScrollBar_)
        setLeftCol(value);
}

void StringGrid::resizeEvent(QResizeEvent* /*event*/) {
    const int frame = frameWidth();
    scrollBar_->setGeometry(frame, height() - frame - kScrollBarHeight, width() - 2 * frame,
                            kScrollBarHeight);
    setLeftCol(leftCol_);
    updateScrollBar();
}

void StringGrid::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QPalette& pal = palette();
    const QRect area = cellArea();
    painter.fillRect(area, backColour_);
    if (framed_)
        qDrawWinPanel(&painter, rect(), pal, true);
    painter.setClipRect(area);
    painter.setFont(font());
    for (int row = 0; row < rowCount_; ++row) {
        for (int col = 0; col < colCount_; ++col) {
            if (col >= fixedCols_ && col < leftCol_)
                continue;
            const QRect r = cellRect(col, row);
            if (r.isEmpty())
                break;
            paintCell(painter, col, row, r);
        }
    }
}

void StringGrid::paintCell(QPainter& painter, int col, int row, const QRect& rect) const {
    const QPalette& pal = palette();
    const bool fixed = col < fixedCols_;
    const QColor& back = backColour_;
    const bool selected = !fixed && selection().contains(col, row);

    QColor fill = fixed ? fixedColour_ : back;
    QColor text = fontColour_;
    if (selected) {
        fill = pal.color(QPalette::Active, QPalette::Highlight);
        text = pal.color(QPalette::Active, QPalette::HighlightedText);
    }
    painter.fillRect(rect, fill);

    // The lines to the right of and below the cell.
    QColor line = fixed ? Qt::black : (back == kSilver ? kGrey : kSilver);
    painter.fillRect(QRect(rect.right() + 1, rect.top(), kLineWidth, rect.height() + kLineWidth),
                     line);
    painter.fillRect(QRect(rect.left(), rect.bottom() + 1, rect.width(), kLineWidth), line);

    if (fixed) {
        // Raised inner edge.
        painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1),
                         pal.color(QPalette::Light));
        painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()),
                         pal.color(QPalette::Light));
        painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1),
                         pal.color(QPalette::Dark));
        painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()),
                         pal.color(QPalette::Dark));
    }

    const QString content = cell(col, row);
    if (content.isEmpty())
        return;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setPen(text);
    painter.drawText(QRect(rect.left() + kTextOffset, rect.top() + kTextOffset, 10000, 10000),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, content);
    painter.restore();
}

void StringGrid::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton)
        return;
    int col = 0;
    int row = 0;
    if (cellAt(event->position().toPoint(), col, row) && col >= fixedCols_)
        moveCurrent(col, row, event->modifiers().testFlag(Qt::ShiftModifier));
}

void StringGrid::mouseMoveEvent(QMouseEvent* event) {
    if (!event->buttons().testFlag(Qt::LeftButton))
        return;
    int col = 0;
    int row = 0;
    if (cellAt(event->position().toPoint(), col, row) && col >= fixedCols_)
        moveCurrent(col, row, true);
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
    const bool extend = event->modifiers().testFlag(Qt::ShiftModifier);
    switch (event->key()) {
    case Qt::Key_Left:
        moveCurrent(current_.x() - 1, current_.y(), extend);
        break;
    case Qt::Key_Right:
        moveCurrent(current_.x() + 1, current_.y(), extend);
        break;
    case Qt::Key_Up:
        moveCurrent(current_.x(), current_.y() - 1, extend);
        break;
    case Qt::Key_Down:
        moveCurrent(current_.x(), current_.y() + 1, extend);
        break;
    case Qt::Key_Home:
        moveCurrent(fixedCols_, current_.y(), extend);
        break;
    case Qt::Key_End:
        moveCurrent(colCount_ - 1, current_.y(), extend);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void StringGrid::wheelEvent(QWheelEvent* event) {
    if (!scrollBarShown_) {
        QWidget::wheelEvent(event);
        return;
    }
    const int steps =
        event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    setLeftCol(leftCol_ + (steps < 0 ? 1 : -1));
    event->accept();
}
