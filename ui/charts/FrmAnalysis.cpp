#include "FrmAnalysis.h"

#include "AppearanceSource.h"
#include "ChanceWording.h"
#include "ChartExport.h"
#include "ChartReadings.h"
#include "DialogControls.h"
#include "NumberBarChart.h"
#include "PairHeatMap.h"
#include "RandomnessTab.h"
#include "TiledBackground.h"
#include "lottery/LotteryDocument.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

using namespace dialog_controls;

namespace {

// The windows offered besides all draws, when the list is longer.
constexpr long long kLastDraws[] = {1000, 500, 200, 100, 50, 20};
const QString kChartNames[] = {QStringLiteral("частота"), QStringLiteral("давность"),
                               QStringLiteral("пары"), QStringLiteral("случайность")};

} // namespace

FrmAnalysis::FrmAnalysis(const lottery::LotteryDocument& document,
                         const AppearanceSource& appearance, QWidget* parent)
    : QDialog(parent), document_(document), appearance_(appearance),
      index_(std::make_unique<lottery::HistoryIndex>(std::span<const lottery::DrawRecord>(),
                                                     document.shape())) {
    SetUpFixedWindow(*this, QStringLiteral("frmAnalysis"), QStringLiteral("Анализ тиражей"),
                     kClient);
    background_ = new TiledBackground(QStringLiteral("imgFon"), kClient, this);

    windowLabel_ =
        AddLabel(this, QStringLiteral("lblWindow"), QStringLiteral("Тиражи:"), 0, 0, true);
    cmbWindow_ = new QComboBox(this);
    cmbWindow_->setObjectName(QStringLiteral("cmbWindow"));
    cmbWindow_->setMinimumWidth(190);
    auto* save = new QPushButton(QStringLiteral("Сохранить как PNG..."), this);
    save->setObjectName(QStringLiteral("btnSavePng"));
    auto* copy = new QPushButton(QStringLiteral("Копировать"), this);
    copy->setObjectName(QStringLiteral("btnCopy"));
    auto* top = new QHBoxLayout;
    top->addWidget(windowLabel_);
    top->addWidget(cmbWindow_);
    top->addStretch(1);
    top->addWidget(save);
    top->addWidget(copy);

    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("tabCharts"));
    tabs_->addTab(QStringLiteral("Частота"));
    tabs_->addTab(QStringLiteral("Давность"));
    tabs_->addTab(QStringLiteral("Пары"));
    tabs_->addTab(QStringLiteral("Случайность"));
    tabs_->setDrawBase(false);

    frequency_ = new NumberBarChart(QStringLiteral("frequencyChart"));
    overdue_ = new NumberBarChart(QStringLiteral("overdueChart"));
    pairPage_ = new QWidget;
    pairPage_->setObjectName(QStringLiteral("pairPage"));
    pairs_ = new PairHeatMap;
    pairHint_ = new QLabel(QStringLiteral(
        "Наведите указатель на клетку — появятся пара, сколько раз она выпала и сколько "
        "ожидается случайно. Щелчок по номеру выбирает его на странице статистики."));
    pairHint_->setObjectName(QStringLiteral("lblPairHint"));
    pairHint_->setWordWrap(true);
    MakeBold(pairHint_);
    auto* pairLayout = new QVBoxLayout(pairPage_);
    pairLayout->setContentsMargins(0, 0, 0, 0);
    pairLayout->addWidget(pairs_, 1);
    pairLayout->addWidget(pairHint_);
    chart_export::AddContextMenu(pairs_, pairs_, kChartNames[Pairs]);

    pages_ = new QStackedWidget(this);
    pages_->addWidget(frequency_);
    pages_->addWidget(overdue_);
    pages_->addWidget(pairPage_);
    randomness_ = new RandomnessTab;
    pages_->addWidget(randomness_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->addLayout(top);
    layout->addWidget(tabs_);
    layout->addWidget(pages_, 1);

    connect(tabs_, &QTabBar::currentChanged, pages_, &QStackedWidget::setCurrentIndex);
    connect(cmbWindow_, &QComboBox::currentIndexChanged, this, &FrmAnalysis::redraw);
    connect(pairs_, &PairHeatMap::numberClicked, this, &FrmAnalysis::numberChosen);
    connect(save, &QPushButton::clicked, this, [this] {
        chart_export::SaveAsPng(currentChart(), kChartNames[tabs_->currentIndex()]);
    });
    connect(copy, &QPushButton::clicked, this,
            [this] { chart_export::CopyToClipboard(currentChart()); });
}

FrmAnalysis::~FrmAnalysis() = default;

void FrmAnalysis::setSelectedNumber(int number) {
    pairs_->setSelected(number);
}

void FrmAnalysis::showChart(Chart chart) {
    tabs_->setCurrentIndex(chart);
}

QWidget* FrmAnalysis::currentChart() const {
    // The pairs picture is the heat map alone; the hint below it is for the screen.
    return tabs_->currentIndex() == Pairs ? static_cast<QWidget*>(pairs_) : pages_->currentWidget();
}

void FrmAnalysis::setWindow(long long draws) {
    // The shortest offered window that holds `draws`; all of them for 0.
    int chosen = 0;
    for (int i = cmbWindow_->count() - 1; i > 0 && draws > 0; --i) {
        if (cmbWindow_->itemData(i).toLongLong() >= draws) {
            chosen = i;
            break;
        }
    }
    cmbWindow_->setCurrentIndex(chosen);
}

long long FrmAnalysis::window() const {
    return cmbWindow_->currentData().toLongLong();
}

void FrmAnalysis::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void FrmAnalysis::FormShow() {
    background_->layCovering(appearance_.currentTile());
    const QColor title = appearance_.titleColour();
    SetFontColour({windowLabel_, pairHint_}, title);
    frequency_->setTextColour(title);
    overdue_->setTextColour(title);
    const long long keep = cmbWindow_->count() > 0 ? window() : 0;
    index_ = std::make_unique<lottery::HistoryIndex>(document_.draws(), document_.shape());
    fillWindowChoice(keep);
    redraw();
}

void FrmAnalysis::fillWindowChoice(long long keep) {
    const QSignalBlocker quiet(cmbWindow_);
    cmbWindow_->clear();
    const long long all = index_->drawCount();
    cmbWindow_->addItem(QStringLiteral("все (") + chance_wording::Draws(all) + QChar(')'), all);
    for (long long last : kLastDraws) {
        if (last < all)
            cmbWindow_->addItem(QStringLiteral("последние %1").arg(last), last);
    }
    // The choice made at the last opening stays while the list is still long enough for it.
    int chosen = 0;
    for (int i = 1; i < cmbWindow_->count(); ++i)
        if (cmbWindow_->itemData(i).toLongLong() == keep)
            chosen = i;
    cmbWindow_->setCurrentIndex(chosen);
}

void FrmAnalysis::redraw() {
    const long long all = index_->drawCount();
    // The first entry is always the whole list, so a new draw joins it at the next opening.
    const long long draws = cmbWindow_->currentIndex() <= 0 ? all : window();
    frequency_->setContent(
        chart_readings::FrequencyContent(lottery::FrequencyFigureOf(*index_, draws), all));
    overdue_->setContent(chart_readings::OverdueContent(
        lottery::OverdueFigureOf(*index_, draws, chart_readings::kOverdueListed), all));
    const lottery::PairFigure pairs = lottery::PairFigureOf(*index_, draws);
    pairs_->setFigure(pairs, chart_readings::PairTitle(pairs, all));
    const auto history = document_.draws();
    randomness_->setHistory(
        {history.end() - static_cast<std::ptrdiff_t>(std::clamp(draws, 0LL, all)), history.end()},
        document_.shape());
}
