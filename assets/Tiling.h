#pragma once

#include <QImage>
#include <QSize>

namespace art {

inline constexpr int kTileSize = 81;

// Lays the 81x81 tile on target as cols x rows tiles from the top-left, cutting at the
// target's edge. A null target first becomes a blank picture of targetSize.
void LayTiles(QImage& target, QSize targetSize, const QImage& tile, int cols, int rows);

} // namespace art
