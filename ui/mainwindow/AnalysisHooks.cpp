#include "mainwindow/AnalysisHooks.h"

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
    connect(actCharts_, &QAction::triggered, this, &AnalysisHooks::showCharts);
    connect(actTicketCheck_, &QAction::triggered, this, &AnalysisHooks::checkTicket);
}

void AnalysisHooks::showCharts() {
    if (frmAnalysis_ == nullptr) {
        frmAnalysis_ = new FrmAnalysis(session_.document(), appearance_, window_);
        // A number clicked in the pairs chart is chosen as on the track bar.
        connect(frmAnalysis_, &FrmAnalysis::numberChosen, this,
                [this](int n) { numberChoice_.choose(n); });
    }
    frmAnalysis_->setSelectedNumber(numberChoice_.current());
    frmAnalysis_->exec();
}

void AnalysisHooks::checkTicket() {
    if (!session_.document().cardFull())
        return;
    if (frmTicketCheck_ == nullptr)
        frmTicketCheck_ = new FrmTicketCheck(session_.document(), appearance_, window_);
    frmTicketCheck_->exec();
}
