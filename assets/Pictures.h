#pragma once

#include <QIcon>
#include <QImage>

namespace art {

// Every stored picture of the program, decoded once from the resources and never modified.
// Callers copy what they want to change.
class Pictures {
public:
    static const Pictures& instance();

    const QImage& ball() const { return ball_; }                   // imgBall, 26x26, key black
    const QImage& ballGolden() const { return ballGolden_; }       // imgBall2, 26x26, key black
    const QImage& playBall() const { return playBall_; }           // imgPlayBall, 52x52, key silver
    const QImage& playBallBingo() const { return playBallBingo_; } // imgPlayBallBingo, 52x52
    const QImage& plasterTile() const { return plasterTile_; }     // imgFon, 81x81
    const QImage& patchworkTile() const { return patchworkTile_; } // imgFon3, 81x81
    const QImage& town() const { return town_; }                   // imgTown, 195x294 (JPEG)
    const QImage& logo() const { return logo_; }                   // About picture, 150x113 (JPEG)
    const QImage& tirazGlyph() const { return tirazGlyph_; }       // 17x17, 8-bit, key black
    const QImage& playGlyph() const { return playGlyph_; }         // 16x16, 8-bit, key black
    // Digit image 0..19 (0..9 bright blue, 10..19 dark slate blue); alpha 0 where masked.
    const QImage& digit(int index) const;
    const QIcon& programIcon() const { return programIcon_; }

private:
    Pictures();
    QImage ball_, ballGolden_, playBall_, playBallBingo_, plasterTile_, patchworkTile_, town_,
        logo_, tirazGlyph_, playGlyph_;
    QImage digits_[20];
    QIcon programIcon_;
};

} // namespace art
