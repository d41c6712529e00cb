#include "ButtonGlyphArt.h"

#include "ArtKit.h"

#include <QHash>
#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <utility>

namespace artgen {

namespace {

const QColor kNavy(0, 0, 128);

QRgb Quantised(QRgb c, int step) {
    auto q = [step](int v) { return std::min(255, (v + step / 2) / step * step); };
    return qRgb(q(qRed(c)), q(qGreen(c)), q(qBlue(c)));
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
        // Zero the row padding too, which the file writer copies: same art, same bytes.
        std::memset(out.bits(), 0, static_cast<std::size_t>(out.sizeInBytes()));
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

namespace {

void Line(QImage& image, QPoint from, QPoint to, QRgb colour) {
    // Bresenham: exactly one pixel per step, no smoothing.
    int x = from.x(), y = from.y();
    const int dx = std::abs(to.x() - x), sx = x < to.x() ? 1 : -1;
    const int dy = -std::abs(to.y() - y), sy = y < to.y() ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        image.setPixel(x, y, colour);
        if (x == to.x() && y == to.y()) {
            return;
        }
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void Fill(QImage& image, const QPolygonF& shape, QRgb colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (shape.containsPoint(QPointF(x + 0.5, y + 0.5), Qt::OddEvenFill)) {
                image.setPixel(x, y, colour);
            }
        }
    }
}

// Stamps a small picture given as rows of letters; '.' leaves the pixel as it is.
void Stamp(QImage& image, QPoint at, std::initializer_list<const char*> rows,
           const QHash<char, QRgb>& colours) {
    int y = at.y();
    for (const char* row : rows) {
        for (int x = 0; row[x] != '\0'; ++x) {
            if (row[x] != '.') {
                image.setPixel(at.x() + x, y, colours.value(row[x]));
            }
        }
        ++y;
    }
}

} // namespace

QImage DrawTirazGlyph() {
    // Drawn pixel by pixel: at 17 pixels smoothing only turns a card and a pencil into mush.
    QImage glyph(17, 17, QImage::Format_RGB32);
    glyph.fill(Qt::black);
    // The card, a rectangle turned about 11 degrees.
    const QPoint tl(1, 3), tr(11, 1), br(13, 13), bl(3, 15);
    // Corners given as pixels; the fill works on pixel centres, hence the half-pixel shift.
    const QPointF half(0.5, 0.5);
    Fill(glyph, QPolygonF(QVector<QPointF>{tl + half, tr + half, br + half, bl + half}),
         qRgb(255, 255, 255));
    // A faint shade along the lower edge gives the card some body.
    Line(glyph, bl + QPoint(1, -1), br + QPoint(-1, -1), qRgb(206, 210, 232));
    for (auto [a, b] :
         {std::pair{tl, tr}, std::pair{tr, br}, std::pair{br, bl}, std::pair{bl, tl}}) {
        Line(glyph, a, b, kNavy.rgb());
    }
    // A printed band along the top of the card, then rows of number boxes, some ticked.
    Line(glyph, tl + QPoint(1, 3), tr + QPoint(-2, 3), qRgb(64, 64, 176));
    for (double v : {0.38, 0.58, 0.78}) {
        for (double u : {0.22, 0.5, 0.78}) {
            const QPoint m((tl + u * QPointF(tr - tl) + v * QPointF(bl - tl)).toPoint());
            glyph.setPixel(m, kNavy.rgb());
        }
    }
    // The pencil, lying from the upper right down to the lower left across the card: a two-pixel
    // staircase, lit on its upper edge, with the sharpened wood and a blue point at the end.
    const QRgb shade = qRgb(112, 0, 8);
    const QRgb lit = qRgb(200, 40, 44);
    for (int t = 0; t <= 8; ++t) {
        const int x = 15 - t;
        const int y = 3 + t;
        glyph.setPixel(x, y, lit);
        glyph.setPixel(x, y + 1, shade);
        glyph.setPixel(x + 1, y + 1, shade);
    }
    glyph.setPixel(16, 3, qRgb(170, 170, 182)); // the metal band at the far end
    glyph.setPixel(16, 4, qRgb(120, 120, 134));
    glyph.setPixel(16, 2, qRgb(232, 150, 170)); // and its eraser
    Stamp(glyph, QPoint(3, 12), {"...w", "..ww", ".bw.", "b..."},
          {{'w', qRgb(238, 200, 142)}, {'b', qRgb(0, 0, 255)}});
    return ToPalette256(glyph, qRgb(0, 0, 0));
}

QImage DrawPlayGlyph() {
    // Pixel art again: two small balls above, two larger below, each with a navy outline and a
    // light blue-grey shade on the side away from the light. They stand a little apart, so the
    // ground between them opens to the edge.
    QImage glyph(16, 16, QImage::Format_RGB32);
    glyph.fill(Qt::black);
    const QHash<char, QRgb> colours{{'N', kNavy.rgb()},
                                    {'W', qRgb(255, 255, 255)},
                                    {'L', qRgb(204, 208, 232)},
                                    {'S', qRgb(160, 166, 210)}};
    const std::initializer_list<const char*> small{".NNNN.", "NWWWLN", "NWWWLN",
                                                   "NWWLLN", "NLLLSN", ".NNNN."};
    const std::initializer_list<const char*> large{"..NNNN..", ".NWWWWN.", "NWWWWWLN", "NWWWWWLN",
                                                   "NWWWWLLN", "NWWWLLLN", ".NLLLSN.", "..NNNN.."};
    Stamp(glyph, QPoint(1, 1), small, colours);
    Stamp(glyph, QPoint(9, 1), small, colours);
    Stamp(glyph, QPoint(0, 8), large, colours);
    Stamp(glyph, QPoint(8, 8), large, colours);
    Stamp(glyph, QPoint(2, 10), {"NNN", "N.N", "NNN", "..N", "NN."}, colours);
    Stamp(glyph, QPoint(10, 10), {".N.", "NN.", ".N.", ".N.", "NNN"}, colours);
    return ToPalette256(glyph, qRgb(0, 0, 0));
}

} // namespace artgen
