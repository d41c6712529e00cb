#include "dialogs/FrmNew.h"

#include "DialogTesting.h"
#include "FakeAppearance.h"
#include "widgets/FontSetup.h"

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

using lottery::LotteryShape;

class FrmNewTest : public QObject {
    Q_OBJECT

private:
    FakeAppearance appearance_;
    // What the last opening answered.
    LotteryShape shape_;
    bool accepted_ = false;

    // Opens the dialog as the New command does.
    int askWith(FrmNew& dialog, std::function<void()> whileOpen) {
        const std::optional<LotteryShape> answer =
            RunWith(dialog, std::move(whileOpen), [&dialog] { return dialog.askShape(); });
        accepted_ = answer.has_value();
        if (answer)
            shape_ = *answer;
        return dialog.result();
    }

    QSlider* bar(FrmNew& dialog, const char* name) {
        return dialog.findChild<QSlider*>(QString::fromLatin1(name));
    }
    QString labelText(FrmNew& dialog, const char* name) {
        return dialog.findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    QPushButton* button(FrmNew& dialog, const char* name) {
        return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    // Keys on a track bar, the way a user steps it.
    void press(QSlider* slider, Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i) {
            QTest::keyClick(slider, key);
        }
    }
    int confirm(FrmNew& dialog) {
        return askWith(dialog,
                       [&] { QTest::mouseClick(button(dialog, "Button1"), Qt::LeftButton); });
    }

private slots:
    void initTestCase() {
        InstallFontSubstitutes();
        appearance_.tile = DistinctTile(0);
    }
    void init() {
        shape_ = LotteryShape{};
        accepted_ = false;
    }

    void confirmingAtOnceStartsSixOutOfFortySevenNotTheCurrentLottery() {
        FrmNew dialog(appearance_);
        QCOMPARE(confirm(dialog), int(QDialog::Accepted));
        QCOMPARE(int(shape_.K), 6);
        QCOMPARE(int(shape_.N), 47);
        QVERIFY(accepted_);
    }

    void labelsStartWithTheirDesignTexts() {
        FrmNew dialog(appearance_);
        QCOMPARE(labelText(dialog, "lblKolvoNum"), QStringLiteral("6"));
        QCOMPARE(labelText(dialog, "lblKolvoIz"), QStringLiteral("47"));
        QCOMPARE(bar(dialog, "trcKolvoIz")->minimum(), 7);
        QCOMPARE(bar(dialog, "trcKolvoNum")->maximum(), 7);
    }

    void kAtOneLetsNGoDownToTwoThenNAtFiveLimitsKToFour() {
        FrmNew dialog(appearance_);
        QSlider* k = bar(dialog, "trcKolvoNum");
        QSlider* n = bar(dialog, "trcKolvoIz");
        const int result = askWith(dialog, [&] {
            press(k, Qt::Key_Home);
            QCOMPARE(k->value(), 1);
            QCOMPARE(n->minimum(), 2);
            QCOMPARE(n->value(), 47);
            press(n, Qt::Key_Home);
            QCOMPARE(n->value(), 2);
            QCOMPARE(k->maximum(), 1);
            press(n, Qt::Key_Right, 3);
            QCOMPARE(n->value(), 5);
            QCOMPARE(k->maximum(), 4);
            press(k, Qt::Key_End);
            QCOMPARE(k->value(), 4);
            QCOMPARE(labelText(dialog, "lblKolvoNum"), QStringLiteral("4"));
            QCOMPARE(labelText(dialog, "lblKolvoIz"), QStringLiteral("5"));
            QTest::mouseClick(button(dialog, "Button1"), Qt::LeftButton);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(int(shape_.K), 4);
        QCOMPARE(int(shape_.N), 5);
    }

    void kAtSevenRaisesTheLowestNToEight() {
        FrmNew dialog(appearance_);
        QSlider* k = bar(dialog, "trcKolvoNum");
        QSlider* n = bar(dialog, "trcKolvoIz");
        press(k, Qt::Key_End);
        QCOMPARE(k->value(), 7);
        QCOMPARE(n->minimum(), 8);
        press(n, Qt::Key_Home);
        QCOMPARE(n->value(), 8);
        QCOMPARE(labelText(dialog, "lblKolvoIz"), QStringLiteral("8"));
        QCOMPARE(k->maximum(), 7);
    }

    void nSetsTheHighestK_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("highestK");
        QTest::newRow("49 allows 7") << 49 << 7;
        QTest::newRow("8 allows 7") << 8 << 7;
        QTest::newRow("7 allows 6") << 7 << 6;
        QTest::newRow("5 allows 4") << 5 << 4;
        QTest::newRow("2 allows 1") << 2 << 1;
    }
    void nSetsTheHighestK() {
        QFETCH(int, n);
        QFETCH(int, highestK);
        FrmNew dialog(appearance_);
        bar(dialog, "trcKolvoNum")->setValue(1);
        bar(dialog, "trcKolvoIz")->setValue(n);
        QCOMPARE(bar(dialog, "trcKolvoNum")->maximum(), highestK);
        QCOMPARE(bar(dialog, "trcKolvoIz")->value(), n);
    }

    void kSetsTheLowestN_data() {
        QTest::addColumn<int>("k");
        QTest::newRow("1") << 1;
        QTest::newRow("3") << 3;
        QTest::newRow("7") << 7;
    }
    void kSetsTheLowestN() {
        QFETCH(int, k);
        FrmNew dialog(appearance_);
        bar(dialog, "trcKolvoNum")->setValue(k);
        QCOMPARE(bar(dialog, "trcKolvoIz")->minimum(), k + 1);
        QCOMPARE(bar(dialog, "trcKolvoIz")->maximum(), 49);
    }

    void aNewLimitNeverMovesTheOtherThumbOrItsLabel() {
        FrmNew dialog(appearance_);
        QSlider* k = bar(dialog, "trcKolvoNum");
        QSlider* n = bar(dialog, "trcKolvoIz");
        QSignalSpy kMoves(k, &QSlider::valueChanged);
        press(n, Qt::Key_Home); // down to 7: K's limit becomes 6, where K already is
        QCOMPARE(n->value(), 7);
        QCOMPARE(k->maximum(), 6);
        QCOMPARE(k->value(), 6);
        QCOMPARE(kMoves.count(), 0);
        QCOMPARE(labelText(dialog, "lblKolvoNum"), QStringLiteral("6"));

        QSignalSpy nMoves(n, &QSlider::valueChanged);
        press(k, Qt::Key_Home);
        QCOMPARE(k->value(), 1);
        QCOMPARE(n->value(), 7);
        QCOMPARE(nMoves.count(), 0);
        QCOMPARE(labelText(dialog, "lblKolvoIz"), QStringLiteral("7"));
    }

    void pageKeysStepNByFive() {
        FrmNew dialog(appearance_);
        QSlider* n = bar(dialog, "trcKolvoIz");
        press(n, Qt::Key_PageDown);
        QCOMPARE(n->value(), 42);
        QCOMPARE(labelText(dialog, "lblKolvoIz"), QStringLiteral("42"));
    }

    void positionsChosenInOneOpeningAreProposedAtTheNext() {
        FrmNew dialog(appearance_);
        askWith(dialog, [&] {
            bar(dialog, "trcKolvoNum")->setValue(3);
            bar(dialog, "trcKolvoIz")->setValue(20);
            QTest::mouseClick(button(dialog, "Button1"), Qt::LeftButton);
        });
        shape_ = LotteryShape{};
        accepted_ = false;

        // A cancelled opening keeps what was moved in it as well.
        askWith(dialog, [&] {
            QCOMPARE(bar(dialog, "trcKolvoNum")->value(), 3);
            QCOMPARE(bar(dialog, "trcKolvoIz")->value(), 20);
            QCOMPARE(labelText(dialog, "lblKolvoNum"), QStringLiteral("3"));
            QCOMPARE(labelText(dialog, "lblKolvoIz"), QStringLiteral("20"));
            bar(dialog, "trcKolvoIz")->setValue(30);
            QTest::mouseClick(button(dialog, "Button2"), Qt::LeftButton);
        });
        QCOMPARE(confirm(dialog), int(QDialog::Accepted));
        QCOMPARE(int(shape_.K), 3);
        QCOMPARE(int(shape_.N), 30);
    }

    void closingWithoutConfirmingChangesNothing_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("отмена") << QStringLiteral("button");
        QTest::newRow("Escape") << QStringLiteral("escape");
        QTest::newRow("close box") << QStringLiteral("close");
    }
    void closingWithoutConfirmingChangesNothing() {
        QFETCH(QString, way);
        FrmNew dialog(appearance_);
        const int result = askWith(dialog, [&] {
            bar(dialog, "trcKolvoNum")->setValue(2);
            bar(dialog, "trcKolvoIz")->setValue(10);
            if (way == QLatin1String("button")) {
                QTest::mouseClick(button(dialog, "Button2"), Qt::LeftButton);
            } else if (way == QLatin1String("escape")) {
                // Pressed on the focused bar, which leaves Escape to the window.
                QTest::keyClick(bar(dialog, "trcKolvoNum"), Qt::Key_Escape);
            } else {
                dialog.close();
            }
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(shape_, LotteryShape{});
        QVERIFY(!accepted_);
    }

    void enterPressesOnlyTheFocusedButton_data() {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result"); // -1: the dialog stayed open
        QTest::newRow("Enter on K") << QStringLiteral("trcKolvoNum") << int(Qt::Key_Return) << -1;
        QTest::newRow("Enter on готово")
            << QStringLiteral("Button1") << int(Qt::Key_Return) << int(QDialog::Accepted);
        QTest::newRow("Enter on отмена")
            << QStringLiteral("Button2") << int(Qt::Key_Return) << int(QDialog::Rejected);
        QTest::newRow("Escape on готово")
            << QStringLiteral("Button1") << int(Qt::Key_Escape) << int(QDialog::Rejected);
    }
    void enterPressesOnlyTheFocusedButton() {
        QFETCH(QString, focused);
        QFETCH(int, key);
        QFETCH(int, result);
        FrmNew dialog(appearance_);
        QCOMPARE(askWith(dialog,
                         [&] {
                             auto* target = dialog.findChild<QWidget*>(focused);
                             target->setFocus();
                             QTest::keyClick(target, Qt::Key(key));
                         }),
                 result);
        QCOMPARE(accepted_, result == QDialog::Accepted);
    }

    void showingLaysTheTileFourByTwoAndColoursTheFourTexts() {
        FrmNew dialog(appearance_);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const auto* background = dialog.findChild<QLabel*>(QStringLiteral("imgFon3"));
        QCOMPARE(PictureOf(background), ExpectedTiling(appearance_.tile, QSize(273, 156)));
        dialog.hide();

        FakeAppearance changed;
        changed.tile = DistinctTile(101);
        changed.title = QColor(0x80, 0, 0x40);
        FrmNew second(changed);
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QCOMPARE(PictureOf(second.findChild<QLabel*>(QStringLiteral("imgFon3"))),
                 ExpectedTiling(changed.tile, QSize(273, 156)));
        for (const char* name : {"Label1", "Label2", "lblKolvoIz", "lblKolvoNum"}) {
            QCOMPARE(FontColourOf(second.findChild<QLabel*>(QString::fromLatin1(name))),
                     changed.title);
        }
        // Nothing in the window covers its top-left corner: the grab shows the tile there.
        QCOMPARE(second.grab().toImage().pixel(2, 2), changed.tile.pixel(2, 2));
    }

    void controlsStandWhereTheFormPlacesThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::newRow("imgFon3") << QStringLiteral("imgFon3") << QRect(0, 0, 273, 156);
        QTest::newRow("trcKolvoNum") << QStringLiteral("trcKolvoNum") << QRect(8, 24, 217, 29);
        QTest::newRow("lblKolvoNum") << QStringLiteral("lblKolvoNum") << QRect(238, 22, 22, 22);
        QTest::newRow("trcKolvoIz") << QStringLiteral("trcKolvoIz") << QRect(8, 80, 217, 29);
        QTest::newRow("lblKolvoIz") << QStringLiteral("lblKolvoIz") << QRect(238, 78, 22, 22);
        QTest::newRow("Button1") << QStringLiteral("Button1") << QRect(55, 120, 75, 25);
        QTest::newRow("Button2") << QStringLiteral("Button2") << QRect(143, 120, 75, 25);
    }
    void controlsStandWhereTheFormPlacesThem() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        FrmNew dialog(appearance_);
        const auto* widget = dialog.findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), place);
    }

    void windowAndControlsLookAsDesigned() {
        FrmNew dialog(appearance_);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Новая статистика"));
        QCOMPARE(dialog.minimumSize(), QSize(273, 156));
        QCOMPARE(dialog.maximumSize(), QSize(273, 156));
        QCOMPARE(dialog.font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(dialog.font().pixelSize(), 11);
        // The design names are drawn with the installed metric-compatible face.
        QCOMPARE(QFontInfo(dialog.font()).family(), QStringLiteral("Liberation Sans"));

        const auto* label1 = dialog.findChild<QLabel*>(QStringLiteral("Label1"));
        QCOMPARE(label1->text(), QStringLiteral("Количество отгадываемых номеров:"));
        QCOMPARE(label1->pos(), QPoint(16, 8));
        QVERIFY(label1->font().bold());
        const auto* label2 = dialog.findChild<QLabel*>(QStringLiteral("Label2"));
        QCOMPARE(label2->text(), QStringLiteral("Общее количество номеров:"));
        QCOMPARE(label2->pos(), QPoint(16, 64));
        QVERIFY(label2->font().bold());

        for (const char* name : {"lblKolvoNum", "lblKolvoIz"}) {
            const auto* value = dialog.findChild<QLabel*>(QString::fromLatin1(name));
            QCOMPARE(value->font().family(), QStringLiteral("Arial Cyr"));
            QCOMPARE(value->font().pixelSize(), 19);
            QCOMPARE(QFontInfo(value->font()).family(), QStringLiteral("Liberation Sans"));
            QVERIFY(value->font().bold());
            QCOMPARE(value->alignment(), Qt::AlignCenter);
            QVERIFY(!value->autoFillBackground());
        }
        for (const char* name : {"trcKolvoNum", "trcKolvoIz"}) {
            QSlider* slider = bar(dialog, name);
            QCOMPARE(slider->tickPosition(), QSlider::TicksBelow);
            QCOMPARE(slider->tickInterval(), 1);
            QCOMPARE(slider->singleStep(), 1);
            QCOMPARE(slider->cursor().shape(), Qt::PointingHandCursor);
        }
        QCOMPARE(bar(dialog, "trcKolvoIz")->pageStep(), 5);
        QCOMPARE(button(dialog, "Button1")->text(), QStringLiteral("готово"));
        QCOMPARE(button(dialog, "Button2")->text(), QStringLiteral("отмена"));
        QVERIFY(button(dialog, "Button1")->font().bold());
        QVERIFY(button(dialog, "Button2")->font().bold());
    }
};

QTEST_MAIN(FrmNewTest)
#include "FrmNewTest.moc"
