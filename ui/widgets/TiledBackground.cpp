#include "widgets/TiledBackground.h"

#include "Tiling.h"

#include <QPixmap>

TiledBackground::TiledBackground(const QString& name, QSize size, QWidget* parent)
    : QLabel(parent) {
    setObjectName(name);
    setGeometry(0, 0, size.width(), size.height());
    lower();
}

void TiledBackground::lay(const QImage& tile, int cols, int rows) {
    art::LayTiles(picture_, size(), tile, cols, rows);
    setPixmap(QPixmap::fromImage(picture_));
}

void TiledBackground::layCovering(const QImage& tile) {
    if (tile.isNull())
        return;
    lay(tile, (width() + tile.width() - 1) / tile.width(),
        (height() + tile.height() - 1) / tile.height());
}
