#include "BallGlyph.h"

#include "Pictures.h"

#include <stdexcept>

namespace art {

namespace {

constexpr int kDigitY = 6;
constexpr int kSingleDigitX = 6;
constexpr int kUnitsX = 8;

// Paints only the unmasked pixels of the digit cell, as an image list draws through its mask.
void DrawDigit(QImage& target, const QImage& cell, int left, int top) {
    for (int y = 0; y < cell.height(); ++y) {
        const int ty = top + y;
        if (ty < 0 || ty >= target.height()) {
            continue;
        }
        for (int x = 0; x < cell.width(); ++x) {
            const int tx = left + x;
            const QRgb pixel = cell.pixel(x, y);
            if (tx >= 0 && tx < target.width() && qAlpha(pixel) == 255) {
                target.setPixel(tx, ty, pixel);
            }
        }
    }
}

} // namespace

QImage ComposeBallGlyph(int n, GlyphKind kind) {
    if (n < 1 || n > 49) {
        throw std::out_of_range("ComposeBallGlyph: number out of 1..49");
    }
    const Pictures& pictures = Pictures::instance();
    const bool selected = kind == GlyphKind::Selected;
    // A deep copy, so the stored ball is never touched by the painting below.
    QImage glyph = (selected ? pictures.ballGolden() : pictures.ball()).copy();
    const int style = selected ? 10 : 0;
    if (n <= 9) {
        DrawDigit(glyph, pictures.digit(style + n), kSingleDigitX, kDigitY);
    } else {
        const int tensX = kind == GlyphKind::AfterDraw ? 3 : 2;
        DrawDigit(glyph, pictures.digit(style + n / 10), tensX, kDigitY);
        DrawDigit(glyph, pictures.digit(style + n % 10), kUnitsX, kDigitY);
    }
    return glyph;
}

} // namespace art
