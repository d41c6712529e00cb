#include "ButtonGlyphArt.h"

#include "ArtKit.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace artgen {

namespace {

const QColor kNavy(0, 0, 128);

QRgb Quantised(QRgb c, int step) {
    auto q = [step](int v) { return std::min(255, (v + step / 2) / step * step); };
    return qRgb(q(qRed(c)), q(qGreen(c)), q(qBlue(c)));
}

void DrawSmallBall(QPainter& p, QPointF centre, double radius) {
    QRadialGradient shade(centre + QPointF(-radius * 0.35, -radius * 0.4), radius * 1.3);
    shade.setColorAt(0.0, Qt::white);
    shade.setColorAt(0.6, QColor(236, 238, 246));
    shade.setColorAt(1.0, QColor(170, 176, 200));
    p.setBrush(shade);
    p.setPen(QPen(kNavy, 1.0));
    p.drawEllipse(centre, radius, radius);
}

} // namespace

QImage ToPalette256(const QImage& picture, QRgb key) {
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    key |= 0xff000000u;
    for (int step = 1; step <= 64; step *= 2) {
        QVector<QRgb> table{key};
        QHash<QRgb, int> index{{key, 0}};
        QImage out(source.size(), QImage::Format_Indexed8);
        out.setColorTable(QVector<QRgb>(256, key)); // indices must exist before they are set
        bool fits = true;
        for (int y = 0; y < source.height() && fits; ++y) {
            for (int x = 0; x < source.width(); ++x) {
                const QRgb original = source.pixel(x, y);
                QRgb c = original == key ? key : Quantised(original, step);
                if (original != key && c == key) {
                    c = qRgb(qRed(key) ^ 1, qGreen(key) ^ 1, qBlue(key) ^ 1);
                }
                auto found = index.find(c);
                if (found == index.end()) {
                    if (table.size() == 256) {
                        fits = false;
                        break;
                    }
                    found = index.insert(c, static_cast<int>(table.size()));
                    table.push_back(c);
                }
                out.setPixel(x, y, static_cast<uint>(found.value()));
            }
        }
        if (fits) {
            // Unused entries repeat the key colour; no pixel refers to them.
            while (table.size() < 256) {
                table.push_back(key);
            }
            out.setColorTable(table);
            return out;
        }
    }
    return {};
}

QImage DrawTirazGlyph() {
    constexpr int kScale = 8;
    QImage canvas(17 * kScale, 17 * kScale, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kScale, kScale);
    // The card, tilted a little to the left.
    p.save();
    p.translate(8.0, 8.8);
    p.rotate(-16);
    const QRectF card(-5.6, -7.0, 11.2, 13.6);
    p.setPen(QPen(kNavy, 1.0));
    p.setBrush(Qt::white);
    p.drawRect(card);
    // Marks: crossed-out numbers in a grid.
    p.setPen(QPen(kNavy, 0.8));
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            const QPointF m(-3.2 + c * 3.2, -4.2 + r * 3.4);
            if ((r + c) % 2 == 0) {
                p.drawLine(m + QPointF(-0.9, -0.9), m + QPointF(0.9, 0.9));
                p.drawLine(m + QPointF(-0.9, 0.9), m + QPointF(0.9, -0.9));
            } else {
                p.drawPoint(m);
            }
        }
    }
    p.restore();
    // The pencil, lying across the card from upper right to lower left.
    p.save();
    p.translate(9.0, 8.5);
    p.rotate(-50);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 10, 16));
    p.drawRect(QRectF(-1.6, -7.5, 3.2, 10.5));
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(-1.6, -7.5, 1.0, 10.5));
    QPainterPath wood;
    wood.moveTo(-1.6, 3.0);
    wood.lineTo(1.6, 3.0);
    wood.lineTo(0.0, 7.2);
    wood.closeSubpath();
    p.setBrush(QColor(232, 196, 140));
    p.drawPath(wood);
    QPainterPath tip;
    tip.moveTo(-0.7, 5.3);
    tip.lineTo(0.7, 5.3);
    tip.lineTo(0.0, 7.4);
    tip.closeSubpath();
    p.setBrush(QColor(0, 0, 255));
    p.drawPath(tip);
    p.restore();
    p.end();
    return ToPalette256(FlattenOnKey(BoxDown(canvas, kScale), qRgb(0, 0, 0), 80), qRgb(0, 0, 0));
}

QImage DrawPlayGlyph() {
    constexpr int kScale = 8;
    QImage canvas(16 * kScale, 16 * kScale, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kScale, kScale);
    DrawSmallBall(p, QPointF(4.6, 3.9), 3.1);
    DrawSmallBall(p, QPointF(11.4, 3.9), 3.1);
    DrawSmallBall(p, QPointF(4.1, 11.6), 3.8);
    DrawSmallBall(p, QPointF(11.9, 11.6), 3.8);
    p.end();
    QImage glyph = FlattenOnKey(BoxDown(canvas, kScale), qRgb(0, 0, 0), 80);
    // The 9 and the 1 are set pixel by pixel: at this size a font would only smear.
    static const char* nine[5] = {"###", "#.#", "###", "..#", "##."};
    static const char* one[5] = {".#.", "##.", ".#.", ".#.", "###"};
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 3; ++c) {
            if (nine[r][c] == '#') {
                glyph.setPixel(3 + c, 9 + r, kNavy.rgb());
            }
            if (one[r][c] == '#') {
                glyph.setPixel(11 + c, 9 + r, kNavy.rgb());
            }
        }
    }
    return ToPalette256(glyph, qRgb(0, 0, 0));
}

} // namespace artgen
