#pragma once

#include "widgets/AppearanceSource.h"

#include <QColor>
#include <QImage>

// What the main window would hand the dialogs, set directly by a test.
class FakeAppearance : public AppearanceSource {
public:
    QImage tile;
    QColor title = Qt::black;

    QImage currentTile() const override { return tile; }
    QColor titleColour() const override { return title; }
};

// An 81x81 tile in which every pixel differs from its neighbours, so that a misplaced tile
// shows. The seed makes two such tiles differ everywhere.
inline QImage DistinctTile(int seed) {
    QImage tile(81, 81, QImage::Format_RGB32);
    for (int y = 0; y < 81; ++y) {
        for (int x = 0; x < 81; ++x) {
            tile.setPixel(x, y,
                          qRgb((x * 3 + seed) % 256, (y * 3 + seed) % 256, (x + y + seed) % 256));
        }
    }
    return tile;
}

// What a whole-window background of this size must show: the tile repeated from the
// top-left corner and cut at the edge.
inline QImage ExpectedTiling(const QImage& tile, QSize size) {
    QImage expected(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            expected.setPixel(x, y, tile.pixel(x % 81, y % 81));
        }
    }
    return expected;
}
