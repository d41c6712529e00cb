#pragma once

#include <QImage>
#include <QPixmap>

namespace art {

// The colour of the bottom-left pixel, which a picture shown transparent treats as see-through.
QRgb KeyColour(const QImage& picture);
// A copy whose pixels of the key colour are fully transparent.
QImage WithKeyTransparent(const QImage& picture);
// The same as a pixmap for labels and button icons.
QPixmap TransparentPixmap(const QImage& picture);

} // namespace art
