// The card of the draw-entry page driven through real clicks: marking, unmarking, the full
// card, adding a draw, the two modes and the page reset.
#include "PageFixture.h"
#include "widgets/GlyphButton.h"

#include <QLabel>
#include <QTest>

using art::GlyphKind;
using lottery::LotteryShape;

class DrawEntryPageTest : public QObject {
    Q_OBJECT
private slots:
    void controlsStandWhereThePageIsDrawn_data();
    void controlsStandWhereThePageIsDrawn();
    void numberButtonsFormASevenBySevenFieldInRowOrder();
    void numberButtonsAreNotTabStopsAndTheTabOrderIsTheDesignOne();
    void thePageStartsInRecordModeWithTheAddButtonDisabled();

    void fourOutOfNCardKeepsTheOrderOfMarking();
    void seventhClickInSixOutOfFortyNineChangesNothing();
    void clickingAMarkedBallUnmarksItAndDisablesTheAddButton();
    void everyNumberClickMovesTheFocusToTheHiddenFocusButton();

    void addingADrawRecordsItClearsTheCardAndMarksTheDocumentChanged();
    void afterDrawGlyphLastsUntilTheNumberIsComposedAgain();

    void modeSwitchesSetTheCaptionAndTheTextColours();
    void modeSwitchesKeepTheCardAndTheAddButtonState();

    void smallerLotteryHidesTheButtonsAboveN();
    void newLotteryWithAFullCardLeavesTheAddButtonDisabled();
};

void DrawEntryPageTest::controlsStandWhereThePageIsDrawn_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("visible");
    QTest::newRow("imgFon2") << "imgFon2" << QRect(0, 0, 450, 303) << true;
    QTest::newRow("imgTown") << "imgTown" << QRect(238, 5, 195, 294) << true;
    QTest::newRow("bbtTiraz") << "bbtTiraz" << QRect(7, 8, 105, 25) << true;
    QTest::newRow("bbtPlay") << "bbtPlay" << QRect(113, 8, 105, 25) << true;
    QTest::newRow("btnNewTiraz") << "btnNewTiraz" << QRect(7, 272, 211, 25) << true;
    QTest::newRow("btnContinue") << "btnContinue" << QRect(240, 272, 192, 25) << false;
    QTest::newRow("btnFocus") << "btnFocus" << QRect(24, 280, 15, 15) << true;
}

void DrawEntryPageTest::controlsStandWhereThePageIsDrawn() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(bool, visible);
    PageFixture fixture;
    auto* control = fixture.page->findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->isVisible(), visible);
}

void DrawEntryPageTest::numberButtonsFormASevenBySevenFieldInRowOrder() {
    PageFixture fixture;
    const auto buttons = fixture.page->findChildren<GlyphButton*>(
        QRegularExpression(QStringLiteral("^bbtNumber\\d+$")));
    QCOMPARE(buttons.size(), 49);
    // Created in row order: each button lies above (later in the stacking) the one before.
    const QObjectList& children = fixture.page->children();
    qsizetype previous = -1;
    for (int n = 1; n <= 49; ++n) {
        QPushButton* button = fixture.page->numberButton(n);
        QCOMPARE(button->objectName(), QStringLiteral("bbtNumber%1").arg(n));
        const int r = (n - 1) / 7 + 1;
        const int c = (n - 1) % 7 + 1;
        QCOMPARE(button->geometry(), QRect(c * 30 - 22, r * 30 + 18, 30, 30));
        QVERIFY(button->text().isEmpty());
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(fixture.glyphIs(n, GlyphKind::Plain));
        const qsizetype index = children.indexOf(button);
        QVERIFY(index > previous);
        previous = index;
    }
    QCOMPARE(fixture.page->numberButton(1)->geometry().left(), 8);
    QCOMPARE(fixture.page->numberButton(49)->geometry().bottomRight(), QPoint(217, 257));
}

void DrawEntryPageTest::numberButtonsAreNotTabStopsAndTheTabOrderIsTheDesignOne() {
    PageFixture fixture;
    for (int n = 1; n <= 49; ++n)
        QVERIFY(!(fixture.page->numberButton(n)->focusPolicy() & Qt::TabFocus));
    DrawEntryPage& page = *fixture.page;
    fixture.page->btnContinueClick();
    page.continueButton()->show();
    page.newTirazButton()->setEnabled(true);
    const QList<QWidget*> expected = {page.tirazButton(), page.playButton(), page.focusButton(),
                                      page.newTirazButton(), page.continueButton()};
    QWidget* widget = expected.first();
    for (qsizetype i = 1; i < expected.size(); ++i) {
        widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus))
            widget = widget->nextInFocusChain();
        QCOMPARE(widget->objectName(), expected[i]->objectName());
    }
}

void DrawEntryPageTest::thePageStartsInRecordModeWithTheAddButtonDisabled() {
    PageFixture fixture;
    DrawEntryPage& page = *fixture.page;
    QCOMPARE(page.newTirazButton()->text(), QStringLiteral("Добавить  тираж"));
    QVERIFY(!page.newTirazButton()->isEnabled());
    QVERIFY(!page.playMode());
    QCOMPARE(page.tirazButton()->text(), QStringLiteral("Тираж"));
    QCOMPARE(page.playButton()->text(), QStringLiteral("Розыгрыш"));
    QCOMPARE(page.tirazButton()->textColour(), QColor(0, 0, 0));
    QCOMPARE(page.playButton()->textColour(), QColor(0x80, 0x80, 0x80));
    QCOMPARE(page.tirazButton()->font().pixelSize(), 12);
    QCOMPARE(page.continueButton()->text(), QStringLiteral("Далее ..."));
    for (int m = 1; m <= 7; ++m) {
        QVERIFY(!page.ballPicture(m)->isVisible());
        QVERIFY(!page.ballLabel(m)->isVisible());
        QCOMPARE(page.ballPicture(m)->size(), QSize(105, 105));
        QCOMPARE(page.ballLabel(m)->width(), 25);
        QCOMPARE(page.ballLabel(m)->font().pointSize(), 16);
        QCOMPARE(page.ballLabel(m)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    }
}

void DrawEntryPageTest::fourOutOfNCardKeepsTheOrderOfMarking() {
    PageFixture fixture(1, LotteryShape{4, 36});
    fixture.clickAll({5, 10, 20, 10, 30});
    QCOMPARE(fixture.cardNumbers(), (std::vector<int>{5, 20, 30}));
    QVERIFY(fixture.document.cardSet().contains(20));
    QVERIFY(!fixture.document.cardSet().contains(10));
    QVERIFY(fixture.glyphIs(10, GlyphKind::Plain));
    QVERIFY(!fixture.page->newTirazButton()->isEnabled());

    fixture.click(33);
    QVERIFY(fixture.page->newTirazButton()->isEnabled());
    QVERIFY(fixture.glyphIs(33, GlyphKind::Selected));
    fixture.clickButton(fixture.page->newTirazButton());
    QCOMPARE(fixture.listedLines(), QStringList{QStringLiteral("5  20  30  33  ")});
    const lottery::DrawRecord& added = fixture.document.draws().back();
    QCOMPARE((std::vector<int>{added[0], added[1], added[2], added[3]}),
             (std::vector<int>{5, 20, 30, 33}));
}

void DrawEntryPageTest::seventhClickInSixOutOfFortyNineChangesNothing() {
    PageFixture fixture;
    fixture.clickAll({11, 22, 33, 44, 45, 46});
    QVERIFY(fixture.page->newTirazButton()->isEnabled());
    fixture.click(17);
    QCOMPARE(fixture.cardNumbers(), (std::vector<int>{11, 22, 33, 44, 45, 46}));
    QVERIFY(!fixture.document.cardSet().contains(17));
    QVERIFY(fixture.glyphIs(17, GlyphKind::Plain));
    QVERIFY(fixture.page->newTirazButton()->isEnabled());
    QCOMPARE(fixture.page->focusWidget(), fixture.page->focusButton());
}

void DrawEntryPageTest::clickingAMarkedBallUnmarksItAndDisablesTheAddButton() {
    PageFixture fixture;
    fixture.clickAll({11, 22, 33, 44, 45, 46});
    fixture.click(33);
    QCOMPARE(fixture.cardNumbers(), (std::vector<int>{11, 22, 44, 45, 46}));
    QVERIFY(fixture.glyphIs(33, GlyphKind::Plain));
    QVERIFY(!fixture.page->newTirazButton()->isEnabled());
    // The same button is recognised again at once.
    fixture.click(33);
    QCOMPARE(fixture.cardNumbers(), (std::vector<int>{11, 22, 44, 45, 46, 33}));
    QVERIFY(fixture.glyphIs(33, GlyphKind::Selected));
    QVERIFY(fixture.page->newTirazButton()->isEnabled());
}

void DrawEntryPageTest::everyNumberClickMovesTheFocusToTheHiddenFocusButton() {
    PageFixture fixture;
    fixture.page->tirazButton()->setFocus();
    fixture.click(3);
    QCOMPARE(fixture.page->focusWidget(), fixture.page->focusButton());
    fixture.page->playButton()->setFocus();
    fixture.click(3);
    QCOMPARE(fixture.page->focusWidget(), fixture.page->focusButton());
    // It lies under the add button, so it is never seen.
    const QObjectList& children = fixture.page->children();
    QVERIFY(children.indexOf(fixture.page->focusButton()) <
            children.indexOf(fixture.page->newTirazButton()));
    QVERIFY(fixture.page->newTirazButton()->geometry().contains(
        fixture.page->focusButton()->geometry()));
}

void DrawEntryPageTest::addingADrawRecordsItClearsTheCardAndMarksTheDocumentChanged() {
    PageFixture fixture;
    fixture.clickAll({3, 17, 22, 30, 41, 45});
    QVERIFY(!fixture.document.changed());
    fixture.clickButton(fixture.page->newTirazButton());
    QCOMPARE(fixture.document.drawCount(), 1);
    QCOMPARE(fixture.listedLines(), QStringList{QStringLiteral("3  17  22  30  41  45  ")});
    QVERIFY(fixture.document.changed());
    QCOMPARE(fixture.document.cardCount(), 0);
    QVERIFY(!fixture.page->newTirazButton()->isEnabled());
    for (const int n : {17, 22, 30, 41, 45})
        QVERIFY2(fixture.glyphIs(n, GlyphKind::AfterDraw), qPrintable(QString::number(n)));
    // Statistics recomputed at once: every number drawn has come out once.
    for (const int n : {3, 17, 22, 30, 41, 45})
        QCOMPARE(fixture.document.stats()[static_cast<std::size_t>(n)].frequency, 1);
    QCOMPARE(fixture.document.stats()[4].frequency, 0);
    QVERIFY(fixture.page->townPicture()->isVisible());
}

void DrawEntryPageTest::afterDrawGlyphLastsUntilTheNumberIsComposedAgain() {
    PageFixture fixture;
    fixture.clickAll({23, 1, 2, 4, 5, 6});
    fixture.clickButton(fixture.page->newTirazButton());
    QVERIFY(fixture.glyphIs(23, GlyphKind::AfterDraw));
    QVERIFY(!fixture.glyphIs(23, GlyphKind::Plain));
    fixture.click(23);
    QVERIFY(fixture.glyphIs(23, GlyphKind::Selected));
    fixture.click(23);
    QVERIFY(fixture.glyphIs(23, GlyphKind::Plain));
}

void DrawEntryPageTest::modeSwitchesSetTheCaptionAndTheTextColours() {
    PageFixture fixture;
    DrawEntryPage& page = *fixture.page;
    fixture.clickButton(page.playButton());
    QCOMPARE(page.newTirazButton()->text(), QStringLiteral("Провести розыгрыш"));
    QVERIFY(page.playMode());
    QCOMPARE(page.playButton()->textColour(), QColor(0, 0, 0));
    QCOMPARE(page.tirazButton()->textColour(), QColor(0x80, 0x80, 0x80));
    QCOMPARE(page.focusWidget(), page.focusButton());

    fixture.clickButton(page.tirazButton());
    QCOMPARE(page.newTirazButton()->text(), QStringLiteral("Добавить тираж"));
    QVERIFY(!page.playMode());
    QCOMPARE(page.tirazButton()->textColour(), QColor(0, 0, 0));
    QCOMPARE(page.playButton()->textColour(), QColor(0x80, 0x80, 0x80));
    QCOMPARE(page.focusWidget(), page.focusButton());
}

void DrawEntryPageTest::modeSwitchesKeepTheCardAndTheAddButtonState() {
    PageFixture fixture;
    fixture.clickAll({1, 2, 3, 4, 5, 6});
    fixture.clickButton(fixture.page->playButton());
    QCOMPARE(fixture.cardNumbers(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    QVERIFY(fixture.page->newTirazButton()->isEnabled());
    fixture.click(6);
    fixture.clickButton(fixture.page->tirazButton());
    QCOMPARE(fixture.cardNumbers(), (std::vector<int>{1, 2, 3, 4, 5}));
    QVERIFY(!fixture.page->newTirazButton()->isEnabled());
}

void DrawEntryPageTest::smallerLotteryHidesTheButtonsAboveN() {
    PageFixture fixture;
    fixture.clickAll({12, 13});
    fixture.startLottery(LotteryShape{6, 20});
    for (int n = 1; n <= 49; ++n) {
        QCOMPARE(fixture.page->numberButton(n)->isVisible(), n <= 20);
        QVERIFY(fixture.glyphIs(n, GlyphKind::Plain));
    }
    // A hidden button cannot be clicked, and if its click came through it would be ignored.
    fixture.page->Action1Execute(fixture.page->numberButton(21));
    QCOMPARE(fixture.document.cardCount(), 0);
    fixture.startLottery(LotteryShape{6, 49});
    for (int n = 1; n <= 49; ++n)
        QVERIFY(fixture.page->numberButton(n)->isVisible());
}

void DrawEntryPageTest::newLotteryWithAFullCardLeavesTheAddButtonDisabled() {
    PageFixture fixture;
    fixture.clickAll({1, 2, 3, 4, 5, 6});
    QVERIFY(fixture.page->newTirazButton()->isEnabled());
    fixture.startLottery(LotteryShape{6, 49});
    QVERIFY(!fixture.page->newTirazButton()->isEnabled());
    QCOMPARE(fixture.document.cardCount(), 0);
    fixture.click(7);
    QCOMPARE(fixture.cardNumbers(), std::vector<int>{7});
}

QTEST_MAIN(DrawEntryPageTest)
#include "DrawEntryPageTest.moc"
