#pragma once

#include <QWidget>

class CheckTableModel;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableView;
class TicketSetHost;

// "Проверка": the set against the latest draw, one draw, a range of draws or all of them; per
// match level how many ticket-draws reached it beside what chance gives, per ticket and in
// total; the best hits; spent against won where the set has prices.
class TicketCheckPanel : public QWidget {
    Q_OBJECT
public:
    enum Range { Latest, OneDraw, FromTo, All };

    explicit TicketCheckPanel(TicketSetHost& host, QWidget* parent = nullptr);

    // The list of draws or the set changed: the figures shown no longer hold.
    void refresh();
    void setRange(Range range, int from = 1, int to = 1);
    void check();

    QComboBox* rangeChoice() const { return cmbRange_; }
    QTableView* table() const { return tblCheck_; }
    QListWidget* bestList() const { return lstBest_; }
    QLabel* moneyLabel() const { return lblMoney_; }

signals:
    // A best hit was double-clicked: the draw's 0-based place in the list of past draws.
    void drawChosen(int index);

private:
    void followRange();

    TicketSetHost& host_;
    QComboBox* cmbRange_;
    QSpinBox* spnFrom_;
    QLabel* lblTo_;
    QSpinBox* spnTo_;
    QPushButton* btnCheck_;
    CheckTableModel* model_;
    QTableView* tblCheck_;
    QListWidget* lstBest_;
    QLabel* lblMoney_;
};
