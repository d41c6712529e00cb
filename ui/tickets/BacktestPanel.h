#pragma once

#include <QWidget>

class BacktestTable;
class QLabel;
class QPushButton;
class QSpinBox;
class TicketSetHost;

// "Способы выбора": the ways of choosing tickets played over a range of draws, each choice made
// from the draws before it only, beside chance with its 95 % band, and one sentence that says
// whether any way did better than chance explains.
class BacktestPanel : public QWidget {
    Q_OBJECT
public:
    explicit BacktestPanel(TicketSetHost& host, QWidget* parent = nullptr);

    void refresh();
    // Draws from..to (1-based, as in the list of past draws) are played.
    void setRange(int from, int to);
    void run();

    BacktestTable* table() const { return table_; }
    QLabel* verdict() const { return lblVerdict_; }

private:
    TicketSetHost& host_;
    QSpinBox* spnFrom_;
    QSpinBox* spnTo_;
    QPushButton* btnRun_;
    BacktestTable* table_;
    QLabel* lblVerdict_;
};
