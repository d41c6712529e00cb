#include "tickets/CheckTableModel.h"

#include "tickets/FigureText.h"
#include "wording/RussianCount.h"

#include <QBrush>
#include <QColor>
#include <QFont>

CheckTableModel::CheckTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void CheckTableModel::show(const lottery::TicketSet& set, lottery::TicketSetCheck check) {
    beginResetModel();
    tickets_.clear();
    for (const lottery::Ticket& ticket : set.tickets())
        tickets_.push_back(ticket.text());
    check_ = std::move(check);
    endResetModel();
}

void CheckTableModel::clear() {
    beginResetModel();
    tickets_.clear();
    check_.reset();
    endResetModel();
}

int CheckTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !check_ ? 0 : FirstTicket + static_cast<int>(tickets_.size());
}

int CheckTableModel::columnCount(const QModelIndex& parent) const {
    // The row's name, then levels 0..K.
    return parent.isValid() || !check_ ? 0 : check_->K + 2;
}

QVariant CheckTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !check_ || index.row() >= rowCount())
        return {};
    const int row = index.row();
    if (role == Qt::FontRole && row < FirstTicket) {
        QFont font;
        font.setItalic(row != Total);
        font.setBold(row == Total);
        return font;
    }
    if (role == Qt::ForegroundRole && row < Total)
        return QBrush(QColor(70, 70, 70));
    if (role == Qt::TextAlignmentRole)
        return index.column() == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const lottery::TicketSetCheck& check = *check_;
    const int m = index.column() - 1;
    const auto draws = static_cast<double>(check.range.size());
    const auto tickets = static_cast<double>(std::max<long long>(check.tickets, 1));
    if (index.column() == 0) {
        switch (row) {
        case ChancePerTicket:
            return QStringLiteral("случайно, на билет");
        case ChanceForSet:
            return QStringLiteral("случайно, на набор");
        case Total:
            return QStringLiteral("набор, всего");
        default:
            return QString::fromStdString(tickets_[static_cast<std::size_t>(row - FirstTicket)]);
        }
    }
    const auto level = static_cast<std::size_t>(m);
    switch (row) {
    case ChancePerTicket:
        return QString::fromStdString(lottery::ExpectedText(check.expected[level] / tickets));
    case ChanceForSet:
        return QString::fromStdString(lottery::ExpectedText(check.expected[level]));
    case Total:
        return QString::fromStdString(wording::GroupedNumber(check.matches[level]));
    default:
        return draws > 0 ? QString::fromStdString(
                               wording::GroupedNumber(check.ticketMatches(row - FirstTicket, m)))
                         : QString();
    }
}

QVariant CheckTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || !check_)
        return {};
    if (section == 0)
        return QStringLiteral("Совпало номеров");
    return QString::number(section - 1);
}
