#include "DrawListModel.h"

#include "LotteryDocument.h"

#include <QSize>

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
