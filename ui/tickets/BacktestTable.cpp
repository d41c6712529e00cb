#include "tickets/BacktestTable.h"

#include "tickets/BacktestVerdict.h"
#include "tickets/FigureText.h"
#include "wording/PercentText.h"
#include "wording/RussianCount.h"

#include <QHeaderView>
#include <QStyle>
#include <algorithm>

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QTableWidgetItem* Cell(const QString& text, const QString& tip = {}) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    item->setFlags(Qt::ItemIsEnabled);
    item->setToolTip(tip);
    return item;
}

QString Band(const lottery::CountBand& band) {
    return Text(wording::GroupedNumber(band.low)) + QStringLiteral("–") +
           Text(wording::GroupedNumber(band.high));
}

int WidestWord(const QFontMetrics& metrics, const lottery::Backtest& backtest) {
    int widest = 0;
    for (const lottery::WayOutcome& way : backtest.ways)
        for (const QString& word :
             Text(lottery::ChoiceWayName(way.way, backtest.K)).split(QLatin1Char(' ')))
            widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

} // namespace

BacktestTable::BacktestTable(QWidget* parent) : QTableWidget(parent) {
    setObjectName(QStringLiteral("tblBacktest"));
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setWordWrap(true);
}

void BacktestTable::show(const lottery::Backtest& backtest) {
    const int K = backtest.K;
    clear();
    setColumnCount(K + 5);
    QStringList headers{QStringLiteral("Способ")};
    for (int m = 0; m <= K; ++m)
        headers << QString::number(m);
    headers << QStringLiteral("Угадано\nномеров") << QStringLiteral("Случайно\n(95 %)")
            << QStringLiteral("Бывает\nслучайно");
    setHorizontalHeaderLabels(headers);
    const QString chanceTip =
        QStringLiteral("Как часто случай даёт столько угаданных номеров или больше; "
                       "в скобках — с поправкой Холма на число способов");
    horizontalHeaderItem(K + 4)->setToolTip(chanceTip);
    setRowCount(static_cast<int>(backtest.ways.size()));
    for (int row = 0; row < rowCount(); ++row) {
        const lottery::WayOutcome& way = backtest.ways[static_cast<std::size_t>(row)];
        auto* name = Cell(Text(lottery::ChoiceWayName(way.way, K)));
        name->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setItem(row, 0, name);
        for (int m = 0; m <= K; ++m) {
            const auto level = static_cast<std::size_t>(m);
            // The count above, what chance gives below.
            setItem(row, m + 1,
                    Cell(Text(wording::GroupedNumber(way.matches[level])) + QStringLiteral("\n") +
                             Text(lottery::ExpectedText(way.chance.expected[level])),
                         QStringLiteral("95 % случайных исходов: %1")
                             .arg(Band(way.chance.bands[level]))));
        }
        setItem(row, K + 2, Cell(Text(wording::GroupedNumber(way.hits))));
        setItem(row, K + 3,
                Cell(Text(wording::GroupedDecimal(way.chance.expectedHits, 1)) +
                     QStringLiteral("\n") + Band(way.chance.hitsBand)));
        setItem(row, K + 4,
                Cell(Text(wording::PercentText(way.pValue)) + QStringLiteral("\n(") +
                         Text(wording::PercentText(way.adjustedP)) + QStringLiteral(")"),
                     chanceTip));
    }
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setMinimumSectionSize(24);
    // The names wrap at their blanks: as wide as their longest word, never cut inside one.
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
    setColumnWidth(0, WidestWord(fontMetrics(), backtest) +
                          3 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin) +
                          2 * fontMetrics().averageCharWidth());
    horizontalHeader()->setStretchLastSection(true);
    resizeRowsToContents();
}
