#include "RandomnessTab.h"

#include "audit/AuditWording.h"

#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QShowEvent>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace {

using lottery::audit::TestResult;
namespace wording = lottery::audit::wording;

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

enum Column { Test, Figure, Chance, PValue, Visible, ColumnCount };

const QColor kFlagged(180, 30, 30);

} // namespace

RandomnessTab::RandomnessTab(QWidget* parent) : QWidget(parent), progressTimer_(new QTimer(this)) {
    setObjectName(QStringLiteral("randomnessTab"));
    verdict_ = new QLabel;
    verdict_->setObjectName(QStringLiteral("lblVerdict"));
    verdict_->setWordWrap(true);
    QFont bold = verdict_->font();
    bold.setBold(true);
    verdict_->setFont(bold);

    table_ = new QTableWidget(0, ColumnCount);
    table_->setObjectName(QStringLiteral("tblTests"));
    table_->setHorizontalHeaderLabels({QStringLiteral("Проверка"), QStringLiteral("Значение"),
                                       QStringLiteral("Случай даёт"), QStringLiteral("p"),
                                       QStringLiteral("Заметит (в половине случаев)")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setWordWrap(true);
    table_->setFocusPolicy(Qt::NoFocus); // a report to read, with nothing to pick
    table_->setColumnWidth(Test, 255);
    table_->setColumnWidth(Figure, 140);
    table_->setColumnWidth(Chance, 150);
    table_->setColumnWidth(PValue, 120);
    table_->horizontalHeader()->setStretchLastSection(true);

    scope_ = new QLabel;
    scope_->setObjectName(QStringLiteral("lblScope"));
    scope_->setWordWrap(true);

    auto* report = new QWidget;
    auto* reportLayout = new QVBoxLayout(report);
    reportLayout->setContentsMargins(0, 0, 0, 0);
    reportLayout->addWidget(table_, 1);
    reportLayout->addWidget(scope_);

    waiting_ = new QWidget;
    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("barAudit"));
    progress_->setRange(0, 1000);
    progress_->setTextVisible(false);
    auto* waitingLayout = new QVBoxLayout(waiting_);
    waitingLayout->addStretch(1);
    waitingLayout->addWidget(new QLabel(
        QStringLiteral("Идёт проверка: тиражи сравниваются с тысячами честных историй...")));
    waitingLayout->addWidget(progress_);
    waitingLayout->addStretch(1);

    body_ = new QStackedWidget;
    body_->addWidget(report);
    body_->addWidget(waiting_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 6, 0, 0);
    layout->addWidget(verdict_);
    layout->addWidget(body_, 1);

    progressTimer_->setInterval(50);
    connect(progressTimer_, &QTimer::timeout, this, &RandomnessTab::showProgress);
    connect(&watcher_, &QFutureWatcher<lottery::audit::AuditReport>::finished, this,
            &RandomnessTab::showReport);
}

RandomnessTab::~RandomnessTab() {
    cancelRunning();
}

void RandomnessTab::setHistory(std::vector<lottery::DrawRecord> draws,
                               lottery::LotteryShape shape) {
    draws_ = std::move(draws);
    shape_ = shape;
    stale_ = true;
    if (isVisible())
        start();
}

bool RandomnessTab::busy() const {
    return watcher_.isRunning() || stale_;
}

void RandomnessTab::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_)
        start();
}

void RandomnessTab::cancelRunning() {
    // The worker holds only its own copies, so it is not waited for: it stops at its next
    // progress report, and the watcher forgets it once a new audit is set.
    if (stop_)
        stop_->store(true);
}

void RandomnessTab::start() {
    cancelRunning();
    stale_ = false;
    done_ = std::make_shared<std::atomic<int>>(0);
    stop_ = std::make_shared<std::atomic<bool>>(false);
    progress_->setValue(0);
    verdict_->setText(QStringLiteral("Проверка..."));
    verdict_->setStyleSheet(QString());
    // The report of the last history stays until the new one is ready or the wait gets long.
    progressTimer_->start();
    QTimer::singleShot(kProgressDelayMs, this, [this, stop = stop_] {
        if (stop == stop_ && watcher_.isRunning())
            body_->setCurrentWidget(waiting_);
    });
    watcher_.setFuture(
        QtConcurrent::run([draws = draws_, shape = shape_, done = done_, stop = stop_] {
            lottery::audit::AuditOptions options;
            options.progress = [done, stop](double share) {
                done->store(static_cast<int>(share * 1000));
                return !stop->load();
            };
            return lottery::audit::AuditHistory(draws, shape, options);
        }));
}

void RandomnessTab::showProgress() {
    if (done_)
        progress_->setValue(done_->load());
}

void RandomnessTab::showReport() {
    progressTimer_->stop();
    const lottery::audit::AuditReport report = watcher_.result();
    if (report.cancelled)
        return;
    verdict_->setText(Text(wording::VerdictText(report)));
    verdict_->setStyleSheet(report.verdict == lottery::audit::Verdict::NotFair
                                ? QStringLiteral("color: rgb(180, 30, 30);")
                                : QString());
    table_->setRowCount(0);
    for (const TestResult& test : report.tests) {
        const int row = table_->rowCount();
        table_->insertRow(row);
        const QString cells[ColumnCount] = {
            Text(wording::TestTitle(test.kind)) + QChar('\n') +
                Text(wording::TestQuestion(test.kind, report.shape)),
            Text(wording::FigureText(test)), Text(wording::ChanceText(test)),
            Text(wording::PText(test)) + (test.applicable && test.p < lottery::audit::kLevel
                                              ? QStringLiteral("  ●")
                                              : QString()),
            Text(wording::VisibilityText(test, report))};
        for (int column = 0; column < ColumnCount; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            if (test.applicable && test.p < lottery::audit::kLevel) {
                item->setForeground(kFlagged);
                QFont font = item->font();
                font.setBold(test.rejected);
                item->setFont(font);
            }
            table_->setItem(row, column, item);
        }
    }
    table_->resizeRowsToContents();
    scope_->setText(Text(wording::ScopeText(report)) +
                    QStringLiteral(" ● — p меньше 1 %: так редко случай даёт такое отклонение; "
                                   "жирным — отклонение, которое остаётся и с поправкой на "
                                   "число проверок (Холм). «Заметит» — самый малый сбой своего "
                                   "рода, который проверка ловит в половине случаев на уровне "
                                   "99 %."));
    body_->setCurrentIndex(0);
    emit auditShown();
}
