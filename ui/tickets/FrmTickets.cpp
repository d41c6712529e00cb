#include "tickets/FrmTickets.h"

#include "lottery/LotteryDocument.h"
#include "storage/IoError.h"
#include "tickets/BacktestPanel.h"
#include "tickets/SetDrawPanel.h"
#include "tickets/TicketCheckPanel.h"
#include "tickets/TicketFile.h"
#include "tickets/TicketListModel.h"
#include "tickets/TicketPrices.h"
#include "tickets/TicketSetHost.h"
#include "tickets/WheelPanel.h"
#include "wording/RussianCount.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kSetFilter = QStringLiteral("Наборы билетов (*.tickets)");
const QString kTableFilter = QStringLiteral("Таблицы билетов (*.csv *.txt)");

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QPushButton* Button(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

FrmTickets::FrmTickets(TicketSetHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), host_(host), lblSet_(new QLabel(this)),
      lblRefused_(new QLabel(this)), listModel_(new TicketListModel(this)),
      tblTickets_(new QTableView(this)), edtTicket_(new QLineEdit(this)),
      btnAdd_(Button(QStringLiteral("btnAddTicket"), QStringLiteral("Добавить"), this)),
      btnReplace_(Button(QStringLiteral("btnReplaceTicket"), QStringLiteral("Заменить"), this)),
      btnCard_(Button(QStringLiteral("btnAddCard"), QStringLiteral("Карточку"), this)),
      spnRandom_(new QSpinBox(this)),
      btnRandom_(Button(QStringLiteral("btnRandomTickets"), QStringLiteral("Случайные"), this)),
      btnDelete_(Button(QStringLiteral("btnDeleteTickets"), QStringLiteral("Удалить"), this)),
      btnSort_(Button(QStringLiteral("btnSortTickets"), QStringLiteral("Сортировать"), this)),
      prices_(new TicketPrices(this)), tabs_(new QTabWidget(this)),
      checkPanel_(new TicketCheckPanel(host, this)), backtestPanel_(new BacktestPanel(host, this)),
      drawPanel_(new SetDrawPanel(host, this)), wheelPanel_(new WheelPanel(host, this)) {
    setObjectName(QStringLiteral("frmTickets"));
    setWindowTitle(QStringLiteral("Билеты"));
    resize(kClient);
    lblSet_->setObjectName(QStringLiteral("lblSet"));
    QFont bold = lblSet_->font();
    bold.setBold(true);
    lblSet_->setFont(bold);
    lblRefused_->setObjectName(QStringLiteral("lblRefused"));
    lblRefused_->setWordWrap(true);
    lblRefused_->setStyleSheet(QStringLiteral("color: #b00000"));

    listModel_->setSet(&host_.ticketSet());
    tblTickets_->setObjectName(QStringLiteral("tblTickets"));
    tblTickets_->setModel(listModel_);
    tblTickets_->verticalHeader()->hide();
    tblTickets_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblTickets_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tblTickets_->horizontalHeader()->setSectionResizeMode(TicketListModel::Place,
                                                          QHeaderView::ResizeToContents);
    tblTickets_->horizontalHeader()->setSectionResizeMode(TicketListModel::Numbers,
                                                          QHeaderView::Stretch);
    tblTickets_->horizontalHeader()->setSectionResizeMode(TicketListModel::Hits,
                                                          QHeaderView::Stretch);
    edtTicket_->setObjectName(QStringLiteral("edtTicket"));
    spnRandom_->setObjectName(QStringLiteral("spnRandomTickets"));
    spnRandom_->setRange(1, 1000);
    spnRandom_->setValue(5);
    btnCard_->setToolTip(
        QStringLiteral("Номера, отмеченные на карточке страницы «Добавить тираж»"));

    auto* entry = new QHBoxLayout;
    entry->addWidget(new QLabel(QStringLiteral("Билет:"), this));
    entry->addWidget(edtTicket_, 1);
    entry->addWidget(btnAdd_);
    entry->addWidget(btnReplace_);
    auto* more = new QHBoxLayout;
    more->addWidget(btnCard_);
    more->addWidget(spnRandom_);
    more->addWidget(btnRandom_);
    more->addStretch(1);
    more->addWidget(btnDelete_);
    more->addWidget(btnSort_);
    auto* files = new QHBoxLayout;
    historyRow_ = new QHBoxLayout;
    auto* btnOpen = Button(QStringLiteral("btnOpenSet"), QStringLiteral("Открыть..."), this);
    auto* btnSave = Button(QStringLiteral("btnSaveSet"), QStringLiteral("Сохранить"), this);
    auto* btnSaveAs =
        Button(QStringLiteral("btnSaveSetAs"), QStringLiteral("Сохранить как..."), this);
    files->addWidget(btnOpen);
    files->addWidget(btnSave);
    files->addWidget(btnSaveAs);
    files->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addWidget(lblSet_);
    left->addWidget(tblTickets_, 1);
    left->addLayout(entry);
    left->addWidget(lblRefused_);
    left->addLayout(more);
    left->addWidget(prices_);
    left->addLayout(files);
    left->addLayout(historyRow_);

    tabs_->setObjectName(QStringLiteral("tabTickets"));
    tabs_->addTab(checkPanel_, QStringLiteral("Проверка по истории"));
    tabs_->addTab(backtestPanel_, QStringLiteral("Способы выбора"));
    tabs_->addTab(drawPanel_, QStringLiteral("Розыгрыш для набора"));
    tabs_->addTab(wheelPanel_, QStringLiteral("Колесо"));
    auto* honest = new QLabel(
        QStringLiteral("Никакой способ выбора не меняет того, сколько билет стоит в среднем: "
                       "каждое число здесь стоит рядом с тем, что даёт случай."),
        this);
    honest->setObjectName(QStringLiteral("lblHonest"));
    honest->setWordWrap(true);
    auto* right = new QVBoxLayout;
    right->addWidget(tabs_, 1);
    right->addWidget(honest);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 2);
    layout->addLayout(right, 3);

    connect(btnAdd_, &QPushButton::clicked, this, &FrmTickets::addTyped);
    connect(edtTicket_, &QLineEdit::returnPressed, this, &FrmTickets::addTyped);
    connect(btnReplace_, &QPushButton::clicked, this, &FrmTickets::replaceSelected);
    connect(btnCard_, &QPushButton::clicked, this, [this] {
        if (!addCard())
            refuse(QStringLiteral("На карточке отмечено не %1 номеров.")
                       .arg(host_.document().shape().K));
    });
    connect(btnRandom_, &QPushButton::clicked, this, &FrmTickets::addRandom);
    connect(btnDelete_, &QPushButton::clicked, this, &FrmTickets::deleteSelected);
    connect(btnSort_, &QPushButton::clicked, this, [this] {
        host_.editTicketSet(host_.ticketSet().EditToSort(), QStringLiteral("сортировку билетов"));
    });
    connect(btnOpen, &QPushButton::clicked, this, &FrmTickets::openClicked);
    connect(btnSave, &QPushButton::clicked, this, &FrmTickets::saveClicked);
    connect(btnSaveAs, &QPushButton::clicked, this, &FrmTickets::saveAsClicked);
    connect(prices_, &TicketPrices::accepted, this, [this] {
        QString reason;
        if (const auto money = prices_->typed(reason))
            host_.editTicketSet(host_.ticketSet().EditToSetMoney(*money),
                                QStringLiteral("цены билетов"));
        else
            refuse(reason);
    });
    connect(tblTickets_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const auto rows = selectedRows();
        btnDelete_->setEnabled(!rows.empty());
        btnReplace_->setEnabled(rows.size() == 1);
        if (rows.size() == 1)
            edtTicket_->setText(Text(host_.ticketSet().at(rows.front()).text()));
    });
    connect(checkPanel_, &TicketCheckPanel::drawChosen, this, &FrmTickets::drawChosen);
    connect(drawPanel_, &SetDrawPanel::drawn, listModel_, &TicketListModel::setHomeDraw);
    refreshSet();
}

void FrmTickets::addHistoryActions(QAction* undo, QAction* redo) {
    for (QAction* action : {undo, redo}) {
        addAction(action);
        auto* button = new QToolButton(this);
        button->setDefaultAction(action);
        // The step's name grows with the history (a table of draws, say): it never widens
        // the window, the two buttons share the row.
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        historyRow_->addWidget(button);
    }
}

void FrmTickets::refreshSet() {
    const lottery::TicketSet& set = host_.ticketSet();
    listModel_->setSet(&set);
    prices_->show(set.money(), set.shape().K);
    checkPanel_->refresh();
    backtestPanel_->refresh();
    drawPanel_->refresh();
    wheelPanel_->refresh();
    btnDelete_->setEnabled(false);
    btnReplace_->setEnabled(false);
    btnSort_->setEnabled(set.size() > 1);
    lblRefused_->clear();
    showTitle();
}

void FrmTickets::refreshLottery() {
    refreshSet();
}

bool FrmTickets::setChangedSinceSaved() const {
    return host_.ticketSetChanged();
}

QString FrmTickets::setPath() const {
    return host_.ticketSetPath();
}

void FrmTickets::showTitle() {
    const lottery::TicketSet& set = host_.ticketSet();
    const QString path = host_.ticketSetPath();
    const QString name = path.isEmpty() ? QStringLiteral("без имени") : QFileInfo(path).fileName();
    lblSet_->setText(QStringLiteral("Набор «%1»%2: %3, лотерея %4 из %5")
                         .arg(name,
                              setChangedSinceSaved() ? QStringLiteral(" (изменён)") : QString(),
                              Text(wording::CountOf(static_cast<long long>(set.size()),
                                                    {"билет", "билета", "билетов"})))
                         .arg(set.shape().K)
                         .arg(set.shape().N));
}

std::vector<std::size_t> FrmTickets::selectedRows() const {
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : tblTickets_->selectionModel()->selectedRows())
        rows.push_back(static_cast<std::size_t>(index.row()));
    return rows;
}

void FrmTickets::refuse(const QString& reason) {
    // Said beside the entry, not in a box: what was typed stays there to be put right.
    lblRefused_->setText(reason);
}

void FrmTickets::addTyped() {
    lottery::Ticket ticket;
    const std::string reason =
        lottery::ParseTicket(edtTicket_->text().toStdString(), host_.ticketSet().shape(), ticket);
    if (!reason.empty()) {
        refuse(QStringLiteral("Билет не добавлен: %1.").arg(Text(reason)));
        return;
    }
    host_.editTicketSet(host_.ticketSet().EditToAdd({ticket}), QStringLiteral("добавление билета"));
    edtTicket_->clear();
}

void FrmTickets::replaceSelected() {
    const auto rows = selectedRows();
    if (rows.size() != 1)
        return;
    lottery::Ticket ticket;
    const std::string reason =
        lottery::ParseTicket(edtTicket_->text().toStdString(), host_.ticketSet().shape(), ticket);
    if (!reason.empty()) {
        refuse(QStringLiteral("Билет не изменён: %1.").arg(Text(reason)));
        return;
    }
    host_.editTicketSet(host_.ticketSet().EditToReplace(rows.front(), ticket),
                        QStringLiteral("изменение билета"));
}

void FrmTickets::deleteSelected() {
    const auto rows = selectedRows();
    if (rows.empty())
        return;
    host_.editTicketSet(host_.ticketSet().EditToDelete(rows),
                        rows.size() == 1 ? QStringLiteral("удаление билета")
                                         : QStringLiteral("удаление билетов"));
}

void FrmTickets::addRandom() {
    const lottery::TicketSet& set = host_.ticketSet();
    const auto count = static_cast<std::size_t>(spnRandom_->value());
    if (set.size() + count > lottery::TicketSet::kMostTickets) {
        refuse(QStringLiteral("В наборе может быть не больше %1.")
                   .arg(Text(wording::CountOf(lottery::TicketSet::kMostTickets,
                                              {"билета", "билетов", "билетов"}))));
        return;
    }
    host_.editTicketSet(
        set.EditToAdd(lottery::TicketSet::RandomTickets(set.shape(), count, host_.random())),
        QStringLiteral("случайные билеты"));
}

bool FrmTickets::addCard() {
    const lottery::LotteryDocument& document = host_.document();
    if (!document.cardFull())
        return false;
    std::vector<int> numbers;
    for (int p = 0; p < document.cardCount(); ++p)
        numbers.push_back(document.cardNumbers()[static_cast<std::size_t>(p)]);
    const auto ticket = lottery::Ticket::FromNumbers(numbers);
    if (!ticket || !ticket->fits(host_.ticketSet().shape()))
        return false;
    host_.editTicketSet(host_.ticketSet().EditToAdd({*ticket}),
                        QStringLiteral("добавление билета"));
    return true;
}

QString FrmTickets::openSet(const QString& path) {
    const QString reason = host_.openTicketSet(path);
    showTitle();
    return reason;
}

QString FrmTickets::saveSet(const QString& path) {
    const QString reason = host_.saveTicketSet(path);
    showTitle();
    return reason;
}

void FrmTickets::openClicked() {
    if (!host_.mayReplaceTicketSet())
        return;
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Открыть набор билетов"), QFileInfo(setPath()).path(),
        kSetFilter + QStringLiteral(";;") + kTableFilter);
    if (path.isEmpty())
        return;
    if (const QString reason = openSet(path); !reason.isEmpty())
        refuse(QStringLiteral("%1 не открыт: %2").arg(QFileInfo(path).fileName(), reason));
}

void FrmTickets::saveClicked() {
    if (setPath().isEmpty()) {
        saveAsClicked();
        return;
    }
    if (const QString reason = saveSet(setPath()); !reason.isEmpty())
        refuse(QStringLiteral("Набор не сохранён: %1").arg(reason));
}

std::optional<QString> FrmTickets::chooseFileToSave(const QString& caption) {
    QFileDialog dialog(this, caption, setPath(), kSetFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("tickets"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void FrmTickets::saveAsClicked() {
    const auto path = chooseFileToSave(QStringLiteral("Сохранить набор билетов"));
    if (!path)
        return;
    if (const QString reason = saveSet(*path); !reason.isEmpty())
        refuse(QStringLiteral("Набор не сохранён: %1").arg(reason));
}
