#include "statistics/DrawListModel.h"

#include "lottery/LotteryDocument.h"

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

void DrawListModel::drawsEdited(int first, int removed, int inserted) {
    if (first < 0 || removed < 0 || inserted < 0 || first + removed > count_ ||
        count_ - removed + inserted != document_.drawCount()) {
        resetFromDocument(); // out of step with the document: start afresh
        return;
    }
    // Rows replaced in place keep their place (and the view its selection).
    const int kept = std::min(removed, inserted);
    if (kept > 0)
        emit dataChanged(index(first), index(first + kept - 1));
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
