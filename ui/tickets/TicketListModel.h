#pragma once

#include "tickets/SetHomeDraw.h"
#include "tickets/TicketSet.h"

#include <QAbstractTableModel>
#include <optional>

// The tickets of a set, one a row: its place, its numbers and, after a home draw for the set,
// how many it matched and which.
class TicketListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Place, Numbers, Hits, ColumnCount };

    explicit TicketListModel(QObject* parent = nullptr);

    // The set shown; the model reads it, never changes it. Call refresh() after each change.
    void setSet(const lottery::TicketSet* set);
    void refresh();
    // Marks the hits of this draw until the set changes or a null draw is given.
    void setHomeDraw(std::optional<lottery::SetHomeDraw> draw);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const lottery::TicketSet* set_ = nullptr;
    std::optional<lottery::SetHomeDraw> homeDraw_;
};
