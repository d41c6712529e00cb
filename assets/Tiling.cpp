#include "Tiling.h"

#include <QPainter>

namespace art {

void LayTiles(QImage& target, QSize targetSize, const QImage& tile, int cols, int rows) {
    if (target.isNull()) {
        target = QImage(targetSize, QImage::Format_RGB32);
        target.fill(Qt::white);
    } else if (target.format() != QImage::Format_RGB32) {
        // Palette pictures cannot be painted on; the laid tiles are true colour anyway.
        target = target.convertToFormat(QImage::Format_RGB32);
    }
    if (tile.isNull() || target.isNull()) {
        return;
    }
    const QRect source(0, 0, kTileSize, kTileSize);
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    // Columns outer, rows inner; the painter clips whatever falls past the target's edge.
    for (int i = 1; i <= cols; ++i) {
        for (int j = 1; j <= rows; ++j) {
            const QRect cell(kTileSize * (i - 1), kTileSize * (j - 1), kTileSize, kTileSize);
            painter.drawImage(cell, tile, source);
        }
    }
}

} // namespace art
