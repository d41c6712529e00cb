#include "LogoArt.h"

#include "ArtKit.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artgen {

namespace {

constexpr int kWidth = 150;
constexpr int kHeight = 113;
constexpr int kScale = 4;

QPainterPath Lettering(const QString& text, const QFont& font, double centreX, double baseline) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(centreX - box.center().x(), baseline);
    return path;
}

// Extrudes the letters down and to the right in darkening bronze, then lays the polished face.
void DrawGoldLetters(QPainter& p, const QPainterPath& face, double depth) {
    p.setPen(Qt::NoPen);
    const int steps = static_cast<int>(depth * 4);
    for (int k = steps; k >= 1; --k) {
        const double t = static_cast<double>(k) / steps;
        const QColor bronze = QColor::fromRgbF(static_cast<float>(0.55 - 0.35 * t),
                                               static_cast<float>(0.32 - 0.22 * t),
                                               static_cast<float>(0.05 - 0.03 * t));
        p.setBrush(bronze);
        p.drawPath(face.translated(k * 0.25 * 0.8, k * 0.25));
    }
    const QRectF box = face.boundingRect();
    QLinearGradient gold(box.topLeft(), box.bottomLeft());
    gold.setColorAt(0.0, QColor(255, 248, 196));
    gold.setColorAt(0.30, QColor(250, 204, 84));
    gold.setColorAt(0.52, QColor(176, 106, 18));
    gold.setColorAt(0.62, QColor(214, 150, 40));
    gold.setColorAt(1.0, QColor(255, 222, 120));
    p.setBrush(gold);
    p.drawPath(face);
    // A thin bright rim on the upper left edges reads as a bevel.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 244, 200, 150), 0.45));
    p.drawPath(face.translated(-0.3, -0.3));
}

} // namespace

QImage DrawLogo() {
    QImage canvas(kWidth * kScale, kHeight * kScale, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kScale, kScale);

    QFont big(QStringLiteral("Liberation Serif"));
    big.setBold(true);
    big.setPixelSize(25);
    QFont small(QStringLiteral("Liberation Serif"));
    small.setBold(true);
    small.setPixelSize(21);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 2.0);

    const QPainterPath upper = Lettering(QStringLiteral("СТУДИЯ"), small, kWidth / 2.0, 36);
    const QPainterPath lower = Lettering(QStringLiteral("VELKORA"), big, kWidth / 2.0, 76);
    DrawGoldLetters(p, upper, 2.5);
    DrawGoldLetters(p, lower, 4.5);

    // Gold rules above and below, and the letters' faint reflection on the black floor.
    QLinearGradient rule(14, 0, kWidth - 14, 0);
    rule.setColorAt(0.0, QColor(120, 70, 10, 0));
    rule.setColorAt(0.5, QColor(250, 210, 110));
    rule.setColorAt(1.0, QColor(120, 70, 10, 0));
    p.fillRect(QRectF(14, 13, kWidth - 28, 1.2), rule);
    p.fillRect(QRectF(14, 90, kWidth - 28, 1.2), rule);
    QTransform flip;
    flip.translate(0, 2 * 92.0);
    flip.scale(1, -1);
    QLinearGradient fade(0, 92, 0, kHeight);
    fade.setColorAt(0.0, QColor(150, 100, 30, 90));
    fade.setColorAt(0.6, QColor(150, 100, 30, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(fade);
    p.drawPath(flip.map(lower).translated(0, 6));
    p.end();
    return BoxDown(canvas, kScale).convertToFormat(QImage::Format_RGB32);
}

} // namespace artgen
