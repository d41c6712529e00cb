#include "DrawListModel.h"

#include "LotteryDocument.h"

#include <QSize>
#include <algorithm>

DrawListModel::DrawListModel(const lottery::LotteryDocument& document, QObject* parent)
    : QAbstractListModel(parent), document_(document), count_(document.drawCount()) {}

int DrawListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count_;
}

QVariant DrawListModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::SizeHintRole)
        return QSize(1, itemHeight_);
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= count_ ||
        index.row() >= document_.drawCount())
        return {};
    return QString::fromStdString(document_.drawLine(index.row()));
}

void DrawListModel::resetFromDocument() {
    beginResetModel();
    count_ = document_.drawCount();
    endResetModel();
}

void DrawListModel::drawAppended(int index) {
    // Rows are only ever added at the end; anything else means the list was replaced.
    if (index != count_) {
        resetFromDocument();
        return;
    }
    beginInsertRows(QModelIndex(), index, index);
    count_ = index + 1;
    endInsertRows();
}

void DrawListModel::drawsReplaced(int first, int removed, int inserted) {
    if (first < 0 || removed < 0 || inserted < 0 || first + removed > count_) {
        resetFromDocument();
        return;
    }
    const int kept = std::min(removed, inserted); // rows that stay, with new lines
    if (kept > 0)
        emit dataChanged(index(first), index(first + kept - 1), {Qt::DisplayRole});
    if (removed > kept) {
        beginRemoveRows(QModelIndex(), first + kept, first + removed - 1);
        count_ -= removed - kept;
        endRemoveRows();
    }
    if (inserted > kept) {
        beginInsertRows(QModelIndex(), first + kept, first + inserted - 1);
        count_ += inserted - kept;
        endInsertRows();
    }
}
