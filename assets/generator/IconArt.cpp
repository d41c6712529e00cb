#include "IconArt.h"

#include "ArtKit.h"
#include "BallArt.h"

#include <QPainter>
#include <cmath>
#include <limits>

namespace artgen {

QVector<QRgb> StandardPalette16() {
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

namespace {

constexpr int kSize = 32;
constexpr int kRed = 9;

int Nearest(const QVector<QRgb>& palette, double r, double g, double b) {
    int best = 0;
    double bestDistance = std::numeric_limits<double>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const double dr = r - qRed(palette[i]);
        const double dg = g - qGreen(palette[i]);
        const double db = b - qBlue(palette[i]);
        const double d = dr * dr * 0.3 + dg * dg * 0.59 + db * db * 0.11;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

// Thick two-pixel figures that stay readable at icon size.
struct Figure {
    int width;
    const char* rows[7];
};
const Figure kSeven{5, {"#####", "#####", "...##", "..##.", "..##.", ".##..", ".##.."}};
const Figure kOne{3, {".##", "###", ".##", ".##", ".##", ".##", ".##"}};
const Figure kThree{5, {"####.", "...##", "...##", ".###.", "...##", "...##", "####."}};

void Stamp(QImage& icon, const Figure& f, int left, int top) {
    for (int r = 0; r < 7; ++r) {
        for (int c = 0; c < f.width; ++c) {
            if (f.rows[r][c] == '#') {
                icon.setPixel(left + c, top + r, kRed);
            }
        }
    }
}

} // namespace

Icon16 DrawProgramIcon() {
    // Three shaded balls, lower ones in front, drawn large and averaged down.
    const QImage ball = DrawBall(16 * 8, 7.9 * 8, WhiteBall());
    const QImage lowerBall = DrawBall(16 * 8, 7.9 * 8, WhiteBall());
    QImage canvas(kSize * 8, kSize * 8, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter p(&canvas);
    p.drawImage(QPointF(8 * 8, 0), ball);
    p.drawImage(QPointF(0, 15 * 8), lowerBall);
    p.drawImage(QPointF(16 * 8, 15 * 8), lowerBall);
    // Navy-grey outlines keep the balls apart where they touch.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(64, 64, 64), 6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(16 * 8, 8 * 8), 7.6 * 8, 7.6 * 8);
    p.drawEllipse(QPointF(8 * 8, 23 * 8), 7.6 * 8, 7.6 * 8);
    p.drawEllipse(QPointF(24 * 8, 23 * 8), 7.6 * 8, 7.6 * 8);
    p.end();
    const QImage small = BoxDown(canvas, 8);

    const QVector<QRgb> palette = StandardPalette16();
    Icon16 icon;
    icon.colours = QImage(kSize, kSize, QImage::Format_Indexed8);
    icon.colours.setColorTable(palette);
    icon.mask = QImage(kSize, kSize, QImage::Format_Indexed8);
    icon.mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    // Ordered dithering spreads the soft grey over white, silver and grey as icons of this
    // colour depth do.
    static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const QRgb c = small.pixel(x, y);
            if (qAlpha(c) < 128) {
                icon.colours.setPixel(x, y, 0);
                icon.mask.setPixel(x, y, 1);
                continue;
            }
            const double a = qAlpha(c) / 255.0;
            const double bias = (bayer[y % 4][x % 4] / 16.0 - 0.5) * 40.0;
            icon.colours.setPixel(
                x, y,
                static_cast<uint>(Nearest(palette, qRed(c) / a + bias, qGreen(c) / a + bias,
                                          qBlue(c) / a + bias)));
            icon.mask.setPixel(x, y, 0);
        }
    }
    Stamp(icon.colours, kSeven, 14, 5);
    Stamp(icon.colours, kOne, 4, 20);
    Stamp(icon.colours, kOne, 8, 20);
    Stamp(icon.colours, kThree, 22, 20);
    return icon;
}

} // namespace artgen
