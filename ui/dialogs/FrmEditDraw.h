#pragma once

#include "lottery/Card.h"
#include "lottery/DrawRecord.h"
#include "lottery/LotteryShape.h"
#include "lottery/TypedNumberEntry.h"

#include <QDialog>
#include <array>
#include <optional>
#include <vector>

class AppearanceSource;
class GlyphButton;
class QLabel;
class QPushButton;
class TiledBackground;

// "Изменить тираж": a card of the lottery's N balls with one draw's numbers marked in the
// order they were entered. Unmarking takes a number out of that order, marking puts one at
// its end, by click or by typing as on the draw-entry page; "готово" is enabled only while
// exactly K numbers are marked.
class FrmEditDraw : public QDialog {
    Q_OBJECT
public:
    FrmEditDraw(lottery::LotteryShape shape, const lottery::DrawRecord& draw,
                const AppearanceSource& appearance, QWidget* parent = nullptr);

    // Shows the dialog modally: the corrected draw, or nothing when the user cancelled.
    static std::optional<lottery::DrawRecord> Edit(lottery::LotteryShape shape,
                                                   const lottery::DrawRecord& draw,
                                                   const AppearanceSource& appearance,
                                                   QWidget* parent);

    // The draw as marked now; positions after K keep the bytes the draw came with.
    lottery::DrawRecord draw() const;
    std::vector<int> marked() const;
    GlyphButton* numberButton(int n) const;
    QPushButton* okButton() const { return btnOK_; }
    QPushButton* cancelButton() const { return btnCancel_; }
    QLabel* drawLine() const { return lblDraw_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void toggle(int n);
    void showMarks();

    lottery::DrawRecord original_;
    const AppearanceSource& appearance_;
    lottery::Card card_; // in the order of the draw, then of marking
    lottery::TypedNumberEntry typed_;
    TiledBackground* imgFon_;
    QLabel* lblTitle_;
    QLabel* lblDraw_;
    std::array<GlyphButton*, lottery::LotteryShape::kMaxN + 1> numbers_{}; // 1-based
    QPushButton* btnOK_;
    QPushButton* btnCancel_;
};
