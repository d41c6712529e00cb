#include "dialogs/TablePreview.h"

#include "lottery/LotteryShape.h"
#include "tables/DrawTableReader.h"
#include "tables/DrawTableSummary.h"
#include "wording/RussianCount.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <map>

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// Notes shown in the dialog; a table with more has them counted.
constexpr std::size_t kNotesShown = 200;

} // namespace

TablePreview::TablePreview(QByteArray tableBytes, lottery::DrawTable reading, QWidget* parent)
    : QDialog(parent), bytes_(std::move(tableBytes)), reading_(std::move(reading)) {
    setObjectName(QStringLiteral("frmTablePreview"));
    setWindowTitle(QStringLiteral("Импорт таблицы тиражей"));
    auto* layout = new QVBoxLayout(this);

    error_ = new QLabel(this);
    error_->setObjectName(QStringLiteral("lblTableError"));
    error_->setWordWrap(true);
    error_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    layout->addWidget(error_);

    layout->addWidget(
        new QLabel(QStringLiteral("Первые и последние строки, как они прочитаны:"), this));
    rows_ = new QTableWidget(this);
    rows_->setObjectName(QStringLiteral("grdTableRows"));
    rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rows_->setSelectionMode(QAbstractItemView::NoSelection);
    rows_->verticalHeader()->setDefaultSectionSize(rows_->fontMetrics().height() + 6);
    layout->addWidget(rows_, 1);

    form_ = new QFormLayout;
    QFormLayout* form = form_;
    era_ = new QComboBox(this);
    era_->setObjectName(QStringLiteral("cmbEra"));
    form->addRow(QStringLiteral("Строки:"), era_);
    auto* columns = new QHBoxLayout;
    firstColumn_ = new QComboBox(this);
    firstColumn_->setObjectName(QStringLiteral("cmbFirstColumn"));
    lastColumn_ = new QComboBox(this);
    lastColumn_->setObjectName(QStringLiteral("cmbLastColumn"));
    columns->addWidget(new QLabel(QStringLiteral("с"), this));
    columns->addWidget(firstColumn_, 1);
    columns->addWidget(new QLabel(QStringLiteral("по"), this));
    columns->addWidget(lastColumn_, 1);
    form->addRow(QStringLiteral("Столбцы с числами:"), columns);

    auto* shape = new QHBoxLayout;
    K_ = new QSpinBox(this);
    K_->setObjectName(QStringLiteral("spnK"));
    K_->setRange(1, lottery::LotteryShape::kMaxK);
    N_ = new QSpinBox(this);
    N_->setObjectName(QStringLiteral("spnN"));
    N_->setRange(2, lottery::LotteryShape::kMaxN);
    shape->addWidget(K_);
    shape->addWidget(new QLabel(QStringLiteral("из"), this));
    shape->addWidget(N_);
    shape->addStretch(1);
    form->addRow(QStringLiteral("Лотерея:"), shape);

    order_ = new QLabel(this);
    order_->setObjectName(QStringLiteral("lblOrder"));
    order_->setWordWrap(true);
    form->addRow(QStringLiteral("Порядок:"), order_);
    drawCount_ = new QLabel(this);
    drawCount_->setObjectName(QStringLiteral("lblDrawCount"));
    form->addRow(QStringLiteral("Тиражей:"), drawCount_);
    layout->addLayout(form);

    layout->addWidget(
        new QLabel(QStringLiteral("Строки, которые не взяты, и предупреждения:"), this));
    notes_ = new QPlainTextEdit(this);
    notes_->setObjectName(QStringLiteral("txtTableNotes"));
    notes_->setReadOnly(true);
    notes_->setMaximumHeight(110);
    layout->addWidget(notes_);

    buttons_ = new QDialogButtonBox(this);
    import_ = buttons_->addButton(QStringLiteral("Импортировать"), QDialogButtonBox::AcceptRole);
    import_->setObjectName(QStringLiteral("btnImport"));
    QPushButton* cancel =
        buttons_->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    connect(firstColumn_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!updating_)
            chooseColumns(index, std::max(index, lastColumn_->currentIndex()));
    });
    connect(lastColumn_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!updating_)
            chooseColumns(std::min(index, firstColumn_->currentIndex()), index);
    });
    connect(era_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!updating_)
            chooseEra(static_cast<Era>(index));
    });
    connect(K_, &QSpinBox::valueChanged, this, [this](int K) {
        if (!updating_)
            chooseK(K);
    });
    connect(N_, &QSpinBox::valueChanged, this, [this](int N) {
        if (!updating_)
            chooseN(N);
    });

    rows_->setFocusPolicy(Qt::NoFocus);
    resize(640, 560);
    present(reading_);
}

std::optional<lottery::DrawTable> TablePreview::choose() {
    if (exec() != QDialog::Accepted || !reading_.usable())
        return std::nullopt;
    return reading_;
}

void TablePreview::chooseColumns(int first, int last) {
    choice_.firstColumn = first;
    choice_.lastColumn = last;
    choice_.K.reset(); // the columns tell K
    reread();
}

void TablePreview::chooseK(int K) {
    // The columns stay: a K below the numbers of the lines refuses them with the reason (or,
    // over unnamed columns, takes the first K and says so) rather than dropping numbers unseen.
    choice_.K = K;
    reread();
}

void TablePreview::chooseN(int N) {
    choice_.N = N;
    reread();
}

void TablePreview::chooseEra(Era era) {
    if (!rangeChange_)
        return;
    choice_.firstLine.reset();
    choice_.lastLine.reset();
    if (era == Era::BeforeChange)
        choice_.lastLine = rangeChange_->line - 1;
    else if (era == Era::FromChange)
        choice_.firstLine = rangeChange_->line;
    choice_.N.reset(); // each part tells its own N
    reread();
}

void TablePreview::reread() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    reading_ = lottery::ReadDrawTable(
        std::string_view(bytes_.constData(), static_cast<std::size_t>(bytes_.size())), choice_);
    QGuiApplication::restoreOverrideCursor();
    present(reading_);
}

void TablePreview::present(const lottery::DrawTable& table) {
    updating_ = true;
    error_->setText(Text(table.error));
    error_->setVisible(!table.usable());
    fillRows(table);
    fillColumnChoices(table);
    fillEraChoices(table);
    if (table.shape.isValid()) {
        K_->setValue(table.shape.K);
        N_->setValue(table.shape.N);
    }
    order_->setText(table.usable() ? Text(lottery::OrderText(table)) : QStringLiteral("—"));
    drawCount_->setText(QStringLiteral("%1 (строк заголовка: %2)")
                            .arg(QString::fromStdString(
                                wording::GroupedNumber(static_cast<long long>(table.draws.size()))))
                            .arg(table.headerLines));
    std::string notes;
    // notKept: notes of the kind the reader counted without keeping them.
    const auto append = [&](const std::vector<lottery::TableNote>& list, const char* kind,
                            std::size_t notKept) {
        // Neighbouring lines with one reason (those outside the chosen part, say) are one note.
        std::size_t i = 0;
        for (std::size_t shown = 0; i < list.size() && shown < kNotesShown; ++shown) {
            std::size_t end = i + 1;
            while (end < list.size() && list[end].line == list[end - 1].line + 1 &&
                   list[end].text == list[i].text)
                ++end;
            notes += (end - i > 1 ? "строки " + std::to_string(list[i].line) + "–" +
                                        std::to_string(list[end - 1].line)
                                  : "строка " + std::to_string(list[i].line)) +
                     ": " + kind + list[i].text + "\n";
            i = end;
        }
        if (i < list.size() || notKept > 0)
            notes += "… и ещё " + std::to_string(list.size() - i + notKept) + "\n";
    };
    notes += lottery::ShapeRemarks(table);
    append(table.refused, "", 0);
    append(table.warnings, "внимание: ", table.warningsNotKept);
    notes_->setPlainText(notes.empty() ? QStringLiteral("нет") : Text(notes));
    import_->setEnabled(table.usable());
    updating_ = false;
}

void TablePreview::fillRows(const lottery::DrawTable& table) {
    const int columns = table.columnCount;
    std::vector<const lottery::TableRow*> shown;
    for (const auto& row : table.firstRows)
        shown.push_back(&row);
    for (const auto& row : table.lastRows)
        shown.push_back(&row);
    const bool gap = !table.lastRows.empty() && !table.firstRows.empty() &&
                     table.lastRows.front().line > table.firstRows.back().line + 1;
    rows_->clear();
    rows_->setColumnCount(columns);
    rows_->setRowCount(static_cast<int>(shown.size()) + (gap ? 1 : 0));
    QStringList titles;
    for (int c = 0; c < columns; ++c)
        titles << (static_cast<std::size_t>(c) < table.columnNames.size() &&
                           !table.columnNames[static_cast<std::size_t>(c)].empty()
                       ? Text(table.columnNames[static_cast<std::size_t>(c)])
                       : QString::number(c + 1));
    rows_->setHorizontalHeaderLabels(titles);
    QStringList lineNumbers;
    int r = 0;
    const QColor taken(255, 244, 190), notTaken(235, 235, 235);
    std::map<std::size_t, std::string> refused;
    for (const lottery::TableNote& note : table.refused)
        refused.emplace(note.line, note.text);
    for (const lottery::TableRow* row : shown) {
        // A line not taken is greyed, its reason in the tooltip of each of its cells.
        const auto reason = refused.find(row->line);
        if (gap && row == &table.lastRows.front()) {
            lineNumbers << QStringLiteral("…");
            ++r;
        }
        lineNumbers << QString::number(row->line);
        for (int c = 0; c < columns && static_cast<std::size_t>(c) < row->fields.size(); ++c) {
            auto* item = new QTableWidgetItem(Text(row->fields[static_cast<std::size_t>(c)]));
            if (reason != refused.end()) {
                item->setBackground(notTaken);
                item->setForeground(Qt::darkGray);
                item->setToolTip(QStringLiteral("не взята: ") + Text(reason->second));
            } else if (c >= table.firstColumn && c <= table.lastColumn) {
                item->setBackground(taken);
            }
            rows_->setItem(r, c, item);
        }
        ++r;
    }
    rows_->setVerticalHeaderLabels(lineNumbers);
    rows_->resizeColumnsToContents();
}

void TablePreview::fillColumnChoices(const lottery::DrawTable& table) {
    firstColumn_->clear();
    lastColumn_->clear();
    for (int c = 0; c < table.columnCount; ++c) {
        const QString name = static_cast<std::size_t>(c) < table.columnNames.size() &&
                                     !table.columnNames[static_cast<std::size_t>(c)].empty()
                                 ? QStringLiteral("%1 «%2»").arg(c + 1).arg(
                                       Text(table.columnNames[static_cast<std::size_t>(c)]))
                                 : QString::number(c + 1);
        firstColumn_->addItem(name);
        lastColumn_->addItem(name);
    }
    // The user's columns stay chosen even when they give nothing to import.
    firstColumn_->setCurrentIndex(choice_.firstColumn.value_or(table.firstColumn));
    lastColumn_->setCurrentIndex(choice_.lastColumn.value_or(table.lastColumn));
}

void TablePreview::fillEraChoices(const lottery::DrawTable& table) {
    // The change is seen only with all the lines read; while one part is shown it stays known.
    if (!choice_.firstLine && !choice_.lastLine) {
        rangeChange_ = table.rangeChange;
        orderOfAllLines_ = table.order;
    }
    form_->setRowVisible(era_, rangeChange_.has_value());
    if (!rangeChange_)
        return;
    // The parts are named by lines; where the order is known, also by time, since a table
    // newest first has the later rules above.
    const QString line = QString::number(rangeChange_->line);
    const bool known = orderOfAllLines_ != lottery::TableOrder::AsListed;
    const bool newestFirst = orderOfAllLines_ == lottery::TableOrder::NewestFirst;
    const auto when = [&](bool above) {
        return !known                 ? QString()
               : above == newestFirst ? QStringLiteral(", новые тиражи")
                                      : QStringLiteral(", старые тиражи");
    };
    era_->clear();
    era_->addItem(QStringLiteral("все строки"));
    era_->addItem(QStringLiteral("до строки %1 (числа 1..%2%3)")
                      .arg(line)
                      .arg(rangeChange_->earlierTop)
                      .arg(when(true)));
    era_->addItem(QStringLiteral("со строки %1 (числа 1..%2%3)")
                      .arg(line)
                      .arg(rangeChange_->laterTop)
                      .arg(when(false)));
    era_->setCurrentIndex(static_cast<int>(choice_.lastLine    ? Era::BeforeChange
                                           : choice_.firstLine ? Era::FromChange
                                                               : Era::AllLines));
}
