// The preview of a draw table: what it shows, the user's changes re-read the table, and only
// "Импортировать" gives a reading.
#include "dialogs/TablePreview.h"

#include "tables/DrawTableReader.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <numeric>
#include <random>
#include <tuple>

class TablePreviewTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheReadingAndFollowsTheUsersChanges();
    void thePartAfterARangeChangeImportsExactlyItsLines();
};

void TablePreviewTest::showsTheReadingAndFollowsTheUsersChanges() {
    const QByteArray text("Date,Num1,Num2,Num3,Bonus\n2020-01-01,1,5,9,4\n2020-01-08,2,6,10,3\n"
                          "2020-01-15,3,7\n2020-01-22,4,8,12,1\n");
    TablePreview preview(text, lottery::ReadDrawTable(text.toStdString()));
    const auto* import = preview.findChild<QPushButton*>(QStringLiteral("btnImport"));
    QCOMPARE(preview.findChild<QSpinBox*>(QStringLiteral("spnK"))->value(), 3);
    QCOMPARE(preview.findChild<QLabel*>(QStringLiteral("lblDrawCount"))->text().left(2),
             QStringLiteral("3 "));
    QCOMPARE(preview.findChild<QTableWidget*>(QStringLiteral("grdTableRows"))->rowCount(), 4);
    QVERIFY(preview.findChild<QPlainTextEdit*>(QStringLiteral("txtTableNotes"))
                ->toPlainText()
                .contains(QStringLiteral("строка 4: ")));
    // The line not taken is marked in the sample, its reason at hand.
    auto* grid = preview.findChild<QTableWidget*>(QStringLiteral("grdTableRows"));
    QVERIFY(grid->item(2, 1)->toolTip().startsWith(QStringLiteral("не взята: ")));
    QVERIFY(grid->item(1, 1)->toolTip().isEmpty());
    QVERIFY(import->isEnabled());
    QVERIFY(preview.findChild<QComboBox*>(QStringLiteral("cmbEra"))->isHidden()); // one range

    // The bonus column taken too: four numbers; the date column alone: nothing to import.
    preview.findChild<QComboBox*>(QStringLiteral("cmbLastColumn"))->setCurrentIndex(4);
    QCOMPARE(preview.reading().shape.K, 4);
    preview.findChild<QComboBox*>(QStringLiteral("cmbFirstColumn"))->setCurrentIndex(0);
    preview.findChild<QComboBox*>(QStringLiteral("cmbLastColumn"))->setCurrentIndex(0);
    QVERIFY(!preview.reading().usable());
    QVERIFY(!import->isEnabled());
    QVERIFY(!preview.findChild<QLabel*>(QStringLiteral("lblTableError"))->isHidden());

    preview.findChild<QComboBox*>(QStringLiteral("cmbLastColumn"))->setCurrentIndex(3);
    preview.findChild<QComboBox*>(QStringLiteral("cmbFirstColumn"))->setCurrentIndex(1);
    preview.findChild<QSpinBox*>(QStringLiteral("spnN"))->setValue(30);
    QCOMPARE(preview.reading().shape, (lottery::LotteryShape{3, 30}));

    // Nothing found: the rows and the columns are still there to choose by hand.
    const QByteArray words("a,b\nc,d\n");
    TablePreview byHand(words, lottery::ReadDrawTable(words.toStdString()));
    QVERIFY(!byHand.reading().usable());
    QCOMPARE(byHand.findChild<QComboBox*>(QStringLiteral("cmbFirstColumn"))->count(), 2);
    QCOMPARE(byHand.findChild<QTableWidget*>(QStringLiteral("grdTableRows"))->rowCount(), 2);

    QTimer::singleShot(0, &preview, &QDialog::reject);
    QVERIFY(!preview.choose().has_value());
    QTimer::singleShot(0, &preview, &QDialog::accept);
    const auto chosen = preview.choose();
    QVERIFY(chosen.has_value());
    QCOMPARE(chosen->shape, (lottery::LotteryShape{3, 30}));
    QCOMPARE(chosen->draws.size(), std::size_t{3});
}

void TablePreviewTest::thePartAfterARangeChangeImportsExactlyItsLines() {
    // A 5-number lottery whose range grew (oldest first) or shrank (newest first, by draw
    // number); the draw beside the change on the wider side reaches its top, so the change is
    // at the line where the second part begins.
    std::mt19937 random(11);
    for (const auto& [firstTop, secondTop, newestFirst] :
         {std::tuple{36, 45, false}, std::tuple{45, 36, true}}) {
        constexpr int kPerPart = 150;
        const char separator = newestFirst ? ';' : ',';
        QByteArray text(newestFirst ? "Nr;A;B;C;D;E\n" : "a,b,c,d,e\n");
        std::vector<lottery::DrawRecord> secondPart;
        for (int row = 0; row < 2 * kPerPart; ++row) {
            const int top = row < kPerPart ? firstTop : secondTop;
            std::vector<int> pool(static_cast<std::size_t>(top));
            std::iota(pool.begin(), pool.end(), 1);
            std::shuffle(pool.begin(), pool.end(), random);
            if (row == (firstTop > secondTop ? kPerPart - 1 : kPerPart))
                std::iter_swap(pool.begin(), std::find(pool.begin(), pool.end(), top));
            lottery::DrawRecord draw{};
            std::copy_n(pool.begin(), 5, draw.begin());
            text += newestFirst ? QByteArray::number(2 * kPerPart - row) + separator : "";
            for (int p = 0; p < 5; ++p)
                text += QByteArray::number(pool[std::size_t(p)]) + (p < 4 ? separator : '\n');
            if (row >= kPerPart)
                secondPart.insert(newestFirst ? secondPart.begin() : secondPart.end(), draw);
        }
        TablePreview preview(text, lottery::ReadDrawTable(text.toStdString()));
        auto* era = preview.findChild<QComboBox*>(QStringLiteral("cmbEra"));
        era->setCurrentIndex(2); // the rows shown follow
        QCOMPARE(preview.findChild<QTableWidget*>()->verticalHeaderItem(0)->text(),
                 QString::number(kPerPart + 2));
        QTimer::singleShot(0, &preview, &QDialog::accept);
        const auto chosen = preview.choose();
        QVERIFY(chosen.has_value());
        QCOMPARE(chosen->shape, (lottery::LotteryShape{5, std::uint8_t(secondTop)}));
        QCOMPARE(chosen->draws, secondPart);
    }
}

QTEST_MAIN(TablePreviewTest)
#include "TablePreviewTest.moc"
