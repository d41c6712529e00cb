#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QSize>

namespace artgen {

struct BallPaint {
    QColor light;     // colour where the light falls full on
    QColor shadow;    // colour toward the rim away from the light
    QColor highlight; // the glint
};

BallPaint WhiteBall();
BallPaint GoldenBall();

// A shaded ball filling a size x size square (ARGB, alpha = coverage), lit from the upper left.
QImage DrawBall(int size, double radius, const BallPaint& paint);

// The same ball with its centre anywhere on a canvas of any size; the rest stays transparent.
QImage DrawBall(QSize size, QPointF centre, double radius, const BallPaint& paint);

} // namespace artgen
