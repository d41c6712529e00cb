#pragma once

#include <QImage>

namespace artgen {

// The 20 digit cells side by side (320 x 16): 0..9 bright blue, 10..19 dark slate blue. Alpha is
// 0 or 255 only, the 1-bit mask.
QImage DrawDigitStrip();

} // namespace artgen
