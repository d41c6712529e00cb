#include "charts/NumberBarChart.h"

#include "charts/ChartExport.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

const QColor kUsualBar(70, 110, 170);
const QColor kStandingOutBar(215, 80, 30);
const QColor kReferenceLine(20, 20, 20);
const QColor kBand(60, 170, 80, 70);

// Category k sits at x = k - 1; a flat line runs from the outer edge of the first bar to
// that of the last.
void SetFlat(QLineSeries* line, double value, int N) {
    line->replace(QList<QPointF>{{-0.5, value}, {N - 0.5, value}});
}

// A tick step of 1, 2 or 5 times a power of ten giving about five steps over span; the values
// are counts, so never below 1.
double NiceStep(double span) {
    const double rough = std::max(span / 5, 1.0);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * power >= rough)
            return factor * power;
    return 10 * power;
}

} // namespace

NumberBarChart::NumberBarChart(const QString& name, QWidget* parent)
    : QWidget(parent), view_(new QChartView), sentence_(new QLabel), usual_(new QBarSet(QString())),
      standingOut_(new QBarSet(QString())), bars_(new QStackedBarSeries),
      bandHigh_(new QLineSeries), bandLow_(new QLineSeries),
      band_(new QAreaSeries(bandHigh_, bandLow_)), reference_(new QLineSeries),
      axisX_(new QBarCategoryAxis), axisY_(new QValueAxis) {
    setObjectName(name);
    view_->setObjectName(name + QStringLiteral("View"));
    view_->setRenderHint(QPainter::Antialiasing);
    QChart* chart = view_->chart();
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(2, 2, 2, 2));

    // Two stacked sets, each number's bar in one of them, so the bars that stand out keep
    // their place instead of being set beside the others.
    for (auto [set, colour] :
         {std::pair{usual_, kUsualBar}, std::pair{standingOut_, kStandingOutBar}}) {
        set->setColor(colour);
        set->setBorderColor(colour);
        bars_->append(set);
    }
    bars_->setBarWidth(0.75);
    band_->setColor(kBand);
    band_->setBorderColor(kBand);
    reference_->setPen(QPen(kReferenceLine, 2, Qt::DashLine));

    QFont small = axisX_->labelsFont();
    small.setPixelSize(10);
    axisX_->setLabelsFont(small);
    axisX_->setGridLineVisible(false);
    // Two digits are a hair wider than what the axis allows each bar, and would read "...".
    axisX_->setTruncateLabels(false);
    axisY_->setLabelFormat(QStringLiteral("%.0f"));
    axisY_->setLabelsFont(small);
    chart->addAxis(axisX_, Qt::AlignBottom);
    chart->addAxis(axisY_, Qt::AlignLeft);
    for (QAbstractSeries* series :
         std::initializer_list<QAbstractSeries*>{band_, bars_, reference_}) {
        chart->addSeries(series);
        series->attachAxis(axisX_);
        series->attachAxis(axisY_);
    }

    connect(bars_, &QStackedBarSeries::hovered, this,
            [this](bool entered, int index, QBarSet*) { barHovered(entered, index); });
    connect(bars_, &QStackedBarSeries::clicked, this,
            [this](int index, QBarSet*) { emit numberClicked(index + 1); });

    sentence_->setObjectName(name + QStringLiteral("Sentence"));
    sentence_->setWordWrap(true);
    QFont font = sentence_->font();
    font.setPixelSize(13);
    font.setBold(true);
    sentence_->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_, 1);
    layout->addWidget(sentence_);
    chart_export::AddContextMenu(view_, this, name, [this] { return content_.drawn; });
}

QChart* NumberBarChart::chart() const {
    return view_->chart();
}

void NumberBarChart::setTextColour(const QColor& colour) {
    QPalette palette = sentence_->palette();
    palette.setColor(QPalette::WindowText, colour);
    sentence_->setPalette(palette);
}

QString NumberBarChart::describe(int n) const {
    if (n < 1 || n > static_cast<int>(content_.values.size()))
        return {};
    const auto value = static_cast<long long>(content_.values[static_cast<std::size_t>(n) - 1]);
    QString text = QStringLiteral("Номер %1: %2")
                       .arg(n)
                       .arg(QString::fromStdString(wording::CountOf(value, content_.unit)));
    text += QStringLiteral("; ") + content_.referenceName;
    if (content_.band)
        text += QStringLiteral("; ") + content_.bandName;
    return text;
}

void NumberBarChart::barHovered(bool entered, int index) {
    // Leaving one bar may be reported after entering the next: only the bar shown hides it.
    if (entered) {
        hovered_ = index;
        QToolTip::showText(QCursor::pos(), describe(index + 1), view_);
    } else if (index == hovered_) {
        hovered_ = -1;
        QToolTip::hideText();
    }
}

void NumberBarChart::setContent(const NumberBarContent& content) {
    content_ = content;
    QChart* chart = view_->chart();
    chart->setTitle(content.title);
    const int N = static_cast<int>(content.values.size());
    if (axisX_->count() != N) {
        QStringList numbers;
        for (int n = 1; n <= N; ++n)
            numbers << QString::number(n);
        axisX_->clear();
        axisX_->append(numbers);
    }

    QList<qreal> usual;
    QList<qreal> standingOut;
    double highest = content.reference;
    double lowest = content.reference;
    for (int i = 0; i < N; ++i) {
        const bool out = content.standsOut[static_cast<std::size_t>(i)];
        const double value = content.values[static_cast<std::size_t>(i)];
        usual << (out ? 0 : value);
        standingOut << (out ? value : 0);
        highest = std::max(highest, value);
        lowest = std::min(lowest, value);
    }
    usual_->remove(0, usual_->count());
    usual_->append(usual);
    standingOut_->remove(0, standingOut_->count());
    standingOut_->append(standingOut);
    usual_->setLabel(content.usualName);
    standingOut_->setLabel(content.standingOutName);

    band_->setVisible(content.band.has_value());
    for (QLegendMarker* marker : chart->legend()->markers(band_))
        marker->setVisible(content.band.has_value());
    if (content.band) {
        highest = std::max(highest, content.band->second);
        lowest = std::min(lowest, content.band->first);
        SetFlat(bandLow_, content.band->first, N);
        SetFlat(bandHigh_, content.band->second, N);
        band_->setName(content.bandName);
    }
    SetFlat(reference_, content.reference, N);
    reference_->setName(content.referenceName);

    // Long histories give every number nearly the same count: from 0 the bars would all look
    // alike and the band a hairline, so the axis then starts near the lowest figure and says so.
    const bool fromZero = lowest <= 0 || highest - lowest > 0.5 * highest;
    const double margin = std::max(1.0, 0.08 * (highest - (fromZero ? 0 : lowest)));
    const double step = NiceStep(highest + margin - (fromZero ? 0 : lowest - margin));
    const double bottom = fromZero ? 0 : std::floor((lowest - margin) / step) * step;
    const double top = std::ceil((highest + margin) / step) * step;
    axisY_->setRange(bottom, top);
    axisY_->setTickCount(static_cast<int>(std::lround((top - bottom) / step)) + 1);
    axisY_->setTitleText(bottom > 0 ? content.valueTitle +
                                          QStringLiteral(" (ось от %1)")
                                              .arg(QString::fromStdString(
                                                  wording::GroupedNumber(std::llround(bottom))))
                                    : content.valueTitle);
    sentence_->setText(content.sentence);
}
