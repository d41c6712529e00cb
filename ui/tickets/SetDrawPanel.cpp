#include "tickets/SetDrawPanel.h"

#include "tickets/TicketSetHost.h"
#include "lottery/LotteryDocument.h"
#include "tickets/FigureText.h"
#include "tickets/GroupChance.h"
#include "tickets/TicketSet.h"
#include "wording/RussianCount.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SetDrawPanel::SetDrawPanel(TicketSetHost& host, QWidget* parent)
    : QWidget(parent), host_(host),
      btnDraw_(new QPushButton(QStringLiteral("Розыгрыш для набора"), this)),
      lblDrawn_(new QLabel(this)), lblLevels_(new QLabel(this)) {
    setObjectName(QStringLiteral("setDrawPanel"));
    btnDraw_->setObjectName(QStringLiteral("btnSetDraw"));
    lblDrawn_->setObjectName(QStringLiteral("lblDrawn"));
    lblLevels_->setObjectName(QStringLiteral("lblDrawLevels"));
    QFont big = lblDrawn_->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    lblDrawn_->setFont(big);
    lblLevels_->setWordWrap(true);
    lblLevels_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* about = new QLabel(QStringLiteral("Тираж разыгрывается дома так же, как в режиме "
                                            "игры; угаданные номера каждого билета видны в "
                                            "списке набора."),
                             this);
    // Wrapped, so that the sentence does not widen the window past a small screen.
    about->setWordWrap(true);
    layout->addWidget(about);
    layout->addWidget(btnDraw_, 0, Qt::AlignLeft);
    layout->addWidget(lblDrawn_);
    layout->addWidget(lblLevels_, 1);
    connect(btnDraw_, &QPushButton::clicked, this, &SetDrawPanel::draw);
    refresh();
}

void SetDrawPanel::refresh() {
    btnDraw_->setEnabled(!host_.ticketSet().empty());
    lblDrawn_->clear();
    lblLevels_->clear();
    emit drawn(std::nullopt);
}

void SetDrawPanel::draw() {
    const lottery::TicketSet& set = host_.ticketSet();
    const lottery::LotteryShape shape = set.shape();
    lottery::SetHomeDraw result = lottery::DrawForSet(set.tickets(), shape, host_.random());
    QStringList balls;
    for (int i = 0; i < result.draw.count; ++i)
        balls << QString::number(result.draw.balls[static_cast<std::size_t>(i)].number);
    lblDrawn_->setText(QStringLiteral("Выпали: ") + balls.join(QStringLiteral("  ")));

    const lottery::GroupChance chance = lottery::ChanceOfGroup(set.tickets(), shape, 1);
    QStringList levels;
    for (int m = shape.K; m >= 0; --m) {
        const auto level = static_cast<std::size_t>(m);
        levels << QStringLiteral("%1: %2 (случайно в среднем %3)")
                      .arg(QString::fromStdString(
                          wording::CountOf(m, {"совпадение", "совпадения", "совпадений"})))
                      .arg(QString::fromStdString(
                          wording::CountOf(result.levels[level], {"билет", "билета", "билетов"})))
                      .arg(QString::fromStdString(lottery::ExpectedText(chance.expected[level])));
    }
    lblLevels_->setText(levels.join(QLatin1Char('\n')));
    emit drawn(std::move(result));
}
