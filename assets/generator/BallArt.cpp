#include "BallArt.h"

#include "ArtKit.h"

#include <cmath>

namespace artgen {

BallPaint WhiteBall() {
    return {QColor(255, 255, 255), QColor(128, 134, 148), QColor(255, 255, 255)};
}

BallPaint GoldenBall() {
    return {QColor(255, 196, 64), QColor(168, 84, 8), QColor(255, 248, 214)};
}

namespace {

constexpr int kSupersample = 8;

struct Vec {
    double x, y, z;
};

Vec Normalised(Vec v) {
    const double n = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / n, v.y / n, v.z / n};
}

double Dot(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

QRgb Blend(const QColor& a, const QColor& b, double t) {
    return Mix(a.rgb(), b.rgb(), Clamp01(t));
}

} // namespace

QImage DrawBall(int size, double radius, const BallPaint& paint) {
    return DrawBall(QSize(size, size), QPointF(size / 2.0, size / 2.0), radius, paint);
}

QImage DrawBall(QSize size, QPointF centre, double radius, const BallPaint& paint) {
    const int bigWidth = size.width() * kSupersample;
    const int bigHeight = size.height() * kSupersample;
    QImage canvas(bigWidth, bigHeight, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    const Vec light = Normalised({-0.55, -0.65, 0.75});
    const Vec view{0, 0, 1};
    const Vec half = Normalised({light.x + view.x, light.y + view.y, light.z + view.z});
    for (int py = 0; py < bigHeight; ++py) {
        for (int px = 0; px < bigWidth; ++px) {
            const double x = (px + 0.5) / kSupersample - centre.x();
            const double y = (py + 0.5) / kSupersample - centre.y();
            const double d2 = (x * x + y * y) / (radius * radius);
            if (d2 > 1.0) {
                continue;
            }
            const Vec normal{x / radius, y / radius, std::sqrt(1.0 - d2)};
            const double diffuse = std::max(0.0, Dot(normal, light));
            // Soft falloff: most of the face stays light, the grey gathers toward the rim.
            double shade = std::pow(diffuse, 0.55);
            // A little light bounced back from below keeps the lower rim from going flat.
            const double bounce = std::max(0.0, normal.y) * std::pow(1.0 - normal.z, 2.0) * 0.35;
            // A faint darkening right at the rim keeps the outline visible on a light face.
            const double rim = std::pow(1.0 - normal.z, 4.0) * 0.45;
            shade = Clamp01(shade + bounce - rim);
            QRgb colour = Blend(paint.shadow, paint.light, shade);
            const double glint = std::pow(std::max(0.0, Dot(normal, half)), 60.0);
            colour = Mix(colour, paint.highlight.rgb(), Clamp01(glint * 0.9));
            canvas.setPixel(px, py, colour | 0xff000000u);
        }
    }
    return BoxDown(canvas, kSupersample);
}

} // namespace artgen
