#pragma once

#include "tickets/WheelChances.h"
#include "wheels/WheelProblem.h"
#include "wheels/WheelSearch.h"
#include "wheels/WheelVerifier.h"

#include <QFutureWatcher>
#include <QWidget>
#include <atomic>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimer;
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
    // Stops the search or the check of the set, whichever runs.
    void stop();
    bool searching() const { return watcher_.isRunning(); }
    bool checking() const { return checkWatcher_.isRunning(); }
    // Adds the last wheel found to the set; false when there is none that fits the set.
    bool addToSet();
    // The holes of the set as it stands, found on a worker thread like the search.
    void checkSet();

    WheelCard* card() const { return card_; }
    QLabel* resultLabel() const { return lblResult_; }
    QLabel* checkLabel() const { return lblCheck_; }
    const std::vector<std::vector<int>>& wheel() const { return found_.result.tickets; }

signals:
    // The search ended, with a wheel or a reason.
    void searchEnded();
    // The check of the set ended, with a verdict, a reason or stopped.
    void checkEnded();

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
    // Find and check take turns: one worker at a time, and Stop stops it.
    void showBusy();
    void showCheckProgress();
    void checkFinished();

    struct CheckOutcome {
        wheels::Verdict verdict;
        wheels::WheelProblem problem;
        std::size_t tickets = 0;
        QString error;
    };

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

    std::atomic<bool> checkCancel_{false};
    std::atomic<std::uint64_t> checkDone_{0};
    std::uint64_t checkTotal_ = 0;
    int checkedM_ = 0; // the m of the running check; the box may change meanwhile
    QTimer* checkTimer_;
    QFutureWatcher<CheckOutcome> checkWatcher_;
};
