#include "tickets/TicketPrices.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <cmath>

namespace {

QString AmountField(lottery::Kopecks kopecks) {
    if (kopecks == 0)
        return {};
    QString text = QString::number(kopecks / 100);
    if (kopecks % 100 != 0)
        text += QStringLiteral(",%1").arg(kopecks % 100, 2, 10, QLatin1Char('0'));
    return text;
}

// Roubles with at most two decimals, as in the file; blanks between digit groups are allowed.
std::optional<lottery::Kopecks> ReadAmount(QString text) {
    text.remove(QRegularExpression(QStringLiteral("[\\s\\x{202F}\\x{2009}\\x{00A0}]")));
    if (text.isEmpty())
        return 0;
    const auto match =
        QRegularExpression(QStringLiteral("^(\\d{1,9})(?:[.,](\\d{1,2}))?$")).match(text);
    if (!match.hasMatch())
        return std::nullopt;
    lottery::Kopecks kopecks = match.captured(1).toLongLong() * 100;
    const QString fraction = match.captured(2);
    if (!fraction.isEmpty())
        kopecks += fraction.size() == 1 ? fraction.toLongLong() * 10 : fraction.toLongLong();
    return kopecks;
}

} // namespace

TicketPrices::TicketPrices(QWidget* parent)
    : QGroupBox(QStringLiteral("Цены (в рублях)"), parent), edtPrice_(new QLineEdit(this)),
      grid_(new QGridLayout(this)) {
    setObjectName(QStringLiteral("grpPrices"));
    edtPrice_->setObjectName(QStringLiteral("edtPrice"));
    grid_->setContentsMargins(6, 4, 6, 4);
    grid_->addWidget(new QLabel(QStringLiteral("билет"), this), 0, 0);
    grid_->addWidget(edtPrice_, 1, 0);
}

void TicketPrices::show(const lottery::TicketMoney& money, int K) {
    // The prize fields follow the lottery's K; rebuilt only when it changed.
    if (static_cast<int>(edtPrizes_.size()) != K + 1) {
        while (grid_->count() > 2) {
            QLayoutItem* item = grid_->takeAt(2);
            delete item->widget();
            delete item;
        }
        edtPrizes_.clear();
        // The price and the K prizes, in two rows of fields when one would leave each too
        // narrow for a jackpot: the label above its field, row after row.
        const int fields = K + 1;
        const int perRow = fields > 4 ? (fields + 1) / 2 : fields;
        const auto place = [perRow](int field) {
            return std::pair<int, int>(2 * (field / perRow), field % perRow);
        };
        for (int m = K; m >= 1; --m) {
            const auto [row, column] = place(K - m + 1);
            grid_->addWidget(new QLabel(QStringLiteral("за %1").arg(m), this), row, column);
        }
        for (int m = 0; m <= K; ++m) {
            auto* edit = new QLineEdit(this);
            edit->setObjectName(QStringLiteral("edtPrize%1").arg(m));
            edtPrizes_.push_back(edit);
            // Nobody wins for no matches; the field is kept, out of sight, for sets that say so.
            if (m >= 1) {
                const auto [row, column] = place(K - m + 1);
                grid_->addWidget(edit, row + 1, column);
            } else
                edit->hide();
        }
        auto* accept = new QPushButton(QStringLiteral("Принять"), this);
        accept->setObjectName(QStringLiteral("btnPrices"));
        // After the last field, in its row.
        const auto [lastRow, lastColumn] = place(fields - 1);
        grid_->addWidget(accept, lastRow + 1, lastColumn + 1);
        connect(accept, &QPushButton::clicked, this, &TicketPrices::accepted);
    }
    edtPrice_->setText(AmountField(money.price));
    for (int m = 0; m <= K; ++m)
        edtPrizes_[static_cast<std::size_t>(m)]->setText(AmountField(money.prize(m)));
}

std::optional<lottery::TicketMoney> TicketPrices::typed(QString& reason) const {
    lottery::TicketMoney money;
    const auto price = ReadAmount(edtPrice_->text());
    if (!price) {
        reason = QStringLiteral("Цена билета «%1» — не сумма в рублях.").arg(edtPrice_->text());
        return std::nullopt;
    }
    money.price = *price;
    for (std::size_t m = 0; m < edtPrizes_.size(); ++m) {
        const auto prize = ReadAmount(edtPrizes_[m]->text());
        if (!prize) {
            reason = QStringLiteral("Выигрыш за %1 «%2» — не сумма в рублях.")
                         .arg(m)
                         .arg(edtPrizes_[m]->text());
            return std::nullopt;
        }
        money.prizes.push_back(*prize);
    }
    return money;
}
