#include "mainwindow/AnalysisHooks.h"

#include "widgets/AppearanceSource.h"
#include "charts/FrmAnalysis.h"
#include "charts/FrmTicketCheck.h"
#include "charts/WindowBeside.h"
#include "charts/FrmAnalysis.h"
#include "charts/FrmTicketCheck.h"
#include "session/LotterySession.h"
#include "widgets/AppearanceSource.h"

#include <QAction>
#include <QWidget>

AnalysisHooks::AnalysisHooks(const session::LotterySession& session,
                             const AppearanceSource& appearance, NumberChoice numberChoice,
                             QWidget* window)
    : QObject(window), session_(session), appearance_(appearance),
      numberChoice_(std::move(numberChoice)), window_(window),
      actCharts_(new QAction(QStringLiteral("Диаграммы..."), this)),
      actTicketCheck_(new QAction(QStringLiteral("Проверить билет по истории..."), this)) {
    actCharts_->setObjectName(QStringLiteral("actCharts"));
    // F1 and F2 are the menu's; F3 sits beside them and needs no keyboard layout, unlike a
    // Ctrl+letter that a Russian layout turns into another letter.
    actCharts_->setShortcut(QKeySequence(Qt::Key_F3));
    actCharts_->setShortcutContext(Qt::WindowShortcut);
    actTicketCheck_->setObjectName(QStringLiteral("actTicketCheck"));
    actTicketCheck_->setShortcut(QKeySequence(Qt::Key_F4));
    actTicketCheck_->setShortcutContext(Qt::WindowShortcut);
    connect(actCharts_, &QAction::triggered, this, &AnalysisHooks::showCharts);
    connect(actTicketCheck_, &QAction::triggered, this, &AnalysisHooks::checkTicket);
}

void AnalysisHooks::showCharts() {
    if (frmAnalysis_ == nullptr) {
        frmAnalysis_ = new FrmAnalysis(session_.document(), appearance_, window_);
        // A number clicked in a chart is chosen as on the track bar.
        connect(frmAnalysis_, &FrmAnalysis::numberChosen, this,
                [this](int n) { numberChoice_.choose(n); });
        FollowDraws(frmAnalysis_, [this] { frmAnalysis_->historyChanged(); });
    }
    frmAnalysis_->setSelectedNumber(numberChoice_.current());
    ShowBeside(*frmAnalysis_);
}

void AnalysisHooks::checkTicket() {
    if (!session_.document().cardFull())
        return;
    if (frmTicketCheck_ == nullptr) {
        frmTicketCheck_ = new FrmTicketCheck(session_.document(), appearance_, window_);
        FollowDraws(frmTicketCheck_, [this] { frmTicketCheck_->historyChanged(); });
    }
    frmTicketCheck_->takeTicketFromCard();
    ShowBeside(*frmTicketCheck_);
}

void AnalysisHooks::FollowDraws(QObject* window, const std::function<void()>& again) {
    // Every change of the draws, whoever makes it: a command, an undo step, a recorded card.
    connect(&session_, &session::LotterySession::lotteryStarted, window, again);
    connect(&session_, &session::LotterySession::drawsReplaced, window, again);
    connect(&session_, &session::LotterySession::drawsEdited, window, again);
}

void AnalysisHooks::ShowBeside(QDialog& window) {
    // A window of its own beside the main one, so that draws can be entered and numbers chosen
    // while it is open; placed anew only when it is not already showing where the user put it.
    window.setModal(false);
    if (!window.isVisible() && window_ != nullptr)
        PlaceBeside(window, *window_);
    window.show();
    window.raise();
    window.activateWindow();
}
