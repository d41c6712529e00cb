#pragma once

#include "tickets/WheelChances.h"
#include "wheels/WheelProblem.h"
#include "wheels/WheelSearch.h"

#include <QFutureWatcher>
#include <QWidget>
#include <atomic>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class TicketSetHost;
class WheelCard;

// "Колесо": a wheel over numbers chosen on a card, found on a worker thread with its best size
// and the lower bound shown as it goes, proven, and added to the set as one undoable step;
// and the holes of the set as it stands against the same numbers and guarantee.
class WheelPanel : public QWidget {
    Q_OBJECT
public:
    explicit WheelPanel(TicketSetHost& host, QWidget* parent = nullptr);
    ~WheelPanel() override;

    // The lottery or the set changed.
    void refresh();

    void find();
    void stop();
    bool searching() const { return watcher_.isRunning(); }
    // Adds the last wheel found to the set; false when there is none that fits the set.
    bool addToSet();
    void checkSet();

    WheelCard* card() const { return card_; }
    QLabel* resultLabel() const { return lblResult_; }
    QLabel* checkLabel() const { return lblCheck_; }
    const std::vector<std::vector<int>>& wheel() const { return found_.result.tickets; }

signals:
    // The search ended, with a wheel or a reason.
    void searchEnded();

private:
    struct Outcome {
        wheels::WheelResult result;
        WheelChances chances;
        QString error;
    };

    wheels::WheelProblem problem(QString& error) const;
    void pickBy(int which);
    void showChoice();
    void showProgress(const wheels::WheelProgress& progress);
    void searchFinished();
    void showChances(const WheelChances& chances);

    TicketSetHost& host_;
    WheelCard* card_;
    QSpinBox* spnCount_;
    QPushButton* btnFrequent_;
    QPushButton* btnRare_;
    QPushButton* btnLongAgo_;
    QLabel* lblChosen_;
    QSpinBox* spnT_;
    QSpinBox* spnM_;
    QLineEdit* edtKeys_;
    QPushButton* btnFind_;
    QPushButton* btnStop_;
    QLabel* lblProgress_;
    QLabel* lblResult_;
    QPushButton* btnAdd_;
    QPushButton* btnCheck_;
    QLabel* lblCheck_;
    QTableWidget* tblChances_;
    QLabel* lblChanceNote_;

    std::atomic<bool> cancel_{false};
    QFutureWatcher<Outcome> watcher_;
    wheels::WheelProblem searched_; // the problem of found_
    Outcome found_;
    int searchedN_ = 0;
};
