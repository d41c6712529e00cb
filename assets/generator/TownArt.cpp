#include "TownArt.h"

#include "ArtKit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <random>

namespace artgen {

namespace {

constexpr int kWidth = 195;
constexpr int kHeight = 294;
constexpr int kScale = 2; // drawn at twice the size, then averaged down like a lens would
constexpr double kStreet = 158.0;
constexpr double kWaterTop = 176.0;

QColor Dusk(QColor facade, double dim) {
    // Facades at dusk: the colour is there but sunk and cooled by the blue hour.
    const QColor blue(38, 46, 92);
    const double keep = 0.55;
    return QColor::fromRgbF(
        static_cast<float>(dim * (facade.redF() * keep + blue.redF() * (1 - keep))),
        static_cast<float>(dim * (facade.greenF() * keep + blue.greenF() * (1 - keep))),
        static_cast<float>(dim * (facade.blueF() * keep + blue.blueF() * (1 - keep))));
}

void DrawSky(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kStreet);
    sky.setColorAt(0.0, QColor(14, 20, 56));
    sky.setColorAt(0.35, QColor(40, 44, 100));
    sky.setColorAt(0.62, QColor(112, 80, 124));
    sky.setColorAt(0.82, QColor(214, 128, 104));
    sky.setColorAt(1.0, QColor(246, 174, 110));
    p.fillRect(QRectF(0, 0, kWidth, kStreet), sky);
    QRadialGradient glow(QPointF(128, kStreet - 20), 90);
    glow.setColorAt(0.0, QColor(255, 196, 130, 150));
    glow.setColorAt(1.0, QColor(255, 196, 130, 0));
    p.fillRect(QRectF(0, 0, kWidth, kStreet), glow);
}

void DrawDistantCathedral(QPainter& p) {
    // A dome and a spire far off in the haze, lighter than the near houses.
    const QColor haze(86, 72, 110);
    p.setPen(Qt::NoPen);
    p.setBrush(haze);
    p.drawRect(QRectF(96, 92, 44, 70));
    QPainterPath dome;
    dome.moveTo(102, 94);
    dome.cubicTo(102, 70, 134, 70, 134, 94);
    dome.closeSubpath();
    p.drawPath(dome);
    p.drawRect(QRectF(114, 62, 8, 16));
    p.drawEllipse(QRectF(113, 56, 10, 10));
    QPainterPath spire;
    spire.moveTo(116.5, 58);
    spire.lineTo(118, 30);
    spire.lineTo(119.5, 58);
    spire.closeSubpath();
    p.setBrush(QColor(200, 150, 90));
    p.drawPath(spire);
    p.setBrush(QColor(70, 60, 96));
    p.drawRect(QRectF(60, 118, 30, 44));
    p.drawRect(QRectF(146, 112, 28, 50));
}

struct House {
    double left, width, top;
    QColor facade;
};

void DrawHouse(QPainter& p, const House& h, std::mt19937& random) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const QRectF body(h.left, h.top, h.width, kStreet - h.top);
    const QColor face = Dusk(h.facade, 0.62);
    QLinearGradient shade(body.topLeft(), body.bottomLeft());
    shade.setColorAt(0.0, face.lighter(112));
    shade.setColorAt(1.0, face.darker(135));
    p.setPen(Qt::NoPen);
    p.fillRect(body, shade);
    // Edges: the side toward the glow catches a little light, the other falls into shade.
    p.fillRect(QRectF(h.left, h.top, 0.8, body.height()), face.lighter(125));
    p.fillRect(QRectF(h.left + h.width - 1.0, h.top, 1.0, body.height()), face.darker(170));
    // Roof with snow on it, then the cornice.
    p.fillRect(QRectF(h.left - 0.5, h.top - 3.5, h.width + 1, 3.5), QColor(44, 42, 60));
    p.fillRect(QRectF(h.left - 0.5, h.top - 4.5, h.width + 1, 1.6), QColor(176, 180, 214));
    p.fillRect(QRectF(h.left - 1, h.top, h.width + 2, 1.5), face.lighter(140));
    p.fillRect(QRectF(h.left, h.top + 1.5, h.width, 0.8), face.darker(160));

    const double floorHeight = 11.0;
    const int floors = static_cast<int>((kStreet - h.top - 16) / floorHeight);
    const int columns = std::max(2, static_cast<int>(h.width / 8.5));
    const double pitch = h.width / columns;
    for (int f = 0; f < floors; ++f) {
        const double y = h.top + 5 + f * floorHeight;
        for (int c = 0; c < columns; ++c) {
            const QRectF window(h.left + c * pitch + pitch * 0.28, y, pitch * 0.44, 6.5);
            if (unit(random) < 0.38) {
                QRadialGradient halo(window.center(), 7);
                halo.setColorAt(0.0, QColor(255, 200, 120, 70));
                halo.setColorAt(1.0, QColor(255, 200, 120, 0));
                p.fillRect(window.adjusted(-6, -6, 6, 6), halo);
                const bool warm = unit(random) < 0.8;
                p.fillRect(window, warm ? QColor(255, 208, 118) : QColor(232, 236, 255));
                p.fillRect(QRectF(window.center().x() - 0.35, window.top(), 0.7, window.height()),
                           QColor(120, 80, 50));
            } else {
                p.fillRect(window, QColor(30, 34, 58));
                p.fillRect(QRectF(window.left(), window.top(), window.width(), 0.8),
                           face.darker(190));
            }
            p.fillRect(QRectF(window.left() - 0.5, window.bottom(), window.width() + 1, 0.9),
                       face.lighter(130));
        }
    }
    // Shop fronts on the ground floor, lit more often than the flats above.
    const double shopTop = kStreet - 10;
    for (int c = 0; c < columns; c += 2) {
        const QRectF shop(h.left + c * pitch + 1.5, shopTop, std::min(pitch * 1.6, h.width - 3), 9);
        const bool lit = unit(random) < 0.6;
        p.fillRect(shop, lit ? QColor(250, 190, 100) : QColor(36, 36, 54));
    }
}

void DrawEmbankment(QPainter& p) {
    // Snowy pavement, a railing with lamps, then the granite wall down to the water.
    QLinearGradient snow(0, kStreet - 1, 0, kStreet + 4);
    snow.setColorAt(0.0, QColor(196, 184, 206));
    snow.setColorAt(1.0, QColor(128, 130, 168));
    p.fillRect(QRectF(0, kStreet - 1, kWidth, 5), snow);
    QLinearGradient granite(0, kStreet + 4, 0, kWaterTop);
    granite.setColorAt(0.0, QColor(104, 84, 92));
    granite.setColorAt(1.0, QColor(52, 42, 56));
    p.fillRect(QRectF(0, kStreet + 4, kWidth, kWaterTop - kStreet - 4), granite);
    p.setPen(QPen(QColor(40, 32, 44), 0.6));
    p.drawLine(QPointF(0, kStreet + 9), QPointF(kWidth, kStreet + 9));
    p.drawLine(QPointF(0, kStreet + 13.5), QPointF(kWidth, kStreet + 13.5));
    for (double x = 6; x < kWidth; x += 17) {
        p.drawLine(QPointF(x, kStreet + 4), QPointF(x, kStreet + 9));
        p.drawLine(QPointF(x + 8, kStreet + 9), QPointF(x + 8, kStreet + 13.5));
    }
    // Railing.
    p.setPen(QPen(QColor(24, 22, 34), 0.8));
    p.drawLine(QPointF(0, kStreet - 6), QPointF(kWidth, kStreet - 6));
    for (double x = 2; x < kWidth; x += 4.5) {
        p.drawLine(QPointF(x, kStreet - 6), QPointF(x, kStreet - 1));
    }
    // Lamps with their glow.
    for (double x = 22; x < kWidth; x += 50) {
        p.setPen(QPen(QColor(20, 18, 28), 1.0));
        p.drawLine(QPointF(x, kStreet - 1), QPointF(x, kStreet - 24));
        QRadialGradient glow(QPointF(x, kStreet - 26), 14);
        glow.setColorAt(0.0, QColor(255, 236, 180, 230));
        glow.setColorAt(0.25, QColor(255, 200, 120, 120));
        glow.setColorAt(1.0, QColor(255, 180, 100, 0));
        p.fillRect(QRectF(x - 14, kStreet - 40, 28, 28), glow);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 246, 214));
        p.drawEllipse(QPointF(x, kStreet - 26), 2.0, 2.3);
    }
}

QImage DrawShore() {
    QImage scene(kWidth * kScale, kHeight * kScale, QImage::Format_RGB32);
    scene.fill(Qt::black);
    QPainter p(&scene);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kScale, kScale);
    DrawSky(p);
    DrawDistantCathedral(p);
    const std::array<QColor, 6> facades{QColor(206, 160, 96),  QColor(214, 196, 150),
                                        QColor(196, 118, 104), QColor(150, 164, 138),
                                        QColor(186, 166, 180), QColor(132, 146, 170)};
    std::mt19937 random(31);
    std::uniform_real_distribution<double> width(26.0, 50.0);
    std::uniform_real_distribution<double> top(70.0, 112.0);
    std::uniform_int_distribution<std::size_t> pick(0, facades.size() - 1);
    double x = -6;
    std::size_t last = facades.size();
    while (x < kWidth) {
        std::size_t colour = pick(random);
        if (colour == last) {
            colour = (colour + 1) % facades.size();
        }
        last = colour;
        House house{x, width(random), top(random), facades[colour]};
        // Leave a gap for the cathedral to show between the houses in the middle.
        if (house.left < 118 && house.left + house.width > 104) {
            house.top = std::max(house.top, 118.0);
        }
        DrawHouse(p, house, random);
        x += house.width;
    }
    DrawEmbankment(p);
    return scene;
}

void MirrorIntoWater(QImage& scene) {
    const int waterTop = static_cast<int>(kWaterTop * kScale);
    const int height = scene.height();
    const PeriodicNoise ice(kWidth * kScale, 9, 24, 41);
    const PeriodicNoise drift(kWidth * kScale, 5, 5, 42);
    const QColor deep(14, 20, 40);
    for (int y = waterTop; y < height; ++y) {
        const double depth = static_cast<double>(y - waterTop) / (height - waterTop);
        for (int x = 0; x < scene.width(); ++x) {
            // Ripples stretch the mirror image into streaks, more so nearer the viewer.
            const double wobble = (1.0 + 5.0 * depth) * std::sin(y * 0.55 + x * 0.021) +
                                  2.0 * drift.at(x, y);
            int sy = 2 * waterTop - y - 1 + static_cast<int>(std::lround(wobble * 0.6));
            sy = std::clamp(sy, 0, waterTop - 1);
            int r = 0, g = 0, b = 0;
            const int taps = 5;
            for (int k = 0; k < taps; ++k) {
                const int yy = std::clamp(sy - k * 2, 0, waterTop - 1);
                const int xx = std::clamp(x + static_cast<int>(wobble) - 1 + k % 3, 0,
                                          scene.width() - 1);
                const QRgb s = scene.pixel(xx, yy);
                r += qRed(s);
                g += qGreen(s);
                b += qBlue(s);
            }
            QRgb mirrored = qRgb(r / taps, g / taps, b / taps);
            mirrored = Mix(mirrored, deep.rgb(), 0.35 + 0.3 * depth);
            // Winter: floes of grey ice, more of them toward the near bank.
            const double floe = ice.at(x, y * 1.0) + 0.9 * depth - 0.55;
            if (floe > 0.0) {
                const double edge = Clamp01(floe * 6.0);
                const QRgb iceColour =
                    Mix(qRgb(86, 88, 124), qRgb(148, 146, 176), Clamp01(drift.at(x, y) + 0.5));
                mirrored = Mix(mirrored, iceColour, 0.85 * edge);
            }
            scene.setPixel(x, y, mirrored);
        }
    }
}

void FinishLikeAPhoto(QImage& picture) {
    std::mt19937 random(51);
    std::normal_distribution<double> grain(0.0, 2.6);
    const double cx = picture.width() / 2.0;
    const double cy = picture.height() / 2.0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const double dx = (x - cx) / cx;
            const double dy = (y - cy) / cy;
            const double vignette = 1.0 - 0.22 * (dx * dx + dy * dy) / 2.0;
            const double n = grain(random);
            const QRgb p = picture.pixel(x, y);
            picture.setPixel(x, y,
                             qRgb(ClampByte(qRed(p) * vignette + n),
                                  ClampByte(qGreen(p) * vignette + n),
                                  ClampByte(qBlue(p) * vignette + n * 1.2)));
        }
    }
}

} // namespace

QImage DrawTown() {
    QImage scene = DrawShore();
    MirrorIntoWater(scene);
    QImage picture = BoxDown(scene, kScale).convertToFormat(QImage::Format_RGB32);
    FinishLikeAPhoto(picture);
    return picture;
}

} // namespace artgen
