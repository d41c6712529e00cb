#include "tickets/WheelCard.h"

#include "BallGlyph.h"
#include "widgets/GlyphButton.h"

WheelCard::WheelCard(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("wheelCard"));
    for (int n = 1; n <= 49; ++n) {
        auto* ball = new GlyphButton(this);
        ball->setObjectName(QStringLiteral("wheelBall%1").arg(n));
        ball->setGeometry(((n - 1) % 7) * kBall, ((n - 1) / 7) * kBall, kBall, kBall);
        ball->setCursor(Qt::PointingHandCursor);
        ball->setFocusPolicy(Qt::NoFocus);
        ball->setMargin(-1);
        connect(ball, &QPushButton::clicked, this, [this, n] { toggle(n); });
        balls_[static_cast<std::size_t>(n)] = ball;
        paintBall(n);
    }
    setFixedSize(7 * kBall, 7 * kBall);
}

void WheelCard::setLargest(int N) {
    largest_ = N;
    for (int n = 1; n <= 49; ++n) {
        balls_[static_cast<std::size_t>(n)]->setVisible(n <= N);
        // A number the lottery no longer has cannot stay chosen.
        if (n > N)
            chosen_[static_cast<std::size_t>(n)] = false;
        paintBall(n);
    }
    emit changed();
}

std::vector<int> WheelCard::chosen() const {
    std::vector<int> numbers;
    for (int n = 1; n <= largest_; ++n)
        if (chosen_[static_cast<std::size_t>(n)])
            numbers.push_back(n);
    return numbers;
}

void WheelCard::setChosen(const std::vector<int>& numbers) {
    chosen_.fill(false);
    for (int n : numbers)
        if (n >= 1 && n <= largest_)
            chosen_[static_cast<std::size_t>(n)] = true;
    for (int n = 1; n <= 49; ++n)
        paintBall(n);
    emit changed();
}

void WheelCard::toggle(int number) {
    if (number < 1 || number > largest_)
        return;
    auto& on = chosen_[static_cast<std::size_t>(number)];
    on = !on;
    paintBall(number);
    emit changed();
}

void WheelCard::paintBall(int number) {
    balls_[static_cast<std::size_t>(number)]->setGlyph(art::ComposeBallGlyph(
        number, chosen_[static_cast<std::size_t>(number)] ? art::GlyphKind::Selected
                                                          : art::GlyphKind::Plain));
}
