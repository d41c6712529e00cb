#include "AnalysisHooks.h"

#include "AppearanceOptions.h"
#include "DrawEntryPage.h"
#include "FrmAnalysis.h"
#include "FrmMain.h"
#include "FrmTicketCheck.h"
#include "StatisticsPage.h"
#include "WindowBeside.h"

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
    actTicketCheck_->setShortcut(QKeySequence(Qt::Key_F4));
    actTicketCheck_->setShortcutContext(Qt::WindowShortcut);
    window.addAction(actTicketCheck_);
    window.drawEntryPage().addCardAction(actTicketCheck_);
    connect(actCharts_, &QAction::triggered, this, &AnalysisHooks::showCharts);
    connect(actTicketCheck_, &QAction::triggered, this, &AnalysisHooks::checkTicket);
}

void AnalysisHooks::showCharts() {
    QSlider* trcNumber = window_.statisticsPage().trcNumber();
    if (frmAnalysis_ == nullptr) {
        frmAnalysis_ = new FrmAnalysis(window_.document(), window_.appearance(), &window_);
        // A number clicked in a chart is chosen as on the track bar, and the other way round.
        connect(frmAnalysis_, &FrmAnalysis::numberChosen, trcNumber, &QSlider::setValue);
        connect(trcNumber, &QSlider::valueChanged, frmAnalysis_, &FrmAnalysis::setSelectedNumber);
        connect(&window_, &FrmMain::drawsChanged, frmAnalysis_, &FrmAnalysis::historyChanged);
    }
    frmAnalysis_->setSelectedNumber(trcNumber->value());
    ShowBeside(*frmAnalysis_);
}

void AnalysisHooks::checkTicket() {
    if (!window_.document().cardFull())
        return;
    if (frmTicketCheck_ == nullptr) {
        frmTicketCheck_ = new FrmTicketCheck(window_.document(), window_.appearance(), &window_);
        connect(&window_, &FrmMain::drawsChanged, frmTicketCheck_, &FrmTicketCheck::historyChanged);
    }
    frmTicketCheck_->takeTicketFromCard();
    ShowBeside(*frmTicketCheck_);
}

void AnalysisHooks::ShowBeside(QDialog& window) {
    // A window of its own beside the main one, so that draws can be entered and numbers chosen
    // while it is open; placed anew only when it is not already showing where the user put it.
    window.setModal(false);
    if (!window.isVisible())
        PlaceBeside(window, window_);
    window.show();
    window.raise();
    window.activateWindow();
}
