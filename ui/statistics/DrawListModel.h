#pragma once

#include <QAbstractListModel>

namespace lottery {
class LotteryDocument;
}

// The lines of the list of past draws, built from the document's draws only when the view
// asks for them, so that a history of a million draws costs nothing to show.
class DrawListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit DrawListModel(const lottery::LotteryDocument& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Every line has this height (the list box's item height).
    void setItemHeight(int height) { itemHeight_ = height; }

    // The document emptied or replaced its list.
    void resetFromDocument();
    // The document replaced removed draws from first on by inserted new ones.
    void drawsEdited(int first, int removed, int inserted);

private:
    const lottery::LotteryDocument& document_;
    int count_ = 0; // what the view has been told about
    int itemHeight_ = 15;
};
