#include "statistics/StatisticsPage.h"

#include "Pictures.h"
#include "Transparency.h"
#include "lottery/LotteryDocument.h"
#include "session/LotterySession.h"
#include "statistics/DrawListBox.h"
#include "statistics/DrawListModel.h"
#include "widgets/FontSetup.h"
#include "widgets/StringGrid.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QShowEvent>
#include <QSlider>

namespace {

constexpr int kPageWidth = 450;
constexpr int kPageHeight = 303;
constexpr int kTitleColumnWidth = 130;
constexpr int kNumberColumnWidth = 20;
constexpr int kLargeRowHeight = 18;
constexpr int kRankingColumnWidth = 30;
constexpr int kRankingRowHeight = 20;
constexpr int kBlankedColumns = 50;
const QString kEmptySlot = QStringLiteral("*");
const QString kTwoBlanks = QStringLiteral("  ");

QString Number(std::int32_t value) {
    return QString::number(value);
}

int LargeGridColumns(int N) {
    return N > 7 ? N + 1 : 8;
}

} // namespace

StatisticsPage::StatisticsPage(lottery::LotteryDocument& document, QWidget* parent)
    : QWidget(parent), document_(document), imgFon1_(new QLabel(this)),
      lbxAll_(new DrawListBox(this)), drawList_(new DrawListModel(document, this)),
      trcNumber_(new QSlider(Qt::Horizontal, this)), lblNumber_(new QLabel(this)),
      grdNumber_(nullptr), grdAll_(nullptr), grdChashe_(nullptr), grdReje_(nullptr) {
    setObjectName(QStringLiteral("TabSheet1"));
    setFixedSize(kPageWidth, kPageHeight);
    setFont(ProgramFont(12));

    imgFon1_->setObjectName(QStringLiteral("imgFon1"));
    imgFon1_->setGeometry(0, 0, kPageWidth, kPageHeight);

    titles_[0] = addTitle("Label1", QStringLiteral("Таблица по всем номерам:"), 184, 119);
    titles_[1] = addTitle("Label2", QStringLiteral("Таблица по выбранному номеру:"), 184, 41);
    titles_[2] = addTitle("Label3", QStringLiteral("Прошедшие тиражи:"), 10, 5);
    titles_[3] = addTitle("Label4", QStringLiteral("Номера, выпадающие:"), 10, 260);
    titles_[3]->setWordWrap(true);
    titles_[3]->setGeometry(10, 260, 95, 31);
    titles_[3]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    titles_[4] = addTitle("Label6", QStringLiteral("- чаще всего"), 118, 260);
    titles_[5] = addTitle("Label7", QStringLiteral("- реже всего"), 286, 260);

    lbxAll_->setObjectName(QStringLiteral("lbxAll"));
    lbxAll_->setGeometry(9, 20, 160, 229);
    lbxAll_->setFont(ProgramFont(12));
    lbxAll_->setItemHeight(15);
    lbxAll_->setModel(drawList_);

    trcNumber_->setObjectName(QStringLiteral("trcNumber"));
    trcNumber_->setGeometry(178, 6, 239, 29);
    trcNumber_->setRange(1, lottery::LotteryShape::kMaxN);
    trcNumber_->setValue(1);
    trcNumber_->setTickPosition(QSlider::TicksBelow);
    trcNumber_->setTickInterval(1);
    trcNumber_->setSingleStep(1);
    trcNumber_->setPageStep(5);
    trcNumber_->setCursor(Qt::PointingHandCursor);
    trcNumber_->setFocusPolicy(Qt::StrongFocus);
    connect(trcNumber_, &QSlider::valueChanged, this, &StatisticsPage::trcNumberChange);

    auto* imgBall = new QLabel(this);
    imgBall->stackUnder(lblNumber_); // the number is written on the ball
    imgBall->setObjectName(QStringLiteral("imgBall"));
    imgBall->setGeometry(418, 4, 26, 26);
    imgBall->setPixmap(art::TransparentPixmap(art::Pictures::instance().ball()));

    lblNumber_->setObjectName(QStringLiteral("lblNumber"));
    lblNumber_->setGeometry(420, 9, 22, 19);
    lblNumber_->setAlignment(Qt::AlignCenter);
    QFont numberFont = ProgramFont(13);
    numberFont.setBold(true);
    lblNumber_->setFont(numberFont);
    QPalette numberPalette = lblNumber_->palette();
    numberPalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    lblNumber_->setPalette(numberPalette);
    lblNumber_->setText(QStringLiteral("1"));

    grdNumber_ = addLargeGrid("grdNumber", QRect(182, 56, 260, 59), 2);
    grdAll_ = addLargeGrid("grdAll", QRect(182, 134, 260, 114), 5);
    grdChashe_ = addRankingGrid("grdChashe", QRect(113, 275, 160, 21));
    grdReje_ = addRankingGrid("grdReje", QRect(281, 275, 160, 21));
    // The charts are reached from here, which nothing in the page's captions tells.
    for (StringGrid* grid : {grdNumber_, grdAll_, grdChashe_, grdReje_})
        grid->setToolTip(QStringLiteral(
            "Правая кнопка мыши или F3 — диаграммы: частота, давность и пары номеров."));

    setTabOrder(trcNumber_, grdNumber_);
    setTabOrder(grdNumber_, grdAll_);
    setTabOrder(grdAll_, lbxAll_);
    setTabOrder(lbxAll_, grdChashe_);
    setTabOrder(grdChashe_, grdReje_);
}

QLabel* StatisticsPage::addTitle(const char* name, const QString& text, int x, int y) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = ProgramFont(13);
    font.setBold(true);
    font.setItalic(true);
    label->setFont(font);
    label->move(x, y);
    label->adjustSize();
    return label;
}

StringGrid* StatisticsPage::addLargeGrid(const char* name, QRect geometry, int rows) {
    auto* grid = new StringGrid(this);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setFont(ProgramFont(12));
    grid->setGeometry(geometry);
    grid->setRowCount(rows);
    grid->setColCount(LargeGridColumns(lottery::LotteryShape::kMaxN));
    grid->setFixedCols(1);
    grid->setColWidth(0, kTitleColumnWidth);
    grid->setDefaultColWidth(kNumberColumnWidth);
    grid->setDefaultRowHeight(kLargeRowHeight);
    grid->setScrollBarShown(true);
    grid->setCurrentCell(1, 0);
    return grid;
}

StringGrid* StatisticsPage::addRankingGrid(const char* name, QRect geometry) {
    auto* grid = new StringGrid(this);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setFont(ProgramFont(12));
    grid->setGeometry(geometry);
    grid->setRowCount(1);
    grid->setColCount(5);
    grid->setFixedCols(0);
    grid->setDefaultColWidth(kRankingColumnWidth);
    grid->setDefaultRowHeight(kRankingRowHeight);
    grid->setScrollBarShown(false);
    grid->setCurrentCell(0, 0);
    return grid;
}

void StatisticsPage::setBackground(const QImage& picture) {
    imgFon1_->setPixmap(QPixmap::fromImage(picture));
}

void StatisticsPage::setTableBackColour(const QColor& colour) {
    for (StringGrid* grid : {grdNumber_, grdAll_, grdChashe_, grdReje_})
        grid->setBackColour(colour);
    QPalette pal = lbxAll_->palette();
    pal.setColor(QPalette::Base, colour);
    lbxAll_->setPalette(pal);
}

void StatisticsPage::setTableHeadColour(const QColor& colour) {
    grdNumber_->setFixedColour(colour);
    grdAll_->setFixedColour(colour);
}

void StatisticsPage::setTitleColour(const QColor& colour) {
    for (QLabel* label : titles_) {
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, colour);
        label->setPalette(pal);
    }
}

void StatisticsPage::setTableFontColour(const QColor& colour) {
    for (StringGrid* grid : {grdNumber_, grdAll_, grdChashe_, grdReje_})
        grid->setFontColour(colour);
    QPalette pal = lbxAll_->palette();
    pal.setColor(QPalette::Text, colour);
    lbxAll_->setPalette(pal);
}

void StatisticsPage::WriteRowTitles() {
    grdNumber_->setCell(0, 0, QStringLiteral(" С номером ..."));
    grdNumber_->setCell(0, 1, QStringLiteral(" Кол-во выпадений"));
    grdAll_->setCell(0, 0, QStringLiteral(" Номер"));
    grdAll_->setCell(0, 1, QStringLiteral(" Кол-во выпадений"));
    grdAll_->setCell(0, 2, QStringLiteral(" Чаще с номером"));
    grdAll_->setCell(0, 3, QStringLiteral(" Реже с номером"));
    grdAll_->setCell(0, 4, QStringLiteral(" Прошло тиражей"));
}

void StatisticsPage::TabSheet1Show() {
    const lottery::LotteryShape shape = document_.shape();
    const lottery::StatsTable& stats = document_.stats();
    const int N = shape.N;
    const int K = shape.K;

    for (int c = 1; c <= N; ++c) {
        const lottery::NumberStats& s = stats[static_cast<std::size_t>(c)];
        grdAll_->setCell(c, 0, Number(c));
        grdAll_->setCell(c, 1, Number(s.frequency));
        if (s.frequency > 0 && K > 1) {
            grdAll_->setCell(c, 2, Number(s.mostWith));
            grdAll_->setCell(c, 3, Number(s.leastWith));
        }
        grdNumber_->setCell(c, 0, Number(c));
    }

    const int p = trcNumber_->value();
    if (K > 1) {
        const auto& together = stats[static_cast<std::size_t>(p)].together;
        for (int c = 1; c <= N; ++c) {
            if (c != p)
                grdNumber_->setCell(c, 1, Number(together[static_cast<std::size_t>(c)]));
        }
    }

    const lottery::RankingSlots ranks = lottery::Rankings(stats, N);
    for (int s = 0; s < 5; ++s) {
        const int most = ranks.mostFrequent[static_cast<std::size_t>(s)];
        const int least = ranks.leastFrequent[static_cast<std::size_t>(s)];
        grdChashe_->setCell(s, 0, most == 0 ? kEmptySlot : Number(most));
        grdReje_->setCell(s, 0, least == 0 ? kEmptySlot : Number(least));
    }

    if (grdChashe_->cell(0, 0) != kEmptySlot) {
        for (int c = 1; c <= N; ++c)
            grdAll_->setCell(c, 4, Number(stats[static_cast<std::size_t>(c)].drawsSince));
    }
    FitNumberColumns();
}

void StatisticsPage::FitNumberColumns() {
    // Counts of three digits and more would run into the next cell: such a grid widens its
    // number columns alike, and keeps the chosen number in view.
    grdNumber_->fitColumnsToTexts(kNumberColumnWidth);
    grdAll_->fitColumnsToTexts(kNumberColumnWidth);
}

void StatisticsPage::trcNumberChange(int position) {
    const lottery::LotteryShape shape = document_.shape();
    const int N = shape.N;
    const int K = shape.K;
    const int p = position;
    lblNumber_->setText(Number(p));

    const auto& together = document_.stats()[static_cast<std::size_t>(p)].together;
    for (int c = 1; c <= N; ++c) {
        if (c == p || K < 2)
            grdNumber_->setCell(c, 1, kTwoBlanks);
        else
            grdNumber_->setCell(c, 1, Number(together[static_cast<std::size_t>(c)]));
    }

    FitNumberColumns();
    if (N > 6) {
        grdAll_->setLeftCol(p < N - 4 ? p : N - 5);
        grdAll_->showCol(p); // wider columns show fewer numbers than the rule counts on
    }
}

void StatisticsPage::ResetTables() {
    for (int c = 1; c <= kBlankedColumns; ++c) {
        for (int row = 0; row < 2; ++row)
            grdNumber_->setCell(c, row, QString());
        for (int row = 0; row < 5; ++row)
            grdAll_->setCell(c, row, QString());
    }
    FitNumberColumns();
}

void StatisticsPage::ApplyShape(lottery::LotteryShape shape) {
    // The columns first, so that a track bar pulled back scrolls within the new columns.
    grdNumber_->setColCount(LargeGridColumns(shape.N));
    grdAll_->setColCount(LargeGridColumns(shape.N));
    trcNumber_->setRange(1, shape.N);
}

void StatisticsPage::selectLastDraw() {
    const int last = drawList_->rowCount() - 1;
    if (last < 0)
        return;
    lbxAll_->clearSelection();
    lbxAll_->selectRow(last);
    lbxAll_->scrollToBottom();
}

void StatisticsPage::drawsReplaced() {
    drawList_->resetFromDocument();
}

void StatisticsPage::drawsEdited(int first, int removed, int inserted) {
    drawList_->drawsEdited(first, removed, inserted);
}

void StatisticsPage::addContextAction(QAction* action) {
    contextActions_.append(action);
}

void StatisticsPage::contextMenuEvent(QContextMenuEvent* event) {
    const QWidget* under = childAt(event->pos());
    const bool onList = under != nullptr && (under == lbxAll_ || lbxAll_->isAncestorOf(under));
    if (contextActions_.isEmpty() || onList) {
        event->ignore();
        return;
    }
    QMenu::exec(contextActions_, event->globalPos(), nullptr, this);
}

void StatisticsPage::followSession(session::LotterySession& session) {
    using session::LotterySession;
    connect(&session, &LotterySession::lotteryStarted, this, [this](lottery::LotteryShape shape) {
        ApplyShape(shape);
        ResetTables();
    });
    connect(&session, &LotterySession::drawsReplaced, this, &StatisticsPage::drawsReplaced);
    connect(&session, &LotterySession::drawsEdited, this,
            [this](int first, int removed, int inserted) {
                drawsEdited(first, removed, inserted);
                // As if the history had been entered this way: a number that no longer comes
                // out keeps none of its old partners and counts on screen.
                if (removed > 0)
                    ResetTables();
            });
    // A command done under the user's eyes shows at once; otherwise the page shows it when it
    // is next shown, as after adding a draw.
    connect(&session, &LotterySession::lotteryChanged, this, [this] {
        if (!isHidden())
            TabSheet1Show();
    });
}

void StatisticsPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Not when the window comes back from being minimised: nothing changed meanwhile.
    if (!event->spontaneous())
        TabSheet1Show();
}
