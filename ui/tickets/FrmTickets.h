#pragma once

#include "tickets/TicketSet.h"

#include <QWidget>
#include <optional>

class BacktestPanel;
class QAction;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;
class SetDrawPanel;
class TicketCheckPanel;
class TicketListModel;
class TicketPrices;
class TicketSetHost;
class WheelPanel;

// "Билеты": the user's set of tickets for the lottery on screen, checked against its history,
// with a backtest of ways of choosing and a home draw for the whole set. Non-modal, beside the
// main window; every change of the set is a step of the program's undo history.
class FrmTickets : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kClient{1060, 680};

    FrmTickets(TicketSetHost& host, QWidget* parent = nullptr);

    // The set changed (an edit, an undo, a redo): the list and everything shown about it.
    void refreshSet();
    // The lottery changed (another shape, draws added or taken away).
    void refreshLottery();

    // Adds the card of the draw-entry page as a ticket; false when the card is not full.
    bool addCard();
    // Reads a set (.tickets, or a table of tickets) and takes it as one step; the reason when
    // it cannot be used, empty when it was taken.
    QString openSet(const QString& path);
    // Writes the set whole or not at all; the reason when it failed.
    QString saveSet(const QString& path);
    bool setChangedSinceSaved() const;
    // The program's undo and redo, as buttons beside the file commands and as keys here too.
    void addHistoryActions(QAction* undo, QAction* redo);
    QString setPath() const;
    // The save dialog of sets; nullopt when cancelled.
    std::optional<QString> chooseFileToSave(const QString& caption);
    // The set's name and "changed" in the heading.
    void showTitle();

    TicketListModel* listModel() const { return listModel_; }
    QTableView* ticketList() const { return tblTickets_; }
    QLineEdit* ticketEntry() const { return edtTicket_; }
    // Why the last thing asked for was not done; empty after a change went through.
    QLabel* refusal() const { return lblRefused_; }
    QTabWidget* tabs() const { return tabs_; }
    TicketCheckPanel* checkPanel() const { return checkPanel_; }
    BacktestPanel* backtestPanel() const { return backtestPanel_; }
    SetDrawPanel* drawPanel() const { return drawPanel_; }
    WheelPanel* wheelPanel() const { return wheelPanel_; }
    TicketPrices* prices() const { return prices_; }

signals:
    // A best hit of a check was chosen: its 0-based place in the list of past draws.
    void drawChosen(int index);

private:
    void addTyped();
    void replaceSelected();
    void deleteSelected();
    void addRandom();
    void openClicked();
    void saveClicked();
    void saveAsClicked();
    std::vector<std::size_t> selectedRows() const;
    void refuse(const QString& reason);

    TicketSetHost& host_;
    QHBoxLayout* historyRow_ = nullptr;
    QLabel* lblSet_;
    QLabel* lblRefused_;
    TicketListModel* listModel_;
    QTableView* tblTickets_;
    QLineEdit* edtTicket_;
    QPushButton* btnAdd_;
    QPushButton* btnReplace_;
    QPushButton* btnCard_;
    QSpinBox* spnRandom_;
    QPushButton* btnRandom_;
    QPushButton* btnDelete_;
    QPushButton* btnSort_;
    TicketPrices* prices_;
    QTabWidget* tabs_;
    TicketCheckPanel* checkPanel_;
    BacktestPanel* backtestPanel_;
    SetDrawPanel* drawPanel_;
    WheelPanel* wheelPanel_;
};
