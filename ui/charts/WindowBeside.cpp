#include "charts/WindowBeside.h"

#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>

void PlaceBeside(QWidget& window, const QWidget& main) {
    const QScreen* screen = main.screen();
    if (screen == nullptr)
        return;
    const QRect room = screen->availableGeometry();
    const QRect beside = main.frameGeometry();
    // The window manager's frame is not known before the first showing; the main window's
    // stands in for it.
    const QSize frame = beside.size() - main.geometry().size();
    const QSize size = window.size() + frame;
    const auto clampedY = [&](int y) {
        return std::clamp(y, room.top(), std::max(room.top(), room.bottom() + 1 - size.height()));
    };
    const auto clampedX = [&](int x) {
        return std::clamp(x, room.left(), std::max(room.left(), room.right() + 1 - size.width()));
    };
    // Right, left, below and above, each kept on the screen; the first that covers nothing of
    // the main window, else the one that covers least of it.
    const QPoint candidates[] = {
        {clampedX(beside.right() + 1), clampedY(beside.top())},
        {clampedX(beside.left() - size.width()), clampedY(beside.top())},
        {clampedX(beside.left()), clampedY(beside.bottom() + 1)},
        {clampedX(beside.left()), clampedY(beside.top() - size.height())},
    };
    const auto covered = [&](QPoint at) {
        const QRect overlap = QRect(at, size).intersected(beside);
        return overlap.isEmpty() ? 0LL : static_cast<long long>(overlap.width()) * overlap.height();
    };
    const QPoint* best =
        std::min_element(std::begin(candidates), std::end(candidates),
                         [&](QPoint a, QPoint b) { return covered(a) < covered(b); });
    window.move(*best);
}
