#include "dialogs/FrmAbout.h"

#include "DialogTesting.h"
#include "FakeAppearance.h"
#include "RecordingUrlOpener.h"
#include "widgets/FontSetup.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class FrmAboutTest : public QObject {
    Q_OBJECT

private:
    FakeAppearance appearance_;

    static QLabel* label(FrmAbout& dialog, const QString& name) {
        return dialog.findChild<QLabel*>(name);
    }

private slots:
    void initTestCase() {
        InstallFontSubstitutes();
        appearance_.tile = DistinctTile(11);
        appearance_.title = QColor(0x00, 0x80, 0x00);
    }

    void clickingALinkOpensItAndLeavesTheWindowOpen_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("scheme");
        QTest::newRow("e-mail") << QStringLiteral("lbl4") << QStringLiteral("mailto:");
        QTest::newRow("web") << QStringLiteral("lbl7") << QStringLiteral("http://");
    }
    void clickingALinkOpensItAndLeavesTheWindowOpen() {
        QFETCH(QString, link);
        QFETCH(QString, scheme);
        RecordingUrlOpener urls;
        FrmAbout dialog(appearance_, urls);
        QLabel* target = label(dialog, link);
        bool stillOpen = false;
        const int result = ExecWith(dialog, [&] {
            QTest::mouseClick(target, Qt::LeftButton);
            stillOpen = dialog.isVisible();
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("OKButton")),
                              Qt::LeftButton);
        });
        QVERIFY(stillOpen);
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(urls.opened.size(), 1);
        QCOMPARE(urls.opened.first(), QUrl(scheme + target->text()));
        QVERIFY(urls.opened.first().isValid());
    }

    void pressingOffTheLinkAndReleasingOnItOpensNothing() {
        RecordingUrlOpener urls;
        FrmAbout dialog(appearance_, urls);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QLabel* link = label(dialog, QStringLiteral("lbl4"));
        QTest::mouseRelease(link, Qt::LeftButton);
        QTest::mousePress(link, Qt::LeftButton);
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(link->width() + 5, 2));
        QVERIFY(urls.opened.isEmpty());
        QTest::mouseClick(link, Qt::RightButton);
        QVERIFY(urls.opened.isEmpty());
    }

    void linksAreBlueBoldUnderlinedWithAHandCursor() {
        RecordingUrlOpener urls;
        FrmAbout dialog(appearance_, urls);
        dialog.show(); // the title colour must not reach them
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (const QString& name : {QStringLiteral("lbl4"), QStringLiteral("lbl7")}) {
            const QLabel* link = label(dialog, name);
            QCOMPARE(FontColourOf(link), QColor(0, 0, 255));
            QVERIFY(link->font().bold());
            QVERIFY(link->font().underline());
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY(!link->text().isEmpty());
            // The address must stay clear of the OK button beside it.
            QVERIFY2(link->geometry().right() < 240, qPrintable(link->text()));
        }
        QVERIFY(label(dialog, QStringLiteral("lbl4"))->text().contains(QLatin1Char('@')));
    }

    void showingLaysTheTileFourByThreeAndColoursTheTexts() {
        RecordingUrlOpener urls;
        FakeAppearance appearance;
        appearance.tile = DistinctTile(40);
        FrmAbout dialog(appearance, urls);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.hide();
        appearance.tile = DistinctTile(90);
        appearance.title = QColor(0xC0, 0x10, 0x10);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QImage expected = ExpectedTiling(appearance.tile, QSize(316, 219));
        QCOMPARE(PictureOf(label(dialog, QStringLiteral("imgFon"))), expected);
        const QImage shown = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (const QPoint point : {QPoint(2, 2), QPoint(315, 218), QPoint(170, 60)}) {
            QCOMPARE(shown.pixel(point), expected.pixel(point));
        }
        for (const char* name : {"lbl1", "lbl2", "lbl3", "lbl5", "lbl6"}) {
            QCOMPARE(FontColourOf(label(dialog, QString::fromLatin1(name))), appearance.title);
        }
    }

    void theLogoIsStretchedIntoTheProgramIcon() {
        RecordingUrlOpener urls;
        FrmAbout dialog(appearance_, urls);
        const QLabel* icon = label(dialog, QStringLiteral("ProgramIcon"));
        QVERIFY(icon->hasScaledContents());
        QVERIFY(!icon->pixmap().isNull());
        QCOMPARE(icon->pixmap().size(), QSize(150, 113));
    }

    void theBevelIsARaisedLineAtItsTop() {
        RecordingUrlOpener urls;
        FrmAbout dialog(appearance_, urls);
        QWidget* bevel = dialog.findChild<QWidget*>(QStringLiteral("Bevel1"));
        const QImage drawn = bevel->grab().toImage();
        const QPalette palette = bevel->palette();
        QCOMPARE(drawn.pixel(60, 0), palette.color(QPalette::Light).rgb());
        QCOMPARE(drawn.pixel(60, 1), palette.color(QPalette::Dark).rgb());
        QVERIFY(palette.color(QPalette::Light) != palette.color(QPalette::Dark));
    }

    void controlsStandWhereTheFormPlacesThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::newRow("imgFon") << QStringLiteral("imgFon") << QRect(0, 0, 316, 219);
        QTest::newRow("ProgramIcon") << QStringLiteral("ProgramIcon") << QRect(11, 11, 150, 113);
        QTest::newRow("lbl1") << QStringLiteral("lbl1") << QRect(188, 8, 113, 49);
        QTest::newRow("lbl2") << QStringLiteral("lbl2") << QRect(186, 67, 111, 38);
        QTest::newRow("Bevel1") << QStringLiteral("Bevel1") << QRect(184, 123, 121, 6);
        QTest::newRow("lbl3") << QStringLiteral("lbl3") << QRect(8, 136, 297, 33);
        QTest::newRow("OKButton") << QStringLiteral("OKButton") << QRect(240, 182, 62, 24);
    }
    void controlsStandWhereTheFormPlacesThem() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        RecordingUrlOpener urls;
        FrmAbout dialog(appearance_, urls);
        const auto* widget = dialog.findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), place);
    }

    void smallLabelsStandAtTheirPoints_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QString>("text");
        QTest::newRow("lbl6") << QStringLiteral("lbl6") << QPoint(10, 178)
                              << QStringLiteral("Наш e-mail:");
        QTest::newRow("lbl4") << QStringLiteral("lbl4") << QPoint(82, 178) << QString();
        QTest::newRow("lbl5") << QStringLiteral("lbl5") << QPoint(10, 194)
                              << QStringLiteral("Наш адрес:");
        QTest::newRow("lbl7") << QStringLiteral("lbl7") << QPoint(82, 194) << QString();
    }
    void smallLabelsStandAtTheirPoints() {
        QFETCH(QString, name);
        QFETCH(QPoint, point);
        QFETCH(QString, text);
        RecordingUrlOpener urls;
        FrmAbout dialog(appearance_, urls);
        const QLabel* small = label(dialog, name);
        QCOMPARE(small->pos(), point);
        QVERIFY(small->font().bold());
        if (!text.isEmpty()) {
            QCOMPARE(small->text(), text);
        }
    }

    void textsAndWindowLookAsDesigned() {
        RecordingUrlOpener urls;
        FrmAbout dialog(appearance_, urls);
        QCOMPARE(dialog.windowTitle(), QStringLiteral(" О программе"));
        QCOMPARE(dialog.minimumSize(), QSize(316, 219));
        QCOMPARE(dialog.maximumSize(), QSize(316, 219));
        const QLabel* name = label(dialog, QStringLiteral("lbl1"));
        QCOMPARE(name->text(), QStringLiteral("\"Жребикон\" Версия  1.0"));
        QCOMPARE(name->font().pixelSize(), 15);
        QVERIFY(name->font().bold());
        QVERIFY(name->wordWrap());
        const QLabel* maker = label(dialog, QStringLiteral("lbl2"));
        QVERIFY(maker->text().contains(QStringLiteral("Velkora")));
        QVERIFY(maker->text().contains(QStringLiteral("2026")));
        QCOMPARE(label(dialog, QStringLiteral("lbl3"))->text(),
                 QStringLiteral("Будем очень благодарны за Ваши отклики и пожелания по поводу "
                                "данной программы."));
        QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->isDefault());
        QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("OKButton"))->font().bold());
    }

    void enterClosesTheWindowWithOk() {
        RecordingUrlOpener urls;
        FrmAbout dialog(appearance_, urls);
        QCOMPARE(ExecWith(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Return); }),
                 int(QDialog::Accepted));
        QVERIFY(urls.opened.isEmpty());
    }
};

QTEST_MAIN(FrmAboutTest)
#include "FrmAboutTest.moc"
