#pragma once

#include <QColor>
#include <QImage>

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

} // namespace artgen
