#include "tickets/BacktestPanel.h"

#include "tickets/BacktestTable.h"
#include "tickets/TicketSetHost.h"
#include "lottery/LotteryDocument.h"
#include "tickets/Backtest.h"
#include "tickets/BacktestVerdict.h"
#include "tickets/TicketSet.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kProgressSteps = 1000;
// Without some history the frequency ways have nothing to go on; the first choices of a range
// starting at draw 1 are made from nothing, which is allowed but says little.
constexpr int kDefaultPlayed = 1000;

} // namespace

BacktestPanel::BacktestPanel(TicketSetHost& host, QWidget* parent)
    : QWidget(parent), host_(host), spnFrom_(new QSpinBox(this)), spnTo_(new QSpinBox(this)),
      btnRun_(new QPushButton(QStringLiteral("Проверить способы"), this)),
      table_(new BacktestTable(this)), lblVerdict_(new QLabel(this)) {
    setObjectName(QStringLiteral("backtestPanel"));
    spnFrom_->setObjectName(QStringLiteral("spnBacktestFrom"));
    spnTo_->setObjectName(QStringLiteral("spnBacktestTo"));
    // Empty until the first refresh, which then gives the default range.
    for (QSpinBox* box : {spnFrom_, spnTo_})
        box->setRange(0, 0);
    btnRun_->setObjectName(QStringLiteral("btnBacktest"));
    lblVerdict_->setObjectName(QStringLiteral("lblVerdict"));
    lblVerdict_->setWordWrap(true);
    auto* range = new QHBoxLayout;
    range->addWidget(new QLabel(QStringLiteral("Играть тиражи с №"), this));
    range->addWidget(spnFrom_);
    range->addWidget(new QLabel(QStringLiteral("по №"), this));
    range->addWidget(spnTo_);
    range->addStretch(1);
    range->addWidget(btnRun_);
    auto* note = new QLabel(
        QStringLiteral("Билет для каждого тиража выбирается только по тиражам до него. В клетке — "
                       "сколько раз совпало столько номеров, под ним — сколько даёт случай."),
        this);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(range);
    layout->addWidget(note);
    layout->addWidget(table_, 1);
    layout->addWidget(lblVerdict_);
    connect(btnRun_, &QPushButton::clicked, this, &BacktestPanel::run);
    refresh();
}

void BacktestPanel::refresh() {
    const int draws = host_.document().drawCount();
    const bool wasEmpty = spnTo_->maximum() == 0;
    for (QSpinBox* box : {spnFrom_, spnTo_})
        box->setRange(std::min(1, draws), draws);
    if (wasEmpty || spnTo_->value() < spnFrom_->value())
        setRange(std::max(1, draws - kDefaultPlayed + 1), draws);
    btnRun_->setEnabled(draws > 0);
    table_->setRowCount(0);
    lblVerdict_->clear();
}

void BacktestPanel::setRange(int from, int to) {
    spnFrom_->setValue(from);
    spnTo_->setValue(to);
}

void BacktestPanel::run() {
    const lottery::LotteryDocument& document = host_.document();
    QProgressDialog progress(QStringLiteral("Проверка способов ..."), QStringLiteral("Отмена"), 0,
                             kProgressSteps, this);
    progress.setObjectName(QStringLiteral("dlgBacktestProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    lottery::BacktestRequest request;
    request.range = {std::min(spnFrom_->value(), spnTo_->value()) - 1,
                     std::max(spnFrom_->value(), spnTo_->value())};
    request.set = host_.ticketSet().tickets();
    request.progress = [&progress](double done) {
        progress.setValue(static_cast<int>(done * kProgressSteps));
        return !progress.wasCanceled();
    };
    const auto masks = lottery::DrawMasks(document.draws(), document.shape());
    const lottery::Backtest backtest = lottery::RunBacktest(masks, document.shape(), request);
    if (backtest.cancelled)
        return;
    table_->show(backtest);
    lblVerdict_->setText(QString::fromStdString(lottery::BacktestVerdict(backtest)));
}
