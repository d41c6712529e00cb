#include "Transparency.h"

namespace art {

QRgb KeyColour(const QImage& picture) {
    if (picture.isNull()) {
        return qRgb(0, 0, 0);
    }
    return picture.pixel(0, picture.height() - 1);
}

QImage WithKeyTransparent(const QImage& picture) {
    if (picture.isNull()) {
        return {};
    }
    // Only the colour counts: an opaque and a translucent pixel of the key colour both vanish.
    const QRgb key = KeyColour(picture) & RGB_MASK;
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((line[x] & RGB_MASK) == key) {
                line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    return result;
}

QPixmap TransparentPixmap(const QImage& picture) {
    return QPixmap::fromImage(WithKeyTransparent(picture));
}

} // namespace art
