#pragma once

#include <QImage>
#include <QString>

namespace artgen {

// Writes a baseline JPEG of three 8-bit components with libjpeg; false if the file fails.
bool WriteJpeg(const QImage& picture, const QString& path, int quality);

} // namespace artgen
