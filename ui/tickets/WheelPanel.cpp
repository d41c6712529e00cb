#include "tickets/WheelPanel.h"

#include "lottery/LotteryDocument.h"
#include "tickets/TicketSet.h"
#include "tickets/TicketSetHost.h"
#include "tickets/WheelCard.h"
#include "wheels/Combinatorics.h"
#include "wheels/WheelBounds.h"
#include "wheels/WheelVerifier.h"
#include "wording/RussianCount.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

constexpr wording::NounForms kTickets{"билет", "билета", "билетов"};
constexpr wording::NounForms kNumbers{"число", "числа", "чисел"};
constexpr double kSecondsLimit = 10;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QString Count(long long count, const wording::NounForms& forms) {
    return Text(wording::CountOf(count, forms));
}

QPushButton* Button(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

// Small chances read better as "1 из N" than as a row of zeros.
QString Chance(double p) {
    if (p <= 0)
        return QStringLiteral("0");
    if (p >= 0.001)
        return Text(wording::GroupedDecimal(p * 100, 2)) + QStringLiteral(" %");
    return QStringLiteral("1 из ") + Text(wording::GroupedNumber(std::llround(1 / p)));
}

// Three significant digits, so that a rare level does not read as none at all.
QString Expected(double value) {
    const int decimals =
        value > 0 ? std::clamp(2 - static_cast<int>(std::floor(std::log10(value))), 2, 9) : 2;
    return Text(wording::GroupedDecimal(value, decimals));
}

QString Joined(const std::vector<int>& numbers) {
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join(QLatin1Char(' '));
}

QString Guarantee(int t, int m) {
    return QStringLiteral("«%1 если %2»").arg(t).arg(m);
}

// The verdict on a set of `tickets` tickets: holds, or how many m-sets miss and a few of them.
QString CheckText(const wheels::Verdict& verdict, const wheels::WheelProblem& p,
                  std::size_t tickets) {
    const QString over =
        QStringLiteral("Набор из %1, гарантия %2 на %3: ")
            .arg(Count(static_cast<long long>(tickets), {"билета", "билетов", "билетов"}),
                 Guarantee(p.t, p.m),
                 Count(static_cast<long long>(p.numbers.size()), {"числе", "числах", "числах"}));
    if (verdict.holds)
        return over +
               QStringLiteral("<b>выполняется</b> — проверены все %1 по %2.")
                   .arg(Text(wording::GroupedNumber(static_cast<long long>(verdict.setsChecked))))
                   .arg(p.m);
    QStringList holes;
    for (const auto& hole : verdict.holes)
        holes << Joined(hole);
    return over +
           QStringLiteral("<b>не выполняется</b>: %1 из %2 без нужного "
                          "совпадения, например %3.")
               .arg(Text(wording::CountOf(static_cast<long long>(verdict.holeCount),
                                          {"набор", "набора", "наборов"})))
               .arg(Text(wording::GroupedNumber(static_cast<long long>(verdict.setsChecked))))
               .arg(holes.join(QStringLiteral("; ")));
}

} // namespace

WheelPanel::WheelPanel(TicketSetHost& host, QWidget* parent)
    : QWidget(parent), host_(host), card_(new WheelCard(this)), spnCount_(new QSpinBox(this)),
      btnFrequent_(
          Button(QStringLiteral("btnWheelFrequent"), QStringLiteral("Самые частые"), this)),
      btnRare_(Button(QStringLiteral("btnWheelRare"), QStringLiteral("Самые редкие"), this)),
      btnLongAgo_(
          Button(QStringLiteral("btnWheelLongAgo"), QStringLiteral("Давно не выпадавшие"), this)),
      lblChosen_(new QLabel(this)), spnT_(new QSpinBox(this)), spnM_(new QSpinBox(this)),
      edtKeys_(new QLineEdit(this)),
      btnFind_(Button(QStringLiteral("btnWheelFind"), QStringLiteral("Найти"), this)),
      btnStop_(Button(QStringLiteral("btnWheelStop"), QStringLiteral("Остановить"), this)),
      lblProgress_(new QLabel(this)), lblResult_(new QLabel(this)),
      btnAdd_(Button(QStringLiteral("btnWheelAdd"), QStringLiteral("Добавить в набор"), this)),
      btnCheck_(Button(QStringLiteral("btnWheelCheck"), QStringLiteral("Проверить набор"), this)),
      lblCheck_(new QLabel(this)), tblChances_(new QTableWidget(this)),
      lblChanceNote_(new QLabel(this)), checkTimer_(new QTimer(this)) {
    setObjectName(QStringLiteral("wheelPanel"));
    spnCount_->setObjectName(QStringLiteral("spnWheelCount"));
    spnCount_->setRange(2, 30);
    spnCount_->setValue(12);
    spnT_->setObjectName(QStringLiteral("spnWheelT"));
    spnM_->setObjectName(QStringLiteral("spnWheelM"));
    spnT_->setRange(1, 7);
    spnM_->setRange(1, 7);
    spnT_->setValue(3);
    spnM_->setValue(3);
    edtKeys_->setObjectName(QStringLiteral("edtWheelKeys"));
    edtKeys_->setPlaceholderText(QStringLiteral("нет"));
    edtKeys_->setToolTip(QStringLiteral("Номера из выбранных, которые будут в каждом билете"));
    lblChosen_->setObjectName(QStringLiteral("lblWheelChosen"));
    lblProgress_->setObjectName(QStringLiteral("lblWheelProgress"));
    lblResult_->setObjectName(QStringLiteral("lblWheelResult"));
    lblCheck_->setObjectName(QStringLiteral("lblWheelCheck"));
    for (QLabel* label : {lblChosen_, lblProgress_, lblResult_, lblCheck_, lblChanceNote_})
        label->setWordWrap(true);
    btnStop_->setEnabled(false);
    btnAdd_->setEnabled(false);
    tblChances_->setObjectName(QStringLiteral("tblWheelChances"));
    tblChances_->setColumnCount(4);
    tblChances_->setHorizontalHeaderLabels(
        {QStringLiteral("Совпало"), QStringLiteral("Колесо: хотя бы\nодин билет"),
         QStringLiteral("Столько же\nслучайных"), QStringLiteral("Выигрышных билетов\nв среднем")});
    tblChances_->verticalHeader()->hide();
    tblChances_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblChances_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblChances_->setToolTip(QStringLiteral(
        "Вероятность за один тираж, что хотя бы один билет совпадёт в стольких числах или "
        "больше; справа — сколько билетов в среднем совпадёт ровно в стольких"));

    auto* shortcuts = new QGridLayout;
    shortcuts->addWidget(new QLabel(QStringLiteral("Выбрать"), this), 0, 0);
    shortcuts->addWidget(spnCount_, 0, 1);
    shortcuts->addWidget(btnFrequent_, 1, 0, 1, 2);
    shortcuts->addWidget(btnRare_, 2, 0, 1, 2);
    shortcuts->addWidget(btnLongAgo_, 3, 0, 1, 2);
    auto* btnClear = Button(QStringLiteral("btnWheelClear"), QStringLiteral("Очистить"), this);
    shortcuts->addWidget(btnClear, 4, 0, 1, 2);
    auto* cardColumn = new QVBoxLayout;
    cardColumn->addWidget(card_);
    cardColumn->addLayout(shortcuts);
    cardColumn->addStretch(1);

    auto* guarantee = new QHBoxLayout;
    guarantee->addWidget(new QLabel(QStringLiteral("Гарантия:"), this));
    guarantee->addWidget(spnT_);
    guarantee->addWidget(new QLabel(QStringLiteral("если"), this));
    guarantee->addWidget(spnM_);
    guarantee->addStretch(1);
    auto* keys = new QHBoxLayout;
    keys->addWidget(new QLabel(QStringLiteral("Ключевые номера:"), this));
    keys->addWidget(edtKeys_, 1);
    auto* run = new QHBoxLayout;
    run->addWidget(btnFind_);
    run->addWidget(btnStop_);
    run->addStretch(1);
    auto* use = new QHBoxLayout;
    use->addWidget(btnAdd_);
    use->addWidget(btnCheck_);
    use->addStretch(1);
    auto* explain = new QLabel(
        QStringLiteral("«T если M»: если M выпавших чисел окажутся среди выбранных, хотя бы "
                       "один билет совпадёт с тиражом не меньше чем в T числах."),
        this);
    explain->setWordWrap(true);
    auto* form = new QVBoxLayout;
    form->addWidget(lblChosen_);
    form->addLayout(guarantee);
    form->addWidget(explain);
    form->addLayout(keys);
    form->addLayout(run);
    form->addWidget(lblProgress_);
    form->addWidget(lblResult_);
    form->addLayout(use);
    form->addWidget(lblCheck_);
    form->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(cardColumn);
    top->addLayout(form, 1);

    auto* honest = new QLabel(
        QStringLiteral("Колесо не меняет того, сколько билет стоит в среднем: оно покупает "
                       "гарантию за билеты. Выигрышных билетов в среднем у колеса столько же, "
                       "сколько у стольких же случайных."),
        this);
    honest->setObjectName(QStringLiteral("lblWheelHonest"));
    honest->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tblChances_, 1);
    layout->addWidget(lblChanceNote_);
    layout->addWidget(honest);

    connect(card_, &WheelCard::changed, this, &WheelPanel::showChoice);
    connect(btnFrequent_, &QPushButton::clicked, this, [this] { pickBy(0); });
    connect(btnRare_, &QPushButton::clicked, this, [this] { pickBy(1); });
    connect(btnLongAgo_, &QPushButton::clicked, this, [this] { pickBy(2); });
    connect(btnClear, &QPushButton::clicked, this, [this] { card_->setChosen({}); });
    connect(btnFind_, &QPushButton::clicked, this, &WheelPanel::find);
    connect(btnStop_, &QPushButton::clicked, this, &WheelPanel::stop);
    connect(btnAdd_, &QPushButton::clicked, this, &WheelPanel::addToSet);
    connect(btnCheck_, &QPushButton::clicked, this, &WheelPanel::checkSet);
    connect(&watcher_, &QFutureWatcher<Outcome>::finished, this, &WheelPanel::searchFinished);
    connect(&checkWatcher_, &QFutureWatcher<CheckOutcome>::finished, this,
            &WheelPanel::checkFinished);
    checkTimer_->setInterval(200);
    connect(checkTimer_, &QTimer::timeout, this, &WheelPanel::showCheckProgress);
    refresh();
}

WheelPanel::~WheelPanel() {
    // The workers report to this panel: they must be over before the panel goes.
    stop();
    watcher_.waitForFinished();
    checkWatcher_.waitForFinished();
}

void WheelPanel::showBusy() {
    const bool busy = searching() || checking();
    btnFind_->setEnabled(!busy);
    btnCheck_->setEnabled(!busy);
    btnStop_->setEnabled(busy);
}

void WheelPanel::refresh() {
    const lottery::LotteryShape shape = host_.ticketSet().shape();
    if (card_->chosen().empty() || card_->chosen().back() > shape.N)
        card_->setLargest(shape.N);
    spnT_->setMaximum(shape.K);
    spnM_->setMaximum(shape.K);
    const bool history = host_.document().drawCount() > 0;
    for (QPushButton* button : {btnFrequent_, btnRare_, btnLongAgo_})
        button->setEnabled(history);
    // A wheel of another shape no longer fits the set.
    btnAdd_->setEnabled(!searching() && !found_.result.tickets.empty() &&
                        searched_.ticketSize == shape.K && searchedN_ == shape.N);
    showChoice();
}

void WheelPanel::showChoice() {
    const auto chosen = card_->chosen();
    lblChosen_->setText(
        QStringLiteral("Выбрано: %1%2")
            .arg(Count(static_cast<long long>(chosen.size()), kNumbers),
                 chosen.empty() ? QString() : QStringLiteral(" — ") + Joined(chosen)));
}

void WheelPanel::pickBy(int which) {
    const lottery::LotteryDocument& document = host_.document();
    const int N = document.shape().N;
    const auto& stats = document.stats();
    std::vector<int> numbers(static_cast<std::size_t>(N));
    std::iota(numbers.begin(), numbers.end(), 1);
    auto key = [&](int n) -> long long {
        const auto& s = stats[static_cast<std::size_t>(n)];
        return which == 0 ? -s.frequency : which == 1 ? s.frequency : -s.drawsSince;
    };
    // Ties go to the smaller number, so the same history always picks the same numbers.
    std::stable_sort(numbers.begin(), numbers.end(), [&](int a, int b) { return key(a) < key(b); });
    numbers.resize(
        std::min<std::size_t>(numbers.size(), static_cast<std::size_t>(spnCount_->value())));
    card_->setChosen(numbers);
}

wheels::WheelProblem WheelPanel::problem(QString& error) const {
    wheels::WheelProblem p;
    p.numbers = card_->chosen();
    p.ticketSize = host_.ticketSet().shape().K;
    p.t = spnT_->value();
    p.m = spnM_->value();
    const QStringList parts =
        edtKeys_->text().split(QRegularExpression(QStringLiteral("[^0-9]+")), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        bool ok = false;
        const int n = part.toInt(&ok);
        if (!ok || n > 99) {
            error = QStringLiteral("Ключевой номер «%1» не подходит.").arg(part);
            return p;
        }
        p.keys.push_back(n);
    }
    error = Text(wheels::ProblemError(p, host_.ticketSet().shape().N));
    return p;
}

void WheelPanel::find() {
    if (searching() || checking())
        return;
    QString error;
    const wheels::WheelProblem p = problem(error);
    if (error.isEmpty())
        error = Text(wheels::SearchSizeError(p));
    if (!error.isEmpty()) {
        lblProgress_->clear();
        lblResult_->setText(
            QStringLiteral("<span style='color:#b00000'>%1</span>").arg(error.toHtmlEscaped()));
        emit searchEnded();
        return;
    }
    cancel_ = false;
    const int N = host_.ticketSet().shape().N;
    btnAdd_->setEnabled(false);
    lblResult_->clear();
    lblProgress_->setText(QStringLiteral("Ищу… нижняя граница: %1")
                              .arg(wheels::WheelLowerBound(static_cast<int>(p.numbers.size()),
                                                           p.ticketSize, p.t, p.m)));
    searched_ = p;
    searchedN_ = N;
    watcher_.setFuture(QtConcurrent::run([this, p, N] {
        Outcome outcome;
        wheels::WheelSearchOptions options;
        options.secondsLimit = kSecondsLimit;
        options.cancel = &cancel_;
        // Called on the search threads: the label is touched on the window's thread only.
        options.onProgress = [this](const wheels::WheelProgress& progress) {
            QMetaObject::invokeMethod(
                this, [this, progress] { showProgress(progress); }, Qt::QueuedConnection);
        };
        try {
            outcome.result = wheels::FindWheel(p, options);
            outcome.chances = WheelChances::Of(outcome.result.tickets, p.numbers, p.ticketSize, N);
        } catch (const std::exception& e) {
            outcome.error = Text(e.what());
        }
        return outcome;
    }));
    showBusy();
}

void WheelPanel::stop() {
    cancel_ = true;
    checkCancel_ = true;
}

void WheelPanel::showProgress(const wheels::WheelProgress& progress) {
    if (!searching())
        return;
    lblProgress_->setText(QStringLiteral("Ищу… лучшее пока: %1 · нижняя граница: %2 · %3 с")
                              .arg(Count(static_cast<long long>(progress.bestSize), kTickets))
                              .arg(progress.lowerBound)
                              .arg(Text(wording::GroupedDecimal(progress.seconds, 1))));
}

void WheelPanel::searchFinished() {
    found_ = watcher_.result();
    showBusy();
    lblProgress_->clear();
    if (!found_.error.isEmpty()) {
        found_.result.tickets.clear();
        lblResult_->setText(QStringLiteral("<span style='color:#b00000'>%1</span>")
                                .arg(found_.error.toHtmlEscaped()));
        tblChances_->setRowCount(0);
        lblChanceNote_->clear();
        refresh();
        emit searchEnded();
        return;
    }
    const wheels::WheelResult& r = found_.result;
    const int v = static_cast<int>(searched_.numbers.size());
    QString end;
    switch (r.end) {
    case wheels::SearchEnd::ReachedBound:
        end = QStringLiteral("меньше не бывает: размер равен нижней границе");
        break;
    case wheels::SearchEnd::Patience:
        end = QStringLiteral("поиск долго не находил меньшего и остановился");
        break;
    case wheels::SearchEnd::TimeLimit:
        end = QStringLiteral("время поиска вышло");
        break;
    case wheels::SearchEnd::Cancelled:
        end = QStringLiteral("поиск остановлен; показано лучшее найденное");
        break;
    }
    lblResult_->setText(
        QStringLiteral("<b>Колесо: %1</b> · нижняя граница: %2 · полное колесо C(%3, %4): %5.<br>"
                       "Гарантия %6 проверена перебором всех %7 по %8 из выбранных. %9 (%10 с).")
            .arg(Count(static_cast<long long>(r.tickets.size()), kTickets))
            .arg(r.lowerBound)
            .arg(v)
            .arg(searched_.ticketSize)
            .arg(Count(static_cast<long long>(r.fullWheelSize), kTickets))
            .arg(Guarantee(searched_.t, searched_.m))
            .arg(Text(
                wording::GroupedNumber(static_cast<long long>(wheels::Binomial(v, searched_.m)))))
            .arg(searched_.m)
            .arg(end[0].toUpper() + end.mid(1))
            .arg(Text(wording::GroupedDecimal(r.seconds, 1))));
    showChances(found_.chances);
    refresh();
    emit searchEnded();
}

void WheelPanel::showChances(const WheelChances& chances) {
    tblChances_->setRowCount(static_cast<int>(chances.levels.size()));
    for (std::size_t i = 0; i < chances.levels.size(); ++i) {
        const int row = static_cast<int>(i);
        const QStringList cells{QStringLiteral("%1 и больше").arg(chances.levels[i]),
                                Chance(chances.wheel[i]), Chance(chances.random[i]),
                                Expected(chances.expectedTickets[i])};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(Qt::AlignCenter);
            tblChances_->setItem(row, c, item);
        }
    }
    // The expected column counts tickets matching exactly that many.
    lblChanceNote_->setText(
        (chances.exact ? QStringLiteral("Колонка колеса точная: перебраны все пересечения тиража "
                                        "с выбранными числами.")
                       : QStringLiteral("Колонка колеса оценена по %1 случайным тиражам "
                                        "(точный перебор слишком долог).")
                             .arg(Text(wording::GroupedNumber(chances.sampledDraws)))) +
        QStringLiteral(" Случайные билеты — независимые, считаны точно. Последняя колонка — "
                       "билеты, совпавшие ровно в стольких числах."));
}

bool WheelPanel::addToSet() {
    const lottery::TicketSet& set = host_.ticketSet();
    if (searching() || found_.result.tickets.empty() || searched_.ticketSize != set.shape().K ||
        searchedN_ != set.shape().N)
        return false;
    if (set.size() + found_.result.tickets.size() > lottery::TicketSet::kMostTickets) {
        lblCheck_->setText(
            QStringLiteral("В наборе может быть не больше %1.")
                .arg(Count(lottery::TicketSet::kMostTickets, {"билета", "билетов", "билетов"})));
        return false;
    }
    std::vector<lottery::Ticket> tickets;
    for (const auto& numbers : found_.result.tickets) {
        const auto ticket = lottery::Ticket::FromNumbers(numbers);
        if (!ticket || !ticket->fits(set.shape()))
            return false;
        tickets.push_back(*ticket);
    }
    host_.editTicketSet(set.EditToAdd(std::move(tickets)), QStringLiteral("добавление колеса"));
    return true;
}

void WheelPanel::checkSet() {
    if (searching() || checking())
        return;
    QString error;
    const wheels::WheelProblem p = problem(error);
    if (!error.isEmpty()) {
        lblCheck_->setText(
            QStringLiteral("<span style='color:#b00000'>%1</span>").arg(error.toHtmlEscaped()));
        emit checkEnded();
        return;
    }
    // The set as it is now: edits made while the check runs are not in its verdict.
    std::vector<std::vector<int>> tickets;
    for (std::size_t i = 0; i < host_.ticketSet().size(); ++i)
        tickets.push_back(host_.ticketSet().at(i).numbers());
    checkCancel_ = false;
    checkDone_ = 0;
    checkTotal_ = wheels::Binomial(static_cast<int>(p.numbers.size()), p.m);
    checkedM_ = p.m;
    showCheckProgress();
    checkWatcher_.setFuture(QtConcurrent::run([this, p, tickets = std::move(tickets)] {
        constexpr std::size_t kHolesShown = 5;
        CheckOutcome outcome;
        outcome.problem = p;
        outcome.tickets = tickets.size();
        try {
            outcome.verdict = wheels::VerifyWheel(tickets, p.numbers, p.t, p.m, kHolesShown, 2,
                                                  {&checkCancel_, &checkDone_});
        } catch (const std::exception& e) {
            outcome.error = Text(e.what());
        }
        return outcome;
    }));
    checkTimer_->start();
    showBusy();
}

void WheelPanel::showCheckProgress() {
    const std::uint64_t done = std::min<std::uint64_t>(checkDone_, checkTotal_);
    lblCheck_->setText(QStringLiteral("Проверяю набор… %1 из %2 сочетаний по %3 (%4 %)")
                           .arg(Text(wording::GroupedNumber(static_cast<long long>(done))))
                           .arg(Text(wording::GroupedNumber(static_cast<long long>(checkTotal_))))
                           .arg(checkedM_)
                           .arg(checkTotal_ == 0 ? 0 : static_cast<int>(100 * done / checkTotal_)));
}

void WheelPanel::checkFinished() {
    checkTimer_->stop();
    showBusy();
    const CheckOutcome outcome = checkWatcher_.result();
    const wheels::Verdict& verdict = outcome.verdict;
    const wheels::WheelProblem& p = outcome.problem;
    if (!outcome.error.isEmpty()) {
        lblCheck_->setText(QStringLiteral("<span style='color:#b00000'>%1</span>")
                               .arg(outcome.error.toHtmlEscaped()));
    } else if (verdict.cancelled) {
        lblCheck_->setText(QStringLiteral("Проверка набора остановлена."));
    } else {
        lblCheck_->setText(CheckText(verdict, p, outcome.tickets));
    }
    emit checkEnded();
}
