#include "drawentry/DrawEntryPage.h"

#include "Pictures.h"
#include "PlayBall.h"
#include "Transparency.h"
#include "lottery/LotteryDocument.h"
#include "platform/SystemBeep.h"
#include "session/LotterySession.h"
#include "widgets/ColourValue.h"
#include "widgets/FontSetup.h"
#include "widgets/GlyphButton.h"
#include "widgets/TypedKey.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QFont>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

const QString DrawEntryPage::kCaptionAtStart = QStringLiteral("Добавить  тираж");
const QString DrawEntryPage::kCaptionRecord = QStringLiteral("Добавить тираж");
const QString DrawEntryPage::kCaptionPlay = QStringLiteral("Провести розыгрыш");

namespace {

// What the card does besides clicks, which nothing else on the page tells.
const QString kCardHint = QStringLiteral(
    "Номера можно набирать: «3 17 22 30 41 45» и Enter; Backspace убирает последний.\n"
    "Правая кнопка мыши на полной карточке или F4 — проверить билет по истории.\n"
    "F3 — диаграммы, F5 — билеты; Ctrl+Z — отменить, Ctrl+Y — повторить.");

const QColor kActiveModeText = ResolveColour(0x000000, QPalette());
const QColor kOtherModeText = ResolveColour(0x808080, QPalette());

QFont ModeButtonFont() {
    return ProgramFont(12);
}

QFont BallLabelFont() {
    QFont font = ProgramFont(12);
    font.setPointSize(16);
    font.setWeight(QFont::Normal);
    return font;
}

GlyphButton* MakeButton(QWidget* parent, const char* name, QRect geometry, const QString& text) {
    auto* button = new GlyphButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setText(text);
    return button;
}

// The dressing may hand over the ball already see-through; key it only when it is not.
QPixmap BallPixmap(const QImage& ball) {
    return ball.hasAlphaChannel() ? QPixmap::fromImage(ball) : art::TransparentPixmap(ball);
}

} // namespace

DrawEntryPage::DrawEntryPage(lottery::LotteryDocument& document, lottery::RandomSource& random,
                             QWidget* parent)
    : QWidget(parent), document_(document), random_(random) {
    setObjectName(QStringLiteral("TabSheet2"));
    resize(kWidth, kHeight);

    imgFon2_ = new QLabel(this);
    imgFon2_->setObjectName(QStringLiteral("imgFon2"));
    imgFon2_->setGeometry(0, 0, kWidth, kHeight);
    imgFon2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const art::Pictures& pictures = art::Pictures::instance();
    imgTown_ = new QLabel(this);
    imgTown_->setObjectName(QStringLiteral("imgTown"));
    imgTown_->setGeometry(238, 5, 195, 294);
    imgTown_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgTown_->setPixmap(QPixmap::fromImage(pictures.town()));

    bbtTiraz_ = MakeButton(this, "bbtTiraz", QRect(7, 8, 105, 25), QStringLiteral("Тираж"));
    bbtPlay_ = MakeButton(this, "bbtPlay", QRect(113, 8, 105, 25), QStringLiteral("Розыгрыш"));
    for (GlyphButton* mode : {bbtTiraz_, bbtPlay_}) {
        mode->setMargin(10);
        mode->setFont(ModeButtonFont());
        mode->setCursor(Qt::PointingHandCursor);
        mode->setFocusPolicy(Qt::StrongFocus);
    }
    bbtTiraz_->setGlyph(pictures.tirazGlyph());
    bbtPlay_->setGlyph(pictures.playGlyph());
    setActiveMode(bbtTiraz_, bbtPlay_);

    // Created before the add button so that it lies under it and is never seen.
    btnFocus_ = new QPushButton(this);
    btnFocus_->setObjectName(QStringLiteral("btnFocus"));
    btnFocus_->setGeometry(24, 280, 15, 15);
    btnFocus_->setFocusPolicy(Qt::StrongFocus);

    btnNewTiraz_ = MakeButton(this, "btnNewTiraz", QRect(7, 272, 211, 25), kCaptionAtStart);
    btnNewTiraz_->setEnabled(false);
    btnNewTiraz_->setFocusPolicy(Qt::StrongFocus);

    btnContinue_ =
        MakeButton(this, "btnContinue", QRect(240, 272, 192, 25), QStringLiteral("Далее ..."));
    btnContinue_->setFocusPolicy(Qt::StrongFocus);
    btnContinue_->hide();

    setTabOrder(bbtTiraz_, bbtPlay_);
    setTabOrder(bbtPlay_, btnFocus_);
    setTabOrder(btnFocus_, btnNewTiraz_);
    setTabOrder(btnNewTiraz_, btnContinue_);

    connect(bbtTiraz_, &QPushButton::clicked, this, &DrawEntryPage::bbtTirazClick);
    connect(bbtPlay_, &QPushButton::clicked, this, &DrawEntryPage::bbtPlayClick);
    connect(btnNewTiraz_, &QPushButton::clicked, this, &DrawEntryPage::btnNewTirazClick);
    connect(btnContinue_, &QPushButton::clicked, this, &DrawEntryPage::onContinueClicked);
    // A focused button would take a typed blank as its own click.
    for (QPushButton* button :
         {static_cast<QPushButton*>(bbtTiraz_), static_cast<QPushButton*>(bbtPlay_), btnFocus_,
          static_cast<QPushButton*>(btnNewTiraz_), static_cast<QPushButton*>(btnContinue_)})
        button->installEventFilter(this);
}

bool DrawEntryPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    // A blank or Enter on a visible button is that button's click, unless digits wait for it.
    if (watched != btnFocus_ && typed_.pending().empty()) {
        if (key.key() == Qt::Key_Space)
            return false;
        if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
            static_cast<QPushButton*>(watched)->click();
            return true;
        }
    }
    return typeKey(key);
}

void DrawEntryPage::keyPressEvent(QKeyEvent* event) {
    if (!typeKey(*event))
        QWidget::keyPressEvent(event);
}

bool DrawEntryPage::typeKey(const QKeyEvent& event) {
    const char key = TypedEntryKey(event);
    if (key == 0)
        return false;
    // While a home draw is on display, the next number starts a fresh card.
    const lottery::TypedKeyOutcome outcome =
        typed_.feed(key, playShown_ ? lottery::Card(document_.shape()) : document_.card());
    if (outcome.refused)
        SystemBeep();
    for (int n : {outcome.mark, outcome.unmark})
        if (n != 0)
            Action1Execute(numbers_[static_cast<std::size_t>(n)]);
    if (outcome.press)
        btnNewTiraz_->click(); // does nothing while the button is disabled
    showPendingDigits();
    return outcome.handled;
}

void DrawEntryPage::showPendingDigits() {
    // A digit waiting for the next one rings the ball it would mark if the number ended here.
    if (pendingMark_ == nullptr)
        return;
    const std::string& digits = typed_.pending();
    const int n = digits.empty() ? 0 : std::stoi(digits);
    GlyphButton* ball =
        n >= 1 && n <= document_.shape().N ? numbers_[static_cast<std::size_t>(n)] : nullptr;
    pendingMark_->setVisible(ball != nullptr);
    if (ball != nullptr) {
        pendingMark_->setGeometry(ball->geometry());
        pendingMark_->raise();
    }
}

void DrawEntryPage::CreateNumberButtons() {
    if (numbers_[1] != nullptr)
        return;
    for (int r = 1; r <= 7; ++r) {
        for (int c = 1; c <= 7; ++c) {
            const int n = (r - 1) * 7 + c;
            auto* button = new GlyphButton(this);
            button->setObjectName(QStringLiteral("bbtNumber%1").arg(n));
            button->setGeometry(c * 30 - 22, r * 30 + 18, 30, 30);
            button->setCursor(Qt::PointingHandCursor);
            // Not a tab stop: the clicked button is known from the click itself.
            button->setFocusPolicy(Qt::NoFocus);
            button->setMargin(-1);
            button->setGlyph(art::ComposeBallGlyph(n, art::GlyphKind::Plain));
            button->setVisible(n <= document_.shape().N);
            button->setToolTip(kCardHint);
            connect(button, &QPushButton::clicked, this, [this, button] {
                typed_.clear();
                showPendingDigits();
                Action1Execute(button);
            });
            numbers_[static_cast<std::size_t>(n)] = button;
        }
    }

    pendingMark_ = new QLabel(this);
    pendingMark_->setObjectName(QStringLiteral("lblPendingDigit"));
    pendingMark_->setAttribute(Qt::WA_TransparentForMouseEvents);
    pendingMark_->setStyleSheet(QStringLiteral(
        "border: 2px dashed #c00000; border-radius: 14px; background: transparent;"));
    pendingMark_->hide();

    const QFont labelFont = BallLabelFont();
    const int labelHeight = QFontMetrics(labelFont).height();
    for (int m = 1; m <= kBalls; ++m) {
        auto* picture = new QLabel(this);
        picture->setObjectName(QStringLiteral("imgPlay%1").arg(m));
        picture->setGeometry(0, 0, 105, 105);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->hide();
        ballPictures_[static_cast<std::size_t>(m)] = picture;

        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("lblPlay%1").arg(m));
        label->setFont(labelFont);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setGeometry(0, 0, 25, labelHeight);
        label->hide();
        ballLabels_[static_cast<std::size_t>(m)] = label;
    }

    // The balls of a home draw may land over "Далее ..."; buttons stay above every picture
    // and label of the page so that they take clicks over their whole area. Raised in their
    // stacking order, so btnFocus stays under the add button.
    for (QAbstractButton* button : findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
        button->raise();
}

void DrawEntryPage::setBackground(const QImage& picture) {
    background_ = picture.copy();
    imgFon2_->setPixmap(QPixmap::fromImage(background_));
}

QPushButton* DrawEntryPage::numberButton(int n) const {
    if (n < 1 || n > kNumbers)
        return nullptr;
    return numbers_[static_cast<std::size_t>(n)];
}

QLabel* DrawEntryPage::ballPicture(int m) const {
    if (m < 1 || m > kBalls)
        return nullptr;
    return ballPictures_[static_cast<std::size_t>(m)];
}

QLabel* DrawEntryPage::ballLabel(int m) const {
    if (m < 1 || m > kBalls)
        return nullptr;
    return ballLabels_[static_cast<std::size_t>(m)];
}

bool DrawEntryPage::playMode() const {
    return btnNewTiraz_->text() == kCaptionPlay;
}

void DrawEntryPage::setGlyph(int n, art::GlyphKind kind) {
    if (GlyphButton* button = numbers_[static_cast<std::size_t>(n)])
        button->setGlyph(art::ComposeBallGlyph(n, kind));
}

void DrawEntryPage::setActiveMode(GlyphButton* active, GlyphButton* other) {
    active->setTextColour(kActiveModeText);
    other->setTextColour(kOtherModeText);
}

void DrawEntryPage::endPlayDisplay() {
    if (!playShown_)
        return;
    btnContinueClick();
    playShown_ = false;
}

void DrawEntryPage::Action1Execute(const QAbstractButton* clicked) {
    endPlayDisplay();

    int n = 0;
    for (int i = 1; i <= document_.shape().N && i <= kNumbers; ++i) {
        if (numbers_[static_cast<std::size_t>(i)] == clicked) {
            n = i;
            break;
        }
    }
    if (n == 0)
        return;

    if (document_.cardSet().contains(n)) {
        document_.UnmarkNumber(n);
        btnNewTiraz_->setEnabled(false);
        setGlyph(n, art::GlyphKind::Plain);
        btnFocus_->setFocus();
        return;
    }
    btnFocus_->setFocus();
    const lottery::MarkResult result = document_.MarkNumber(n);
    if (result == lottery::MarkResult::Ignored)
        return;
    if (result == lottery::MarkResult::CardFull)
        btnNewTiraz_->setEnabled(true);
    setGlyph(n, art::GlyphKind::Selected);
}

void DrawEntryPage::btnNewTirazClick() {
    btnNewTiraz_->setEnabled(false);
    if (!playMode()) {
        const lottery::NumberSet recorded = document_.cardSet();
        if (session_ != nullptr)
            session_->recordCard();
        else
            document_.RecordCard();
        clearDisplay(recorded);
        emit drawRecorded();
        return;
    }

    imgTown_->hide();
    btnContinue_->show();
    const lottery::PlayDraw& draw = document_.PlayHomeDraw(random_);
    playShown_ = true;
    for (int m = 1; m <= draw.count && m <= kBalls; ++m) {
        const lottery::PlayBall& ball = draw.balls[static_cast<std::size_t>(m - 1)];
        const art::PlayBallDressing dressing =
            art::DressPlayBall(ball.number, ball.hit, QPoint(ball.left, ball.top));
        QLabel* picture = ballPictures_[static_cast<std::size_t>(m)];
        QLabel* label = ballLabels_[static_cast<std::size_t>(m)];
        picture->move(dressing.picturePos);
        label->setText(dressing.labelText);
        label->move(dressing.labelPos);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, dressing.labelColour);
        label->setPalette(palette);
        label->show();
        picture->setPixmap(BallPixmap(dressing.picture));
        picture->show();
    }
}

void DrawEntryPage::btnContinueClick() {
    const lottery::NumberSet card = document_.cardSet();
    document_.ResetCard();
    clearDisplay(card);
}

void DrawEntryPage::followSession(session::LotterySession& session) {
    session_ = &session;
    connect(&session, &session::LotterySession::lotteryStarted, this,
            &DrawEntryPage::lotteryStarted);
}

void DrawEntryPage::lotteryStarted() {
    btnContinueClick();
    Unvisible();
}

void DrawEntryPage::clearDisplay(const lottery::NumberSet& card) {
    btnContinue_->hide();
    const int N = document_.shape().N;
    for (int n = 1; n <= N && n <= kNumbers; ++n) {
        if (card.contains(n))
            setGlyph(n, art::GlyphKind::AfterDraw);
    }
    for (int m = 1; m <= document_.shape().K && m <= kBalls; ++m) {
        if (QLabel* label = ballLabels_[static_cast<std::size_t>(m)])
            label->clear();
        if (QLabel* picture = ballPictures_[static_cast<std::size_t>(m)])
            picture->hide();
    }
    btnNewTiraz_->setEnabled(false);
    imgTown_->show();
}

void DrawEntryPage::onContinueClicked() {
    btnContinueClick();
    // The card has been reset, so no draw is on display any more.
    playShown_ = false;
}

void DrawEntryPage::bbtTirazClick() {
    endPlayDisplay();
    btnNewTiraz_->setText(kCaptionRecord);
    setActiveMode(bbtTiraz_, bbtPlay_);
    btnFocus_->setFocus();
}

void DrawEntryPage::bbtPlayClick() {
    endPlayDisplay();
    btnNewTiraz_->setText(kCaptionPlay);
    setActiveMode(bbtPlay_, bbtTiraz_);
    btnFocus_->setFocus();
}

void DrawEntryPage::Unvisible() {
    typed_.clear();
    showPendingDigits();
    const int N = document_.shape().N;
    for (int n = 1; n <= kNumbers; ++n) {
        if (GlyphButton* button = numbers_[static_cast<std::size_t>(n)]) {
            button->setGlyph(art::ComposeBallGlyph(n, art::GlyphKind::Plain));
            button->setVisible(n <= N);
        }
    }
    for (int m = 1; m <= kBalls; ++m) {
        if (QLabel* picture = ballPictures_[static_cast<std::size_t>(m)])
            picture->hide();
        if (QLabel* label = ballLabels_[static_cast<std::size_t>(m)])
            label->hide();
    }
}

void DrawEntryPage::addCardAction(QAction* action, bool needsFullCard) {
    cardActions_.append(action);
    if (needsFullCard)
        fullCardActions_.append(action);
}

void DrawEntryPage::contextMenuEvent(QContextMenuEvent* event) {
    // The card is the field of number buttons, hidden ones included.
    const bool onCard =
        numbers_[1] != nullptr &&
        numbers_[1]->geometry().united(numbers_[kNumbers]->geometry()).contains(event->pos());
    if (cardActions_.isEmpty() || !onCard) {
        event->ignore();
        return;
    }
    for (QAction* action : fullCardActions_)
        action->setEnabled(document_.cardFull());
    QMenu::exec(cardActions_, event->globalPos(), nullptr, this);
}
