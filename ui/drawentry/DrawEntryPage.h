#pragma once

#include "BallGlyph.h"
#include "lottery/TypedNumberEntry.h"

#include <QImage>
#include <QString>
#include <QWidget>
#include <array>

namespace lottery {
class LotteryDocument;
class NumberSet;
class RandomSource;
} // namespace lottery
namespace session {
class LotterySession;
}

class GlyphButton;
class QAbstractButton;
class QAction;
class QContextMenuEvent;
class QKeyEvent;
class QLabel;
class QPushButton;

// " Добавить тираж ": the card of 49 number balls, the two modes (record / play), the add
// button and the balls of a home draw.
class DrawEntryPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 450;
    static constexpr int kHeight = 303;
    static constexpr int kNumbers = 49;
    static constexpr int kBalls = 7;

    // The captions of btnNewTiraz; the caption is the mode.
    static const QString kCaptionAtStart; // "Добавить  тираж", two blanks
    static const QString kCaptionRecord;  // "Добавить тираж"
    static const QString kCaptionPlay;    // "Провести розыгрыш"

    DrawEntryPage(lottery::LotteryDocument& document, lottery::RandomSource& random,
                  QWidget* parent = nullptr);

    // Draws are recorded through the session, to be undone, and a lottery it starts resets the
    // page; without one they are only recorded.
    void followSession(session::LotterySession& session);

    // Start-up: creates the 49 number buttons, then the 7 ball pictures and labels.
    void CreateNumberButtons();
    // imgFon2: the tiled 450x303 background.
    void setBackground(const QImage& picture);

    // The page part of the reset for a new or opened lottery: plain glyphs, buttons visible
    // exactly for 1..N, balls and labels hidden.
    void Unvisible();
    // The "Далее ..." action: the card reset and the play display ended.
    void btnContinueClick();
    // A lottery was started or opened: the "Далее ..." action, then the page reset. A home
    // draw that was on display still counts as shown, so the next click ends it once more
    // (on an empty card, which changes nothing).
    void lotteryStarted();

    bool playMode() const;
    // A home draw is on display and the card has not been reset since.
    bool playShown() const { return playShown_; }
    QPushButton* numberButton(int n) const;

    // Event handlers, public so the window's tests can drive them as the controls do.
    void Action1Execute(const QAbstractButton* clicked);
    void btnNewTirazClick();
    void bbtTirazClick();
    void bbtPlayClick();

    // Offered by a right click on the card; available only while it holds K numbers.
    // needsFullCard: offered only while the card holds K numbers (shown disabled otherwise).
    void addCardAction(QAction* action, bool needsFullCard = true);

    // The controls, for the window and its tests.
    GlyphButton* tirazButton() const { return bbtTiraz_; }
    GlyphButton* playButton() const { return bbtPlay_; }
    GlyphButton* newTirazButton() const { return btnNewTiraz_; }
    GlyphButton* continueButton() const { return btnContinue_; }
    QPushButton* focusButton() const { return btnFocus_; }
    QLabel* townPicture() const { return imgTown_; }
    QLabel* backgroundPicture() const { return imgFon2_; }
    QImage background() const { return background_; }
    // m = 1..7; null before CreateNumberButtons.
    QLabel* ballPicture(int m) const;
    QLabel* ballLabel(int m) const;

    // Typing on the card: digits, blanks, commas, Enter and Backspace. False when the key is
    // not one of them. The window hands over keys that reach it while the page is shown.
    bool typeKey(const QKeyEvent& event);

signals:
    // The card was recorded as a draw at the end of the list.
    void drawRecorded();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setGlyph(int n, art::GlyphKind kind);
    void setActiveMode(GlyphButton* active, GlyphButton* other);
    void endPlayDisplay();
    void onContinueClicked();
    // The visible part of "Далее ...", for the numbers that were on the card.
    void clearDisplay(const lottery::NumberSet& card);
    void showPendingDigits();

    lottery::LotteryDocument& document_;
    lottery::RandomSource& random_;
    session::LotterySession* session_ = nullptr;
    lottery::TypedNumberEntry typed_;

    QLabel* imgFon2_ = nullptr;
    QLabel* imgTown_ = nullptr;
    GlyphButton* bbtTiraz_ = nullptr;
    GlyphButton* bbtPlay_ = nullptr;
    QPushButton* btnFocus_ = nullptr;
    GlyphButton* btnNewTiraz_ = nullptr;
    GlyphButton* btnContinue_ = nullptr;
    QLabel* pendingMark_ = nullptr; // rings the ball a pending typed digit would mark
    std::array<GlyphButton*, kNumbers + 1> numbers_{}; // 1-based
    std::array<QLabel*, kBalls + 1> ballPictures_{};   // 1-based
    std::array<QLabel*, kBalls + 1> ballLabels_{};     // 1-based
    QImage background_;
    bool playShown_ = false;
    QList<QAction*> cardActions_;
    QList<QAction*> fullCardActions_;
};
