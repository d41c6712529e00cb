// Draw tables through the file commands: Open and the preview make an unnamed lottery, an
// updated table adds only its new draws, and Save As to a table writes a copy and nothing else.
#include "WindowTesting.h"
#include "tables/DrawTableReader.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QTemporaryDir>

namespace {

void WriteText(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// Opens path through "Открыть" and answers the preview with the button of that name, then a
// question on an updated table with Enter (which adds the new draws).
void OpenTable(MainWindowFixture& f, const QString& path, const char* button, bool update = false) {
    f.dialogs.openPaths.push_back(path);
    WhenModalShows([button, update](QWidget* preview) {
        preview->findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
        if (update)
            WhenModalShows([](QWidget* question) { QTest::keyClick(question, Qt::Key_Return); });
    });
    f.window->mnuOpenClick();
}

} // namespace

class TableCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void aTableComesInThroughThePreviewAndGoesOutAsACopy();
};

void TableCommandsTest::aTableComesInThroughThePreviewAndGoesOutAsACopy() {
    QTemporaryDir dir;
    const QString older = dir.filePath(QStringLiteral("older.csv"));
    const QString newer = dir.filePath(QStringLiteral("newer.txt"));
    WriteText(older, "Datum;Zahl 1;Zahl 2;Zahl 3\n08.01.2020;4;5;9\n01.01.2020;1;2;3\n");
    WriteText(newer, "Datum;Zahl 1;Zahl 2;Zahl 3\n15.01.2020;7;8;6\n08.01.2020;9;5;4\n"
                     "01.01.2020;1;2;3\n");
    MainWindowFixture f;
    f.addDraw({1, 2, 3, 4, 5, 6});
    const QString title = f.window->windowTitle();

    OpenTable(f, older, "btnCancel");
    QCOMPARE(f.document().drawCount(), 1);
    QCOMPARE(f.window->windowTitle(), title);

    OpenTable(f, older, "btnImport");
    QCOMPARE(f.document().shape(), (lottery::LotteryShape{3, 9}));
    QCOMPARE(f.document().drawCount(), 2);
    QVERIFY(!f.document().named());
    QVERIFY(f.control<QAction>("mnuSave")->isEnabled());
    QCOMPARE(f.window->windowTitle(), FrmMain::TitleFor("Безымянный"));

    // Save first? Yes, as a database (no table copy is offered there). Then the new draw only.
    f.dialogs.answers = {ConfirmAnswer::Yes};
    const QString kept = dir.filePath(QStringLiteral("kept.dat"));
    f.dialogs.savePaths.push_back(kept);
    OpenTable(f, newer, "btnImport", true);
    QCOMPARE(f.document().drawCount(), 3);
    QCOMPARE(f.document().draws()[1][0], 4); // kept as it was, not replaced by "9;5;4"
    QCOMPARE(f.document().draws()[2][0], 7);
    // From the menu, a table copy: the lottery keeps its file and its changes.
    f.dialogs.savePaths.push_back(dir.filePath(QStringLiteral("copy.csv")));
    f.window->mnuSaveAsClick();
    QCOMPARE(QString::fromStdString(f.document().filePath()), kept);
    QVERIFY(f.document().changed());
    QFile copy(dir.filePath(QStringLiteral("copy.csv")));
    QVERIFY(copy.open(QIODevice::ReadOnly));
    const lottery::DrawTable exported = lottery::ReadDrawTable(copy.readAll().toStdString());
    QCOMPARE(exported.draws.size(), std::size_t{3});
    QCOMPARE(exported.draws[1][0], 4);
}

ZHREBIKON_UI_TEST_MAIN(TableCommandsTest)
#include "TableCommandsTest.moc"
