#include "dialogs/FrmEditDraw.h"

#include "BallGlyph.h"
#include "Tiling.h"
#include "platform/SystemBeep.h"
#include "widgets/AppearanceSource.h"
#include "widgets/DialogControls.h"
#include "widgets/GlyphButton.h"
#include "widgets/TiledBackground.h"
#include "widgets/TypedKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

using namespace dialog_controls;

namespace {

constexpr int kColumns = 7;
constexpr int kBall = 30; // the balls of the draw-entry page
constexpr int kMargin = 8;
constexpr int kCardTop = 28;
constexpr int kButtonWidth = 75;
constexpr int kButtonGap = 13;

int CardRows(int N) {
    return (N + kColumns - 1) / kColumns;
}

QSize ClientSize(int N) {
    const int width = kMargin * 2 + kColumns * kBall;
    const int height = kCardTop + CardRows(N) * kBall + 6 + 16 + 8 + 25 + kMargin;
    return {width, height};
}

int TilesToCover(int length) {
    return (length + art::kTileSize - 1) / art::kTileSize;
}

} // namespace

FrmEditDraw::FrmEditDraw(lottery::LotteryShape shape, const lottery::DrawRecord& draw,
                         const AppearanceSource& appearance, QWidget* parent)
    : QDialog(parent), original_(draw), appearance_(appearance), card_(shape) {
    const QSize client = ClientSize(shape.N);
    SetUpFixedWindow(*this, QStringLiteral("frmEditDraw"), QStringLiteral("Изменить тираж"),
                     client);
    imgFon_ = new TiledBackground(QStringLiteral("imgFon"), client, this);
    lblTitle_ = AddLabel(this, QStringLiteral("lblTitle"),
                         QStringLiteral("Отметьте номера тиража:"), kMargin, 8, true);

    for (int n = 1; n <= shape.N; ++n) {
        auto* button = new GlyphButton(this);
        button->setObjectName(QStringLiteral("bbtNumber%1").arg(n));
        button->setGeometry(kMargin + (n - 1) % kColumns * kBall,
                            kCardTop + (n - 1) / kColumns * kBall, kBall, kBall);
        button->setCursor(Qt::PointingHandCursor);
        button->setFocusPolicy(Qt::NoFocus);
        button->setMargin(-1);
        connect(button, &QPushButton::clicked, this, [this, n] {
            typed_.clear();
            toggle(n);
        });
        numbers_[static_cast<std::size_t>(n)] = button;
    }
    // A draw read from elsewhere may hold a number twice or outside 1..N; such numbers are
    // simply not marked, and the draw cannot be confirmed until the card is whole again.
    for (int p = 0; p < shape.K; ++p)
        card_.mark(draw[static_cast<std::size_t>(p)]);

    const int linesTop = kCardTop + CardRows(shape.N) * kBall + 6;
    lblDraw_ = AddSizedLabel(this, QStringLiteral("lblDraw"), QString(),
                             QRect(kMargin, linesTop, client.width() - 2 * kMargin, 16),
                             Qt::AlignHCenter | Qt::AlignVCenter, false);
    MakeBold(lblDraw_);
    const int buttonsLeft = (client.width() - 2 * kButtonWidth - kButtonGap) / 2;
    const int buttonsTop = linesTop + 16 + 8;
    btnOK_ = AddButton(this, QStringLiteral("btnOK"), QStringLiteral("готово"),
                       QRect(buttonsLeft, buttonsTop, kButtonWidth, 25), true);
    btnCancel_ = AddButton(
        this, QStringLiteral("btnCancel"), QStringLiteral("отмена"),
        QRect(buttonsLeft + kButtonWidth + kButtonGap, buttonsTop, kButtonWidth, 25), true);
    // Typing goes to the card; the buttons are reached with Tab.
    for (QPushButton* button : {btnOK_, btnCancel_}) {
        button->setFocusPolicy(Qt::TabFocus);
        button->setAutoDefault(false);
    }
    setFocusPolicy(Qt::StrongFocus);
    connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
    showMarks();
}

std::optional<lottery::DrawRecord> FrmEditDraw::Edit(lottery::LotteryShape shape,
                                                     const lottery::DrawRecord& draw,
                                                     const AppearanceSource& appearance,
                                                     QWidget* parent) {
    FrmEditDraw dialog(shape, draw, appearance, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.draw();
}

lottery::DrawRecord FrmEditDraw::draw() const {
    lottery::DrawRecord record = original_;
    std::copy_n(card_.numbers().begin(), card_.count(), record.begin());
    return record;
}

std::vector<int> FrmEditDraw::marked() const {
    return {card_.numbers().begin(), card_.numbers().begin() + card_.count()};
}

GlyphButton* FrmEditDraw::numberButton(int n) const {
    return n >= 1 && n <= card_.shape().N ? numbers_[static_cast<std::size_t>(n)] : nullptr;
}

void FrmEditDraw::showEvent(QShowEvent* event) {
    const QSize client = size();
    imgFon_->lay(appearance_.currentTile(), TilesToCover(client.width()),
                 TilesToCover(client.height()));
    SetFontColour({lblTitle_, lblDraw_}, appearance_.titleColour());
    QDialog::showEvent(event);
    setFocus();
}

void FrmEditDraw::keyPressEvent(QKeyEvent* event) {
    const char key = TypedEntryKey(*event);
    if (key == 0) {
        QDialog::keyPressEvent(event); // Escape cancels
        return;
    }
    const lottery::TypedKeyOutcome outcome = typed_.feed(key, card_);
    if (outcome.refused)
        SystemBeep();
    if (outcome.mark != 0)
        toggle(outcome.mark);
    if (outcome.unmark != 0)
        toggle(outcome.unmark);
    if (outcome.press && btnOK_->isEnabled())
        accept();
}

void FrmEditDraw::toggle(int n) {
    card_.toggle(n);
    showMarks();
}

void FrmEditDraw::showMarks() {
    for (int n = 1; n <= card_.shape().N; ++n) {
        const bool on = card_.contains(n);
        numbers_[static_cast<std::size_t>(n)]->setGlyph(
            art::ComposeBallGlyph(n, on ? art::GlyphKind::Selected : art::GlyphKind::Plain));
    }
    lblDraw_->setText(QString::fromStdString(lottery::DrawLine(draw(), card_.count())).trimmed());
    btnOK_->setEnabled(card_.full());
}
