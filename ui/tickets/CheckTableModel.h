#pragma once

#include "tickets/TicketSet.h"
#include "tickets/TicketSetCheck.h"

#include <QAbstractTableModel>
#include <optional>

// A check of a set, one match level a column: first what chance gives one ticket and the
// whole set, then the set's total, then every ticket.
class CheckTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Row { ChancePerTicket, ChanceForSet, Total, FirstTicket };

    explicit CheckTableModel(QObject* parent = nullptr);

    // The set must outlive the check shown; clear() before it changes.
    void show(const lottery::TicketSet& set, lottery::TicketSetCheck check);
    void clear();
    const std::optional<lottery::TicketSetCheck>& check() const { return check_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<std::string> tickets_; // the tickets' numbers as checked
    std::optional<lottery::TicketSetCheck> check_;
};
