#include "tickets/TicketListModel.h"

#include <QBrush>
#include <QColor>

namespace {

// The gold of the play mode's hit balls, pale enough to read black figures on.
const QColor kHitRow(255, 236, 160);

QString NumbersText(std::uint64_t mask) {
    QStringList numbers;
    for (const int n : lottery::Ticket::FromMask(mask).numbers())
        numbers << QString::number(n);
    return numbers.join(QStringLiteral("  "));
}

} // namespace

TicketListModel::TicketListModel(QObject* parent) : QAbstractTableModel(parent) {}

void TicketListModel::setSet(const lottery::TicketSet* set) {
    beginResetModel();
    set_ = set;
    homeDraw_.reset();
    endResetModel();
}

void TicketListModel::refresh() {
    beginResetModel();
    // A draw's marks belong to the tickets it was drawn for.
    if (homeDraw_ && (set_ == nullptr || homeDraw_->hits.size() != set_->size()))
        homeDraw_.reset();
    endResetModel();
}

void TicketListModel::setHomeDraw(std::optional<lottery::SetHomeDraw> draw) {
    homeDraw_ = std::move(draw);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

int TicketListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || set_ == nullptr ? 0 : static_cast<int>(set_->size());
}

int TicketListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TicketListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || set_ == nullptr || index.row() >= rowCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const bool drawn = homeDraw_ && row < homeDraw_->hits.size();
    if (role == Qt::BackgroundRole && drawn && homeDraw_->matches[row] > 0 &&
        homeDraw_->matches[row] * 2 >= set_->shape().K)
        return QBrush(kHitRow);
    if (role == Qt::TextAlignmentRole)
        return index.column() == Numbers ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                         : QVariant(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Place:
        return index.row() + 1;
    case Numbers:
        return NumbersText(set_->at(row).mask());
    case Hits:
        if (!drawn)
            return {};
        return homeDraw_->matches[row] == 0 ? QStringLiteral("0")
                                            : QStringLiteral("%1: %2")
                                                  .arg(homeDraw_->matches[row])
                                                  .arg(NumbersText(homeDraw_->hits[row]));
    default:
        return {};
    }
}

QVariant TicketListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Place:
        return QStringLiteral("№");
    case Numbers:
        return QStringLiteral("Номера");
    case Hits:
        return QStringLiteral("Угадано в розыгрыше");
    default:
        return {};
    }
}
