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
    const double keep = 0.7;
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
    // Chimneys and, now and then, a pediment over the middle, so the roofline is not a ruler.
    p.setPen(Qt::NoPen);
    const int chimneys = static_cast<int>(unit(random) * 3);
    for (int k = 0; k < chimneys; ++k) {
        const double cx = h.left + 3 + unit(random) * (h.width - 8);
        p.fillRect(QRectF(cx, h.top - 9, 3, 6), QColor(40, 36, 52));
        p.fillRect(QRectF(cx - 0.5, h.top - 10, 4, 1.4), QColor(176, 180, 214));
    }
    if (h.width > 34 && unit(random) < 0.5) {
        QPainterPath pediment;
        const double mid = h.left + h.width / 2;
        pediment.moveTo(mid - 11, h.top - 3);
        pediment.lineTo(mid, h.top - 10);
        pediment.lineTo(mid + 11, h.top - 3);
        pediment.closeSubpath();
        p.setBrush(face.darker(115));
        p.drawPath(pediment);
        p.setPen(QPen(QColor(176, 180, 214), 1.2));
        p.drawLine(QPointF(mid - 11, h.top - 3.5), QPointF(mid, h.top - 10.5));
        p.drawLine(QPointF(mid, h.top - 10.5), QPointF(mid + 11, h.top - 3.5));
        p.setPen(Qt::NoPen);
    }
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
    // Shop windows and doors on the ground floor, lit more often than the flats above.
    const double shopTop = kStreet - 10;
    p.fillRect(QRectF(h.left, shopTop - 1.5, h.width, 1.0), face.lighter(135)); // a string course
    for (int c = 0; c < columns; ++c) {
        const QRectF bay(h.left + c * pitch + pitch * 0.18, shopTop + 0.5, pitch * 0.64, 8.5);
        const bool door = c == columns / 2 && unit(random) < 0.6;
        const QRectF opening = door ? bay.adjusted(pitch * 0.12, 1.5, -pitch * 0.12, 0) : bay;
        p.fillRect(opening.adjusted(-0.6, -0.6, 0.6, 0), face.darker(180));
        if (!door && unit(random) < 0.5) {
            QRadialGradient halo(opening.center(), 9);
            halo.setColorAt(0.0, QColor(255, 190, 110, 60));
            halo.setColorAt(1.0, QColor(255, 190, 110, 0));
            p.fillRect(opening.adjusted(-7, -7, 7, 4), halo);
            QLinearGradient inside(opening.topLeft(), opening.bottomLeft());
            inside.setColorAt(0.0, QColor(255, 214, 140));
            inside.setColorAt(1.0, QColor(214, 140, 70));
            p.fillRect(opening, inside);
            p.fillRect(QRectF(opening.left(), opening.top() + 2.5, opening.width(), 0.6),
                       QColor(110, 70, 40));
        } else {
            p.fillRect(opening, QColor(30, 30, 48));
        }
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
    const int width = scene.width();
    // Floes are wide and flat, as ice seen at a low angle is.
    const PeriodicNoise ice(width, 5, 26, 41);
    const PeriodicNoise drift(width, 7, 40, 42);
    const PeriodicNoise swell(height, 2, 220, 43); // one sideways shift per row of water
    const QColor deep(12, 18, 38);
    const QImage shore = scene.copy(0, 0, width, waterTop);
    auto floeAt = [&](int x, int y) {
        const double depth = static_cast<double>(y - waterTop) / (height - waterTop);
        return ice.at(x, y) + 0.25 * drift.at(x, y) + 1.2 * depth - 1.2;
    };
    for (int y = waterTop; y < height; ++y) {
        const double depth = static_cast<double>(y - waterTop) / (height - waterTop);
        // Each row of water is shifted sideways by its ripple: that is what draws the mirrored
        // houses out into horizontal streaks, more so nearer the viewer.
        const double swing = (0.2 + 2.0 * depth * depth) * kScale;
        const double rowShift = swing * swell.at(0, y);
        const int mirrorRow = 2 * waterTop - y - 1;
        const int smear = 1 + static_cast<int>(4 * depth);
        const int spread = static_cast<int>((0.5 + 2.0 * depth) * kScale);
        // Ripples show as rows a little lighter or darker than their neighbours.
        const double ripple = 1.0 + 0.14 * swell.at(53, y);
        const bool glint = swell.at(37, y) > 0.75;
        for (int x = 0; x < width; ++x) {
            const double wobble = rowShift + 0.3 * kScale * drift.at(x, y);
            int r = 0, g = 0, b = 0, n = 0;
            // Smeared down and a little sideways, so lamps and lit windows become the soft
            // columns of light that a photograph of water shows.
            for (int k = 0; k < smear; ++k) {
                const int yy = std::clamp(mirrorRow - k * 2, 0, waterTop - 1);
                for (int dx = -spread; dx <= spread; dx += std::max(1, spread)) {
                    const int xx =
                        std::clamp(x + dx + static_cast<int>(std::lround(wobble)), 0, width - 1);
                    const QRgb sample = shore.pixel(xx, yy);
                    r += qRed(sample);
                    g += qGreen(sample);
                    b += qBlue(sample);
                    ++n;
                }
            }
            r = static_cast<int>(r * ripple);
            g = static_cast<int>(g * ripple);
            b = static_cast<int>(b * ripple);
            QRgb water = qRgb(std::min(255, r / n), std::min(255, g / n), std::min(255, b / n));
            water = Mix(water, deep.rgb(), 0.22 + 0.3 * depth);
            if (glint) {
                water = Mix(water, qRgb(150, 120, 150), 0.12);
            }
            // The foot of the wall throws a dark band onto the water.
            if (y - waterTop < 3 * kScale) {
                water = Mix(water, deep.rgb(), 0.5 * (1.0 - (y - waterTop) / (3.0 * kScale)));
            }
            const double floe = floeAt(x, y);
            if (floe > 0.0) {
                // Snow-dusted ice, catching the pink of the sky on its upper side.
                const double lightness = Clamp01(0.5 + 0.6 * drift.at(x * 3, y * 2));
                QRgb iceColour = Mix(qRgb(70, 76, 112), qRgb(138, 134, 166), lightness);
                if (floeAt(x, y - kScale) <= 0.0) {
                    iceColour = Mix(iceColour, qRgb(210, 176, 190), 0.45); // lit near edge
                } else if (floeAt(x, y + 2 * kScale) <= 0.0) {
                    iceColour = Mix(iceColour, qRgb(30, 34, 60), 0.6); // its shadowed side
                }
                water = Mix(water, iceColour, Clamp01(floe * 10.0) * 0.9);
            }
            scene.setPixel(x, y, water);
        }
    }
}

void LetItSnow(QImage& picture) {
    std::mt19937 random(61);
    std::uniform_real_distribution<double> across(0.0, picture.width());
    std::uniform_real_distribution<double> downward(0.0, picture.height() * 0.9);
    std::uniform_real_distribution<double> size(0.5, 1.3);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 70; ++k) {
        const double r = size(random) * kScale;
        p.setBrush(QColor(235, 235, 255, static_cast<int>(90 + 60 * (r / kScale - 0.5))));
        p.drawEllipse(QPointF(across(random), downward(random)), r, r);
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
    LetItSnow(scene);
    QImage picture = BoxDown(scene, kScale).convertToFormat(QImage::Format_RGB32);
    FinishLikeAPhoto(picture);
    return picture;
}

} // namespace artgen
