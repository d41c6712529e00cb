#pragma once

#include "tickets/Backtest.h"

#include <QTableWidget>

// A backtest, one way of choosing a row: ticket-draws per match level beside what chance
// gives, then the numbers matched in all beside chance's 95 % band and how often chance does
// as well or better.
class BacktestTable : public QTableWidget {
    Q_OBJECT
public:
    explicit BacktestTable(QWidget* parent = nullptr);
    void show(const lottery::Backtest& backtest);
};
