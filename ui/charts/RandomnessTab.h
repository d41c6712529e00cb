#pragma once

#include "audit/RandomnessAudit.h"
#include "lottery/DrawRecord.h"
#include "lottery/LotteryShape.h"

#include <QFutureWatcher>
#include <QWidget>
#include <atomic>
#include <memory>
#include <vector>

class QLabel;
class QProgressBar;
class QStackedWidget;
class QTableWidget;
class QTimer;

// "Случайность": the randomness audit of the draws chosen, one line per test, the verdict in a
// sentence and what each test can see. The battery runs on a worker thread; a progress bar
// appears when it takes longer than a glance.
class RandomnessTab : public QWidget {
    Q_OBJECT
public:
    static constexpr int kProgressDelayMs = 300;

    explicit RandomnessTab(QWidget* parent = nullptr);
    ~RandomnessTab() override;

    // The draws to test, oldest first. The audit runs at once when the tab is on screen,
    // otherwise when it is next shown.
    void setHistory(std::vector<lottery::DrawRecord> draws, lottery::LotteryShape shape);
    bool busy() const;

    QTableWidget* table() const { return table_; }
    QLabel* verdictLabel() const { return verdict_; }
    QProgressBar* progressBar() const { return progress_; }

signals:
    // The audit of the latest history is on screen.
    void auditShown();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void start();
    void cancelRunning();
    void showProgress();
    void showReport();

    std::vector<lottery::DrawRecord> draws_;
    lottery::LotteryShape shape_;
    bool stale_ = false;
    // Shared with the worker: the share done (per mille) and the request to stop.
    std::shared_ptr<std::atomic<int>> done_;
    std::shared_ptr<std::atomic<bool>> stop_;
    QFutureWatcher<lottery::audit::AuditReport> watcher_;
    QTimer* progressTimer_;
    QLabel* verdict_;
    QStackedWidget* body_;
    QTableWidget* table_;
    QLabel* scope_;
    QWidget* waiting_;
    QProgressBar* progress_;
};
