#pragma once

#include "tickets/TicketMoney.h"

#include <QGroupBox>
#include <optional>
#include <vector>

class QGridLayout;
class QLineEdit;

// "Цены": what a ticket costs and what each match level wins, kept with the set. Edited here,
// taken as one step with "Принять".
class TicketPrices : public QGroupBox {
    Q_OBJECT
public:
    explicit TicketPrices(QWidget* parent = nullptr);

    // Shows these prices for a lottery of K numbers.
    void show(const lottery::TicketMoney& money, int K);
    // The prices typed, or nullopt with the reason when one cannot be read.
    std::optional<lottery::TicketMoney> typed(QString& reason) const;

signals:
    void accepted();

private:
    QLineEdit* edtPrice_;
    std::vector<QLineEdit*> edtPrizes_; // element m: the prize for m matches
    QGridLayout* grid_;
};
