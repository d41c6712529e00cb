#pragma once

#include <QObject>

class FrmAnalysis;
class FrmMain;
class FrmTicketCheck;
class QAction;
class QDialog;

// Where the main window opens the analysis window and the ticket check: "Диаграммы..." (F3)
// on the statistics page and anywhere in the window, "Проверить билет по истории..." on the
// card. Both windows are made the first time they are asked for and are not modal: they stand
// beside the main window and follow its draws.
class AnalysisHooks : public QObject {
    Q_OBJECT
public:
    explicit AnalysisHooks(FrmMain& window);

    QAction* chartsAction() const { return actCharts_; }
    QAction* ticketCheckAction() const { return actTicketCheck_; }
    // Null until first opened.
    FrmAnalysis* analysisWindow() const { return frmAnalysis_; }
    FrmTicketCheck* ticketCheckWindow() const { return frmTicketCheck_; }

    void showCharts();
    void checkTicket();

private:
    void ShowBeside(QDialog& window);

    FrmMain& window_;
    QAction* actCharts_;
    QAction* actTicketCheck_;
    FrmAnalysis* frmAnalysis_ = nullptr;
    FrmTicketCheck* frmTicketCheck_ = nullptr;
};
