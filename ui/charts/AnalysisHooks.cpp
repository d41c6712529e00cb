#include "AnalysisHooks.h"

#include "AppearanceOptions.h"
#include "DrawEntryPage.h"
#include "FrmAnalysis.h"
#include "FrmMain.h"
#include "FrmTicketCheck.h"
#include "StatisticsPage.h"

#include <QAction>
#include <QSlider>

AnalysisHooks::AnalysisHooks(FrmMain& window)
    : QObject(&window), window_(window),
      actCharts_(new QAction(QStringLiteral("Диаграммы..."), this)),
      actTicketCheck_(new QAction(QStringLiteral("Проверить билет по истории..."), this)) {
    actCharts_->setObjectName(QStringLiteral("actCharts"));
    // F1 and F2 are the menu's; F3 sits beside them and needs no keyboard layout, unlike a
    // Ctrl+letter that a Russian layout turns into another letter.
    actCharts_->setShortcut(QKeySequence(Qt::Key_F3));
    actCharts_->setShortcutContext(Qt::WindowShortcut);
    window.addAction(actCharts_);
    window.statisticsPage().addContextAction(actCharts_);
    actTicketCheck_->setObjectName(QStringLiteral("actTicketCheck"));
    window.drawEntryPage().addCardAction(actTicketCheck_);
    connect(actCharts_, &QAction::triggered, this, &AnalysisHooks::showCharts);
    connect(actTicketCheck_, &QAction::triggered, this, &AnalysisHooks::checkTicket);
}

void AnalysisHooks::showCharts() {
    QSlider* trcNumber = window_.statisticsPage().trcNumber();
    if (frmAnalysis_ == nullptr) {
        frmAnalysis_ = new FrmAnalysis(window_.document(), window_.appearance(), &window_);
        // A number clicked in the pairs chart is chosen as on the track bar.
        connect(frmAnalysis_, &FrmAnalysis::numberChosen, trcNumber, &QSlider::setValue);
    }
    frmAnalysis_->setSelectedNumber(trcNumber->value());
    frmAnalysis_->exec();
}

void AnalysisHooks::checkTicket() {
    if (!window_.document().cardFull())
        return;
    if (frmTicketCheck_ == nullptr)
        frmTicketCheck_ = new FrmTicketCheck(window_.document(), window_.appearance(), &window_);
    frmTicketCheck_->exec();
}
