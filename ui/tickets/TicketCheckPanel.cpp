#include "tickets/TicketCheckPanel.h"

#include "tickets/CheckTableModel.h"
#include "tickets/TicketSetHost.h"
#include "lottery/LotteryDocument.h"
#include "tickets/DrawMasks.h"
#include "tickets/FigureText.h"
#include "tickets/TicketSet.h"
#include "tickets/TicketSetCheck.h"
#include "wording/RussianCount.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int kBestListed = 20;
constexpr int kProgressSteps = 1000;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TicketCheckPanel::TicketCheckPanel(TicketSetHost& host, QWidget* parent)
    : QWidget(parent), host_(host), cmbRange_(new QComboBox(this)), spnFrom_(new QSpinBox(this)),
      lblTo_(new QLabel(QStringLiteral("по №"), this)), spnTo_(new QSpinBox(this)),
      btnCheck_(new QPushButton(QStringLiteral("Проверить"), this)),
      model_(new CheckTableModel(this)), tblCheck_(new QTableView(this)),
      lstBest_(new QListWidget(this)), lblMoney_(new QLabel(this)) {
    setObjectName(QStringLiteral("ticketCheckPanel"));
    cmbRange_->setObjectName(QStringLiteral("cmbCheckRange"));
    cmbRange_->addItems({QStringLiteral("последний тираж"), QStringLiteral("тираж №"),
                         QStringLiteral("тиражи с №"), QStringLiteral("все тиражи")});
    cmbRange_->setCurrentIndex(All);
    spnFrom_->setObjectName(QStringLiteral("spnCheckFrom"));
    spnTo_->setObjectName(QStringLiteral("spnCheckTo"));
    for (QSpinBox* box : {spnFrom_, spnTo_})
        box->setRange(0, 0);
    btnCheck_->setObjectName(QStringLiteral("btnCheck"));
    tblCheck_->setObjectName(QStringLiteral("tblCheck"));
    tblCheck_->setModel(model_);
    tblCheck_->verticalHeader()->hide();
    tblCheck_->setSelectionMode(QAbstractItemView::NoSelection);
    tblCheck_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblCheck_->setWordWrap(false);
    lstBest_->setObjectName(QStringLiteral("lstBest"));
    lblMoney_->setObjectName(QStringLiteral("lblMoney"));
    lblMoney_->setWordWrap(true);

    auto* range = new QHBoxLayout;
    range->addWidget(cmbRange_);
    range->addWidget(spnFrom_);
    range->addWidget(lblTo_);
    range->addWidget(spnTo_);
    range->addStretch(1);
    range->addWidget(btnCheck_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(range);
    layout->addWidget(tblCheck_, 3);
    auto* bestTitle = new QLabel(QStringLiteral("Лучшие совпадения (№ тиража в списке прошедших; "
                                                "двойной щелчок показывает его):"),
                                 this);
    // Wrapped, so that the sentence does not widen the window past a small screen.
    bestTitle->setWordWrap(true);
    layout->addWidget(bestTitle);
    layout->addWidget(lstBest_, 2);
    layout->addWidget(lblMoney_);

    connect(cmbRange_, &QComboBox::currentIndexChanged, this, &TicketCheckPanel::followRange);
    connect(btnCheck_, &QPushButton::clicked, this, &TicketCheckPanel::check);
    connect(lstBest_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit drawChosen(item->data(Qt::UserRole).toInt()); });
    refresh();
}

void TicketCheckPanel::refresh() {
    const int draws = host_.document().drawCount();
    // "по №" at the last draw (as at first) follows it as draws come: a range up to the latest.
    const bool toLast = spnTo_->value() == spnTo_->maximum();
    for (QSpinBox* box : {spnFrom_, spnTo_})
        box->setRange(std::min(1, draws), draws);
    if (toLast || spnTo_->value() < spnFrom_->value())
        spnTo_->setValue(draws);
    followRange();
    model_->clear();
    lstBest_->clear();
    lblMoney_->clear();
    btnCheck_->setEnabled(draws > 0 && !host_.ticketSet().empty());
}

void TicketCheckPanel::setRange(Range range, int from, int to) {
    cmbRange_->setCurrentIndex(range);
    spnFrom_->setValue(from);
    spnTo_->setValue(to);
}

void TicketCheckPanel::followRange() {
    const auto range = static_cast<Range>(cmbRange_->currentIndex());
    spnFrom_->setVisible(range == OneDraw || range == FromTo);
    lblTo_->setVisible(range == FromTo);
    spnTo_->setVisible(range == FromTo);
}

void TicketCheckPanel::check() {
    const lottery::LotteryDocument& document = host_.document();
    const lottery::TicketSet& set = host_.ticketSet();
    const long long draws = document.drawCount();
    lottery::DrawRange range{0, draws};
    switch (static_cast<Range>(cmbRange_->currentIndex())) {
    case Latest:
        range = {draws - 1, draws};
        break;
    case OneDraw:
        range = {spnFrom_->value() - 1, spnFrom_->value()};
        break;
    case FromTo:
        range = {std::min(spnFrom_->value(), spnTo_->value()) - 1,
                 std::max(spnFrom_->value(), spnTo_->value())};
        break;
    case All:
        break;
    }
    range = range.clamped(draws);

    QProgressDialog progress(QStringLiteral("Проверка набора ..."), QStringLiteral("Отмена"), 0,
                             kProgressSteps, this);
    progress.setObjectName(QStringLiteral("dlgCheckProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500); // shown only when the check takes longer
    const auto masks = lottery::DrawMasks(document.draws(), document.shape());
    lottery::TicketSetCheck result =
        lottery::CheckTicketSet(set.tickets(), masks, document.shape(), range, set.money(),
                                kBestListed, [&progress](double done) {
                                    progress.setValue(static_cast<int>(done * kProgressSteps));
                                    return !progress.wasCanceled();
                                });
    if (result.cancelled)
        return;

    lstBest_->clear();
    for (const lottery::SetHit& hit : result.best) {
        auto* item =
            new QListWidgetItem(QStringLiteral("№ %1: билет %2 (%3) — %4")
                                    .arg(Text(wording::GroupedNumber(hit.draw + 1)))
                                    .arg(hit.ticket + 1)
                                    .arg(Text(set.at(static_cast<std::size_t>(hit.ticket)).text()))
                                    .arg(Text(wording::CountOf(
                                        hit.matches, {"совпадение", "совпадения", "совпадений"}))));
        item->setData(Qt::UserRole, static_cast<int>(hit.draw));
        lstBest_->addItem(item);
    }
    QString summary =
        QStringLiteral("%1 × %2 = %3.")
            .arg(
                Text(wording::CountOf(result.tickets, {"билет", "билета", "билетов"})),
                Text(wording::CountOf(result.range.size(), {"тираж", "тиража", "тиражей"})),
                Text(wording::CountOf(result.ticketDraws(), {"проверка", "проверки", "проверок"})));
    if (result.money)
        summary += QStringLiteral(" Потрачено %1, выиграно %2, итог %3; случай даёт в среднем "
                                  "итог %4.")
                       .arg(Text(lottery::AmountText(result.money->spent)),
                            Text(lottery::AmountText(result.money->won)),
                            Text(lottery::AmountText(result.money->balance())),
                            Text(lottery::AmountText(result.money->expectedBalance)));
    else
        summary += QStringLiteral(" Цены не заданы: деньги не считаются.");
    lblMoney_->setText(summary);
    model_->show(set, std::move(result));
    tblCheck_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
}
