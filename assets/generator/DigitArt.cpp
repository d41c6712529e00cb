#include "DigitArt.h"

#include <array>

namespace artgen {

namespace {

constexpr int kCell = 16;
constexpr int kLeft = 5; // digits occupy columns 5..9 and rows 3..11 of the cell
constexpr int kTop = 3;

// A thin font, one-pixel strokes, 5 x 9; the 1 keeps to the middle three columns.
constexpr std::array<std::array<const char*, 9>, 10> kShapes{{
    {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."},
    {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."},
    {".###.", "#...#", "....#", "....#", "...#.", "..#..", ".#...", "#....", "#####"},
    {".###.", "#...#", "....#", "....#", "..##.", "....#", "....#", "#...#", ".###."},
    {"...#.", "..##.", ".#.#.", "#..#.", "#..#.", "#####", "...#.", "...#.", "...#."},
    {"#####", "#....", "#....", "####.", "....#", "....#", "....#", "#...#", ".###."},
    {"..##.", ".#...", "#....", "#....", "####.", "#...#", "#...#", "#...#", ".###."},
    {"#####", "....#", "....#", "...#.", "...#.", "..#..", "..#..", "..#..", "..#.."},
    {".###.", "#...#", "#...#", "#...#", ".###.", "#...#", "#...#", "#...#", ".###."},
    {".###.", "#...#", "#...#", "#...#", ".####", "....#", "....#", "...#.", ".##.."},
}};

} // namespace

QImage DrawDigitStrip() {
    QImage strip(kCell * 20, kCell, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    const QRgb bright = qRgb(0, 0, 255);
    const QRgb slate = qRgb(46, 49, 146);
    for (int index = 0; index < 20; ++index) {
        const auto& shape = kShapes[static_cast<std::size_t>(index % 10)];
        const QRgb colour = index < 10 ? bright : slate;
        for (int row = 0; row < 9; ++row) {
            for (int col = 0; col < 5; ++col) {
                if (shape[static_cast<std::size_t>(row)][col] == '#') {
                    strip.setPixel(index * kCell + kLeft + col, kTop + row, colour);
                }
            }
        }
    }
    return strip;
}

} // namespace artgen
