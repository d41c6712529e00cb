#include "PlayBall.h"

#include "Pictures.h"
#include "Transparency.h"

namespace art {

namespace {
// Where the 25-pixel label sits over the 52-pixel ball so that its centred text lands mid-ball.
constexpr QPoint kLabelOffset(14, 15);
} // namespace

PlayBallDressing DressPlayBall(int number, bool hit, QPoint ballPos) {
    const Pictures& pictures = Pictures::instance();
    PlayBallDressing dressing;
    dressing.picture = WithKeyTransparent(hit ? pictures.playBallBingo() : pictures.playBall());
    dressing.picturePos = ballPos;
    dressing.labelText = QString::number(number);
    dressing.labelPos = ballPos + kLabelOffset;
    dressing.labelColour = hit ? QColor(0, 0, 128) : QColor(0, 0, 255);
    return dressing;
}

} // namespace art
