#pragma once

#include <QImage>

namespace artgen {

// The two mode-button glyphs, 8-bit with a 256-entry palette, on a black key ground.
QImage DrawTirazGlyph(); // 17 x 17: a tilted lottery card crossed by a pencil
QImage DrawPlayGlyph();  // 16 x 16: four balls, the lower two bearing 9 and 1

// Turns a true-colour picture into an 8-bit one with exactly 256 palette entries, keeping the
// key colour exact and never letting another colour fall onto it.
QImage ToPalette256(const QImage& picture, QRgb key);

} // namespace artgen
