#include "mainwindow/PageControl.h"

#include <QPainter>
#include <QStackedWidget>
#include <QTabBar>
#include <qdrawutil.h>

namespace {

constexpr int kTabsLeft = 2;
constexpr int kTabsTop = 2;
constexpr int kFrameTop = kTabsTop + 22;

} // namespace

PageControl::PageControl(QWidget* parent)
    : QWidget(parent), tabs_(new QTabBar(this)), pages_(new QStackedWidget(this)) {
    tabs_->setObjectName(QStringLiteral("PageControl1Tabs"));
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    tabs_->setElideMode(Qt::ElideNone);
    tabs_->setUsesScrollButtons(false);
    // Hot tracking: the tab under the mouse is drawn lit.
    tabs_->setAttribute(Qt::WA_Hover);
    tabs_->setMouseTracking(true);
    tabs_->setFocusPolicy(Qt::TabFocus);
    connect(tabs_, &QTabBar::currentChanged, this, &PageControl::tabChanged);
}

void PageControl::addPage(QWidget* page, const QString& caption) {
    pages_->addWidget(page);
    tabs_->addTab(caption);
    resizeEvent(nullptr);
}

int PageControl::currentIndex() const {
    return tabs_->currentIndex();
}

void PageControl::setCurrentIndex(int index) {
    tabs_->setCurrentIndex(index);
}

QWidget* PageControl::currentPage() const {
    return pages_->currentWidget();
}

void PageControl::tabChanged(int index) {
    pages_->setCurrentIndex(index);
    emit currentChanged(index);
}

void PageControl::resizeEvent(QResizeEvent* /*event*/) {
    const QSize tabsSize = tabs_->sizeHint();
    tabs_->setGeometry(kTabsLeft, kFrameTop + 2 - tabsSize.height(), tabsSize.width(),
                       tabsSize.height());
    pages_->setGeometry(kPageLeft, kPageTop, width() - 2 * kPageLeft,
                        height() - kPageTop - kPageLeft);
}

void PageControl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // The raised frame of the page area, under the tabs.
    qDrawWinPanel(&painter, QRect(0, kFrameTop, width(), height() - kFrameTop), palette(), false);
}
