#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>

namespace art {

// How a drawn ball of a home draw is shown: the large ball picture, and the number label's
// text, top-left corner and colour (navy for a hit, blue otherwise).
struct PlayBallDressing {
    QImage picture;
    QPoint picturePos;
    QString labelText;
    QPoint labelPos;
    QColor labelColour;
};

PlayBallDressing DressPlayBall(int number, bool hit, QPoint ballPos);

} // namespace art
