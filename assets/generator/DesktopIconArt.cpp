#include "DesktopIconArt.h"

#include "ArtKit.h"
#include "BallArt.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <vector>

namespace artgen {

namespace {

// The numbers' red and the outline that keeps the balls apart, as in program.ico.
const QRgb kNumberRed = qRgb(212, 0, 0);
const QColor kOutline(64, 64, 64);

// Where the three balls sit: the top one with 7, the lower left with 11, the lower right
// with 3; lower ones in front.
struct Layout {
    double radius;
    QPointF top, left, right;
};

// A pixel figure: '#' is a red pixel.
struct Figure {
    std::vector<const char*> rows;
};

struct Stamp {
    const Figure* figure;
    int left, top;
};

// Pixel figures for each small size; each figure is made for the ball it sits on.
// 16: single-pixel strokes, five rows.
const Figure kSeven5{{"###", "..#", "..#", ".#.", ".#."}};
const Figure kEleven5{{".#..#", "##.##", ".#..#", ".#..#", ".#..#"}};
const Figure kThree5{{"##.", "..#", ".#.", "..#", "##."}};
// 22 and 24: two-pixel strokes, six rows.
const Figure kSeven6{{"#####", "#####", "...##", "..##.", ".##..", ".##.."}};
const Figure kOne6{{".##", "###", ".##", ".##", ".##", ".##"}};
const Figure kThree6{{"####.", "...##", ".###.", "...##", "...##", "####."}};
// 32: the figures of program.ico, seven rows.
const Figure kSeven7{{"#####", "#####", "...##", "..##.", "..##.", ".##..", ".##.."}};
const Figure kOne7{{".##", "###", ".##", ".##", ".##", ".##", ".##"}};
const Figure kThree7{{"####.", "...##", "...##", ".###.", "...##", "...##", "####."}};

struct SmallIcon {
    int size;
    Layout layout;
    std::vector<Stamp> stamps;
};

// Up to 32 pixels every ball centre is on a pixel corner or a pixel centre, so its rim is as
// sharp as the size allows, and the figures are placed by hand.
const std::vector<SmallIcon>& SmallIcons() {
    static const std::vector<SmallIcon> icons{
        {16,
         {3.9, {8, 4}, {4, 12}, {12, 12}},
         {{&kSeven5, 7, 2}, {&kEleven5, 1, 10}, {&kThree5, 11, 10}}},
        {22,
         {5.4, {11, 6}, {5.5, 16.5}, {16.5, 16.5}},
         {{&kSeven6, 9, 3}, {&kOne6, 2, 14}, {&kOne6, 5, 14}, {&kThree6, 14, 14}}},
        {24,
         {5.9, {12, 6}, {6, 18}, {18, 18}},
         {{&kSeven6, 10, 3}, {&kOne6, 2, 15}, {&kOne6, 6, 15}, {&kThree6, 16, 15}}},
        {32,
         {7.9, {16, 8}, {8, 23}, {24, 23}},
         {{&kSeven7, 14, 5}, {&kOne7, 4, 20}, {&kOne7, 8, 20}, {&kThree7, 22, 20}}},
    };
    return icons;
}

// From 48 pixels on: a margin of a sixteenth, the layout of the 32-pixel icon scaled into the
// rest, centres on half pixels.
Layout ScaledLayout(int size) {
    const double margin = size / 16.0;
    const double content = size - 2 * margin;
    const auto at = [&](double x, double y) {
        return QPointF(std::round((margin + content * x) * 2) / 2,
                       std::round((margin + content * y) * 2) / 2);
    };
    return {content * 0.247, at(0.5, 0.25), at(0.25, 0.72), at(0.75, 0.72)};
}

// The three shaded balls, each with its outline; lower ones drawn last, in front.
QImage DrawBalls(int size, const Layout& layout) {
    QImage canvas(size, size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    const double outline = size <= 32 ? 0.75 : size / 52.0;
    for (const QPointF& centre : {layout.top, layout.left, layout.right}) {
        p.drawImage(QPointF(0, 0), DrawBall(QSize(size, size), centre, layout.radius, WhiteBall()));
        p.setPen(QPen(kOutline, outline));
        p.setBrush(Qt::NoBrush);
        const double ring = layout.radius - outline / 2;
        p.drawEllipse(centre, ring, ring);
    }
    p.end();
    return canvas.convertToFormat(QImage::Format_ARGB32);
}

void StampFigure(QImage& icon, const Stamp& stamp) {
    for (int r = 0; r < static_cast<int>(stamp.figure->rows.size()); ++r) {
        for (int c = 0; stamp.figure->rows[r][c] != '\0'; ++c) {
            if (stamp.figure->rows[r][c] == '#')
                icon.setPixel(stamp.left + c, stamp.top + r, kNumberRed);
        }
    }
}

// Stroked numbers in a box one unit high; x grows to the right from the figure's left edge.
QPainterPath Seven() {
    QPainterPath path;
    path.moveTo(0.0, 0.0);
    path.lineTo(0.6, 0.0);
    path.lineTo(0.2, 1.0);
    return path;
}

QPainterPath One() {
    QPainterPath path;
    path.moveTo(0.02, 0.24);
    path.lineTo(0.3, 0.0);
    path.lineTo(0.3, 1.0);
    return path;
}

QPainterPath Three() {
    QPainterPath path;
    path.moveTo(0.04, 0.1);
    path.cubicTo(0.18, -0.03, 0.55, -0.03, 0.55, 0.22);
    path.cubicTo(0.55, 0.38, 0.45, 0.46, 0.32, 0.46);
    path.cubicTo(0.5, 0.46, 0.62, 0.57, 0.62, 0.72);
    path.cubicTo(0.62, 1.02, 0.16, 1.05, 0.0, 0.88);
    return path;
}

// Draws `figures` (each with its width in units) side by side, centred on `centre`, with a
// digit height of `height` pixels.
void DrawNumber(QPainter& p, const std::vector<std::pair<QPainterPath, double>>& figures,
                QPointF centre, double height) {
    const double gap = 0.12;
    double width = 0;
    for (const auto& [path, w] : figures)
        width += w;
    width += gap * (figures.size() - 1);
    double x = -width / 2;
    for (const auto& [path, w] : figures) {
        QTransform t;
        t.translate(centre.x() + x * height, centre.y() - height / 2);
        t.scale(height, height);
        p.drawPath(t.map(path));
        x += w + gap;
    }
}

QImage DrawLargeIcon(int size) {
    const Layout layout = ScaledLayout(size);
    QImage icon = DrawBalls(size, layout);
    QImage canvas = icon.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    const double height = layout.radius * 0.95;
    QPen pen(QColor::fromRgb(kNumberRed), height * 0.21, Qt::SolidLine, Qt::RoundCap,
             Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    DrawNumber(p, {{Seven(), 0.6}}, layout.top, height);
    DrawNumber(p, {{One(), 0.3}, {One(), 0.3}}, layout.left, height);
    DrawNumber(p, {{Three(), 0.62}}, layout.right, height);
    p.end();
    return canvas.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

QImage DrawDesktopIcon(int size) {
    for (const SmallIcon& small : SmallIcons()) {
        if (small.size == size) {
            QImage icon = DrawBalls(size, small.layout);
            for (const Stamp& stamp : small.stamps)
                StampFigure(icon, stamp);
            return icon;
        }
    }
    return DrawLargeIcon(size);
}

} // namespace artgen
