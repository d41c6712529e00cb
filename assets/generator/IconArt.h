#pragma once

#include <QImage>

namespace artgen {

// The 32 x 32 program icon in the standard 16 colours: Indexed8 with a 16-entry table, plus
// a mask image (Format_Mono-like: 1 = see-through) of the same size.
struct Icon16 {
    QImage colours; // Indexed8, 16 colours
    QImage mask;    // Indexed8 0/1, 1 = masked out
};

Icon16 DrawProgramIcon();

// The standard 16-colour palette in its usual order.
QVector<QRgb> StandardPalette16();

} // namespace artgen
