#include "dialogs/FrmEditDraw.h"

#include "BallGlyph.h"
#include "DialogTesting.h"
#include "FakeAppearance.h"
#include "widgets/GlyphButton.h"

#include <QPushButton>
#include <QTest>

using lottery::DrawRecord;

class FrmEditDrawTest : public QObject {
    Q_OBJECT

    FakeAppearance appearance_;

    static bool Shows(const FrmEditDraw& dialog, int n, art::GlyphKind kind) {
        return dialog.numberButton(n)->glyph() == art::ComposeBallGlyph(n, kind);
    }
    static void Click(const FrmEditDraw& dialog, int n) {
        QTest::mouseClick(dialog.numberButton(n), Qt::LeftButton);
    }

private slots:
    void initTestCase() {
        appearance_.tile = DistinctTile(3);
        appearance_.title = QColor(0x80, 0, 0);
    }

    void marksTheDrawInItsOrderAndConfirmsOnlyWithKNumbers() {
        const DrawRecord draw{3, 17, 22, 30, 41, 45, 99};
        FrmEditDraw dialog({6, 49}, draw, appearance_);
        for (int n = 1; n <= 49; ++n) {
            const bool inDraw = std::find(draw.begin(), draw.begin() + 6, n) != draw.begin() + 6;
            QVERIFY(Shows(dialog, n, inDraw ? art::GlyphKind::Selected : art::GlyphKind::Plain));
        }
        QVERIFY(dialog.okButton()->isEnabled());
        Click(dialog, 17);
        QVERIFY(Shows(dialog, 17, art::GlyphKind::Plain));
        QVERIFY(!dialog.okButton()->isEnabled());
        Click(dialog, 5);
        Click(dialog, 6); // a seventh number is ignored, as on the card
        QCOMPARE(dialog.drawLine()->text(), QStringLiteral("3  22  30  41  45  5"));
        const int result =
            ExecWith(dialog, [&] { QTest::mouseClick(dialog.okButton(), Qt::LeftButton); });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(dialog.draw(), (DrawRecord{3, 22, 30, 41, 45, 5, 99}));
        // Follows the main window like the other dialogs.
        QCOMPARE(FontColourOf(dialog.drawLine()), appearance_.title);
        const QImage background = PictureOf(dialog.findChild<QLabel*>(QStringLiteral("imgFon")));
        QCOMPARE(background, ExpectedTiling(appearance_.tile, dialog.size()));
    }

    void aDrawWithARepeatedOrStrayNumberCannotBeConfirmedUntilMended() {
        FrmEditDraw dialog({3, 10}, DrawRecord{4, 4, 12, 0, 0, 0, 0}, appearance_);
        QCOMPARE(dialog.marked(), (std::vector<int>{4}));
        QVERIFY(!dialog.okButton()->isEnabled());
        QTest::keyClicks(&dialog, QStringLiteral("4 1,2 ")); // the typed 4 is refused
        QCOMPARE(dialog.marked(), (std::vector<int>{4, 1, 2}));
        QVERIFY(dialog.okButton()->isEnabled());
        QTest::keyClick(&dialog, Qt::Key_Backspace);
        QCOMPARE(dialog.marked(), (std::vector<int>{4, 1}));
        QVERIFY(!dialog.okButton()->isEnabled());
        const int result = ExecWith(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); });
        QCOMPARE(result, int(QDialog::Rejected));
    }
};

QTEST_MAIN(FrmEditDrawTest)
#include "FrmEditDrawTest.moc"
