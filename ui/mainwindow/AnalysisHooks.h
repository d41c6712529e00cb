#pragma once

#include <QObject>
#include <functional>

namespace session {
class LotterySession;
}

class AppearanceSource;
class FrmAnalysis;
class FrmTicketCheck;
class QAction;
class QDialog;
class QWidget;

// Opens the analysis window and the ticket check: "Диаграммы..." (F3) and "Проверить билет по
// истории...", actions the main window places. Both windows are made the first time they are
// asked for; they read the session's lottery and choose numbers through the callbacks.
class AnalysisHooks : public QObject {
    Q_OBJECT
public:
    struct NumberChoice {
        std::function<int()> current;    // the number chosen now
        std::function<void(int)> choose; // choose another, as the track bar does
    };

    AnalysisHooks(const session::LotterySession& session, const AppearanceSource& appearance,
                  NumberChoice numberChoice, QWidget* window);

    QAction* chartsAction() const { return actCharts_; }
    QAction* ticketCheckAction() const { return actTicketCheck_; }
    // Null until first opened.
    FrmAnalysis* analysisWindow() const { return frmAnalysis_; }
    FrmTicketCheck* ticketCheckWindow() const { return frmTicketCheck_; }

    void showCharts();
    void checkTicket();

private:
    void FollowDraws(QObject* window, const std::function<void()>& again);
    void ShowBeside(QDialog& window);

    const session::LotterySession& session_;
    const AppearanceSource& appearance_;
    NumberChoice numberChoice_;
    QWidget* window_;
    QAction* actCharts_;
    QAction* actTicketCheck_;
    FrmAnalysis* frmAnalysis_ = nullptr;
    FrmTicketCheck* frmTicketCheck_ = nullptr;
};
