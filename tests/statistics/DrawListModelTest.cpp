// The list of past draws: lines built from the document when asked for.
#include "statistics/DrawListModel.h"

#include "WindowTesting.h"
#include "lottery/LotteryDocument.h"

#include <QAbstractItemView>
#include <QSignalSpy>

namespace {

QAbstractItemModel& ListOf(const MainWindowFixture& f) {
    return *f.control<QAbstractItemView>("lbxAll")->model();
}

} // namespace

class DrawListModelTest : public QObject {
    Q_OBJECT
private slots:
    void linesAreTheDrawsInEntryOrderWithTwoBlanksAfterEach();
    void anAppendedDrawIsAnnouncedAsOneInsertedRow();
    void replacingTheListResetsTheModel();
    void itemsAreFifteenPixelsHigh();
};

void DrawListModelTest::linesAreTheDrawsInEntryOrderWithTwoBlanksAfterEach() {
    MainWindowFixture f(false);
    QAbstractItemModel& model = ListOf(f);
    f.addDraw({3, 17, 22, 30, 41, 45});
    f.addDraw({45, 1, 9, 8, 7, 6});
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("3  17  22  30  41  45  "));
    QCOMPARE(model.index(1, 0).data().toString(), QStringLiteral("45  1  9  8  7  6  "));
    QVERIFY(!model.index(2, 0).data().isValid());
}

void DrawListModelTest::anAppendedDrawIsAnnouncedAsOneInsertedRow() {
    MainWindowFixture f(false);
    QSignalSpy inserted(&ListOf(f), &QAbstractItemModel::rowsInserted);
    f.addDraw({1, 2, 3, 4, 5, 6});
    f.addDraw({7, 8, 9, 10, 11, 12});
    QCOMPARE(inserted.size(), 2);
    QCOMPARE(inserted.at(1).at(1).toInt(), 1);
    QCOMPARE(inserted.at(1).at(2).toInt(), 1);
}

void DrawListModelTest::replacingTheListResetsTheModel() {
    MainWindowFixture f(false);
    f.addDraw({1, 2, 3, 4, 5, 6});
    QSignalSpy reset(&ListOf(f), &QAbstractItemModel::modelReset);
    f.document().StartLottery({6, 49});
    QVERIFY(reset.size() >= 1);
    QCOMPARE(ListOf(f).rowCount(), 0);
}

void DrawListModelTest::itemsAreFifteenPixelsHigh() {
    MainWindowFixture f(false);
    f.addDraw({1, 2, 3, 4, 5, 6});
    QCOMPARE(ListOf(f).index(0, 0).data(Qt::SizeHintRole).toSize().height(), 15);
}

ZHREBIKON_UI_TEST_MAIN(DrawListModelTest)
#include "DrawListModelTest.moc"
