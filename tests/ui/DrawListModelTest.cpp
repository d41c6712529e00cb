// The list of past draws: lines built from the document when asked for.
#include "DrawListModel.h"

#include "LotteryDocument.h"
#include "UiTestSupport.h"

#include <QSignalSpy>

namespace {

void Add(lottery::LotteryDocument& document, std::initializer_list<int> numbers) {
    for (int n : numbers)
        document.MarkNumber(n);
    document.RecordCard();
}

// Forwards the document's list events to the model, as the main window does.
class ModelListener : public lottery::DocumentListener {
public:
    DrawListModel* model = nullptr;
    void drawsReplaced() override { model->resetFromDocument(); }
    void drawsEdited(int first, int removed, int inserted) override {
        model->drawsEdited(first, removed, inserted);
    }
};

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
    ModelListener listener;
    lottery::LotteryDocument document(&listener);
    DrawListModel model(document);
    listener.model = &model;
    Add(document, {3, 17, 22, 30, 41, 45});
    Add(document, {45, 1, 9, 8, 7, 6});
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.index(0).data().toString(), QStringLiteral("3  17  22  30  41  45  "));
    QCOMPARE(model.index(1).data().toString(), QStringLiteral("45  1  9  8  7  6  "));
    QVERIFY(!model.index(2).data().isValid());
}

void DrawListModelTest::anAppendedDrawIsAnnouncedAsOneInsertedRow() {
    ModelListener listener;
    lottery::LotteryDocument document(&listener);
    DrawListModel model(document);
    listener.model = &model;
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    Add(document, {1, 2, 3, 4, 5, 6});
    Add(document, {7, 8, 9, 10, 11, 12});
    QCOMPARE(inserted.size(), 2);
    QCOMPARE(inserted.at(1).at(1).toInt(), 1);
    QCOMPARE(inserted.at(1).at(2).toInt(), 1);
}

void DrawListModelTest::replacingTheListResetsTheModel() {
    ModelListener listener;
    lottery::LotteryDocument document(&listener);
    DrawListModel model(document);
    listener.model = &model;
    Add(document, {1, 2, 3, 4, 5, 6});
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    document.StartLottery({6, 49});
    QVERIFY(reset.size() >= 1);
    QCOMPARE(model.rowCount(), 0);
}

void DrawListModelTest::itemsAreFifteenPixelsHigh() {
    ModelListener listener;
    lottery::LotteryDocument document(&listener);
    DrawListModel model(document);
    listener.model = &model;
    Add(document, {1, 2, 3, 4, 5, 6});
    QCOMPARE(model.index(0).data(Qt::SizeHintRole).toSize().height(), 15);
}

ZHREBIKON_UI_TEST_MAIN(DrawListModelTest)
#include "DrawListModelTest.moc"
