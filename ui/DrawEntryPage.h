#pragma once

#include <QImage>
#include <QWidget>

namespace lottery {
class LotteryDocument;
class RandomSource;
} // namespace lottery

class QPushButton;

// " Добавить тираж ": the card of 49 number balls, the two modes (record / play), the add
// button and the balls of a home draw.
class DrawEntryPage : public QWidget {
    Q_OBJECT
public:
    DrawEntryPage(lottery::LotteryDocument& document, lottery::RandomSource& random,
                  QWidget* parent = nullptr);

    // Start-up: creates the 49 number buttons, then the 7 ball pictures and labels.
    void CreateNumberButtons();
    // imgFon2: the tiled 450x303 background.
    void setBackground(const QImage& picture);

    // The page part of the reset for a new or opened lottery: plain glyphs, buttons visible
    // exactly for 1..N, balls and labels hidden.
    void Unvisible();
    // The "Далее ..." action; New and Open call it to reset the card and the play display.
    void btnContinueClick();

    bool playMode() const;
    QPushButton* numberButton(int n) const;
};
