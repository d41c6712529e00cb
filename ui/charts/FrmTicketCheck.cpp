#include "charts/FrmTicketCheck.h"

#include "chance/ChartFigures.h"
#include "charts/ChanceWording.h"
#include "charts/ChartExport.h"
#include "lottery/LotteryDocument.h"
#include "widgets/AppearanceSource.h"
#include "widgets/DialogControls.h"
#include "widgets/TiledBackground.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

using namespace chance_wording;
using namespace dialog_controls;

namespace {

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

// The numbers of a draw that are on the ticket, in the draw's own order.
QString Shared(const lottery::DrawRecord& draw, int K, const lottery::NumberSet& ticket) {
    QStringList shared;
    lottery::NumberSet seen;
    for (int p = 0; p < K; ++p) {
        const int n = draw[static_cast<std::size_t>(p)];
        if (ticket.contains(n) && !seen.contains(n))
            shared << QString::number(n);
        seen.add(n);
    }
    return shared.join(QStringLiteral(", "));
}

} // namespace

FrmTicketCheck::FrmTicketCheck(const lottery::LotteryDocument& document,
                               const AppearanceSource& appearance, QWidget* parent)
    : QDialog(parent), document_(document), appearance_(appearance) {
    SetUpFixedWindow(*this, QStringLiteral("frmTicketCheck"),
                     QStringLiteral("Проверка билета по истории"), kClient);
    background_ = new TiledBackground(QStringLiteral("imgFon"), kClient, this);

    content_ = new QWidget(this);
    content_->setObjectName(QStringLiteral("ticketCheck"));
    lblTicket_ = AddLabel(content_, QStringLiteral("lblTicket"), QString(), 0, 0, true);
    tblMatches_ = new QTableWidget(content_);
    tblMatches_->setObjectName(QStringLiteral("tblMatches"));
    tblMatches_->setColumnCount(3);
    tblMatches_->setHorizontalHeaderLabels({QStringLiteral("Совпало номеров"),
                                            QStringLiteral("Тиражей"),
                                            QStringLiteral("Случайно ожидается")});
    tblMatches_->verticalHeader()->hide();
    tblMatches_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblMatches_->setSelectionMode(QAbstractItemView::NoSelection);
    tblMatches_->setFocusPolicy(Qt::NoFocus); // a read-out: no current cell to frame
    lblBest_ = AddLabel(content_, QStringLiteral("lblBest"),
                        QStringLiteral("Лучшие совпадения (номер тиража в списке):"), 0, 0, true);
    lstBest_ = new QListWidget(content_);
    lstBest_->setObjectName(QStringLiteral("lstBest"));
    lblSummary_ = AddSizedLabel(content_, QStringLiteral("lblSummary"), QString(), QRect(),
                                Qt::AlignLeft | Qt::AlignTop, true);
    MakeBold(lblSummary_);
    auto* contentLayout = new QVBoxLayout(content_);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(lblTicket_);
    contentLayout->addWidget(tblMatches_, 3);
    contentLayout->addWidget(lblBest_);
    contentLayout->addWidget(lstBest_, 4);
    contentLayout->addWidget(lblSummary_);
    for (QWidget* clicked : {static_cast<QWidget*>(tblMatches_), static_cast<QWidget*>(lstBest_)})
        chart_export::AddContextMenu(clicked, content_, QStringLiteral("билет"));

    auto* close =
        AddButton(this, QStringLiteral("btnClose"), QStringLiteral("Закрыть"), QRect(), true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->addWidget(content_, 1);
    layout->addWidget(close, 0, Qt::AlignRight);
}

void FrmTicketCheck::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void FrmTicketCheck::takeTicketFromCard() {
    ticketNumbers_.clear();
    for (int p = 0; p < document_.cardCount(); ++p)
        ticketNumbers_.push_back(document_.cardNumbers()[static_cast<std::size_t>(p)]);
    if (isVisible())
        FormShow();
}

void FrmTicketCheck::historyChanged() {
    // Another lottery makes the ticket meaningless; its own draws changing do not.
    const lottery::LotteryShape shape = document_.shape();
    const bool sameLottery = static_cast<int>(ticketNumbers_.size()) == shape.K &&
                             std::all_of(ticketNumbers_.begin(), ticketNumbers_.end(),
                                         [&](int n) { return n <= shape.N; });
    if (!sameLottery) {
        close();
        return;
    }
    if (isVisible())
        FormShow();
}

void FrmTicketCheck::FormShow() {
    background_->layCovering(appearance_.currentTile());
    SetFontColour({lblTicket_, lblBest_, lblSummary_}, appearance_.titleColour());

    const lottery::LotteryShape shape = document_.shape();
    const int K = shape.K;
    // The ticket taken when the check was asked for: the card may have moved on since.
    lottery::NumberSet ticket;
    QStringList numbers;
    for (int n : ticketNumbers_) {
        ticket.add(n);
        numbers << QString::number(n);
    }
    lblTicket_->setText(QStringLiteral("Билет: ") + numbers.join(QStringLiteral("  ")));

    const lottery::HistoryIndex index(document_.draws(), shape);
    const lottery::TicketCheck check = lottery::CheckTicket(index, ticket, kListed);
    tblMatches_->setRowCount(K + 1);
    double seen = 0;
    for (int m = 0; m <= K; ++m) {
        const long long draws = check.drawsMatching[static_cast<std::size_t>(m)];
        const double expected = check.expected[static_cast<std::size_t>(m)];
        seen += static_cast<double>(m * draws);
        tblMatches_->setItem(m, 0, Cell(QString::number(m)));
        tblMatches_->setItem(m, 1, Cell(Number(draws)));
        tblMatches_->setItem(m, 2, Cell(Expected(expected)));
    }
    tblMatches_->resizeRowsToContents();

    lstBest_->clear();
    for (const lottery::TicketMatch& match : check.best) {
        const lottery::DrawRecord& draw =
            document_.draws()[static_cast<std::size_t>(match.position - 1)];
        QString line =
            QStringLiteral("№ %1: %2 из %3").arg(match.position).arg(match.matches).arg(K);
        if (match.matches > 0)
            line += QStringLiteral(" — ") + Shared(draw, K, ticket);
        lstBest_->addItem(line);
    }
    if (check.best.empty())
        lstBest_->addItem(QStringLiteral("Тиражей нет."));

    const long long all = index.drawCount();
    // Each of the ticket's K numbers is in a draw with chance K / N.
    const double chanceMean = static_cast<double>(K) * K / shape.N;
    lblSummary_->setText(
        all == 0 ? QStringLiteral("Тиражей нет — сравнивать не с чем.")
                 : QStringLiteral("За %1 билет совпадал в среднем на %2 номера; случайно "
                                  "ожидается %3.")
                       .arg(Draws(all), Decimal(seen / static_cast<double>(all), 2),
                            Decimal(chanceMean, 2)));
}
