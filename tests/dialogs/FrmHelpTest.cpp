#include "dialogs/FrmHelp.h"

#include "DialogTesting.h"
#include "FakeAppearance.h"
#include "Pictures.h"
#include "widgets/FontSetup.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class FrmHelpTest : public QObject {
    Q_OBJECT

private:
    static QLabel* label(FrmHelp& dialog, const char* name) {
        return dialog.findChild<QLabel*>(QString::fromLatin1(name));
    }

private slots:
    void initTestCase() { InstallFontSubstitutes(); }

    void helpAfterPatchworkAndANewTitleColourShowsBoth() {
        const art::Pictures& pictures = art::Pictures::instance();
        QVERIFY(!pictures.plasterTile().isNull());
        QVERIFY(pictures.plasterTile() != pictures.patchworkTile());
        FakeAppearance appearance;
        appearance.tile = pictures.plasterTile();
        FrmHelp dialog(appearance);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.hide();

        appearance.tile = pictures.patchworkTile();
        appearance.title = QColor(0x20, 0x60, 0xC0);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        const QImage expected =
            ExpectedTiling(appearance.tile.convertToFormat(QImage::Format_RGB32), QSize(342, 187));
        QCOMPARE(PictureOf(label(dialog, "imgFon")), expected);
        // What is on screen: corners and the gaps no control covers.
        const QImage shown = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (const QPoint point :
             {QPoint(0, 0), QPoint(1, 100), QPoint(340, 60), QPoint(341, 186), QPoint(4, 185)}) {
            QCOMPARE(shown.pixel(point), expected.pixel(point));
        }
        for (const char* name : {"lbl1", "lbl2", "lbl3"}) {
            QCOMPARE(FontColourOf(label(dialog, name)), appearance.title);
        }
        QVERIFY(FontColourOf(dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))) !=
                appearance.title);
    }

    void theTileIsLaidFiveByThreeAndCutAtTheEdge() {
        FakeAppearance appearance;
        appearance.tile = DistinctTile(7);
        FrmHelp dialog(appearance);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QImage picture = PictureOf(label(dialog, "imgFon"));
        QCOMPARE(picture.size(), QSize(342, 187));
        // Fifth column starts at 324, third row at 162.
        QCOMPARE(picture.pixel(324, 162), appearance.tile.pixel(0, 0));
        QCOMPARE(picture.pixel(341, 186), appearance.tile.pixel(17, 24));
    }

    void theThreeLabelsCarryOneTextBrokenInMidSentence() {
        FakeAppearance appearance;
        FrmHelp dialog(appearance);
        const QString whole = label(dialog, "lbl1")->text() + QLatin1Char(' ') +
                              label(dialog, "lbl2")->text() + QLatin1Char(' ') +
                              label(dialog, "lbl3")->text();
        QCOMPARE(whole,
                 QStringLiteral(
                     "Программа \"Жребикон\" предназначена для ведения статистики практически "
                     "любых вариантов лотерей (таких как \"Спортлото\", \"Лотто Миллион\" и "
                     "других). Также Вы можете создать свой вариант лотереи и розыгрывать ее в "
                     "кругу семьи, друзей или на детском празднике. Для этого на вкладке "
                     "\"Добавить тираж\" следует нажать кнопку \"Розыгрыш\". После заполнения "
                     "карточки можете проводить тираж. При активной кнопке \"Тираж\", номера с "
                     "заполненной карточки заносятся в базу данных о прошедших тиражах."));
        for (const char* name : {"lbl1", "lbl2", "lbl3"}) {
            const QLabel* text = label(dialog, name);
            QVERIFY(text->font().bold());
            QVERIFY(text->wordWrap());
            QVERIFY(text->alignment() & Qt::AlignHCenter);
            QVERIFY(!text->autoFillBackground());
        }
    }

    void controlsStandWhereTheFormPlacesThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::newRow("imgFon") << QStringLiteral("imgFon") << QRect(0, 0, 342, 187);
        QTest::newRow("lbl1") << QStringLiteral("lbl1") << QRect(2, 8, 337, 73);
        QTest::newRow("lbl2") << QStringLiteral("lbl2") << QRect(2, 73, 337, 72);
        QTest::newRow("lbl3") << QStringLiteral("lbl3") << QRect(2, 138, 337, 17);
        QTest::newRow("btnOK") << QStringLiteral("btnOK") << QRect(8, 159, 327, 23);
    }
    void controlsStandWhereTheFormPlacesThem() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        FakeAppearance appearance;
        FrmHelp dialog(appearance);
        const auto* widget = dialog.findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), place);
    }

    void theWindowIsFixedAndUsvoenoClosesIt() {
        FakeAppearance appearance;
        appearance.tile = DistinctTile(3);
        FrmHelp dialog(appearance);
        QCOMPARE(dialog.windowTitle(), QStringLiteral(" Помощь"));
        QCOMPARE(dialog.minimumSize(), QSize(342, 187));
        QCOMPARE(dialog.maximumSize(), QSize(342, 187));
        QCOMPARE(dialog.font().pixelSize(), 11);
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("btnOK"));
        QCOMPARE(ok->text(), QStringLiteral("усвоено"));
        QVERIFY(ok->font().bold());
        QCOMPARE(ok->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(ExecWith(dialog, [&] { QTest::mouseClick(ok, Qt::LeftButton); }),
                 int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        // Enter presses "усвоено" only while it has the focus.
        QCOMPARE(ExecWith(dialog,
                          [&] {
                              ok->clearFocus();
                              QTest::keyClick(&dialog, Qt::Key_Return);
                          }),
                 -1);
        QCOMPARE(ExecWith(dialog, [&] { QTest::keyClick(ok, Qt::Key_Return); }),
                 int(QDialog::Accepted));
    }
};

QTEST_MAIN(FrmHelpTest)
#include "FrmHelpTest.moc"
