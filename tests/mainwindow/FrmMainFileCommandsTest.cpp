// New, Open, Save, Save As and closing, with scripted answers to the confirmation and file
// dialogs.
#include "WindowTesting.h"
#include "statistics/StatisticsPage.h"
#include "widgets/StringGrid.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>

namespace {

const QString kTitlePrefix = QStringLiteral(" \"Нумерариум\"  от  Velkora  -  ");
const QString kAskDiscard = QStringLiteral("Сохранить изменения?");
const QString kAskExit = QStringLiteral("Сохранить изменения перед выходом?");

QAction* Save(MainWindowFixture& f) {
    return f.control<QAction>("mnuSave");
}

int ListLines(MainWindowFixture& f) {
    return f.control<QAbstractItemView>("lbxAll")->model()->rowCount();
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class FrmMainFileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void newAsksToSaveAndCancellingTheDialogKeepsTheDraw();
    void newWithoutChangesAsksNothing();
    void confirmedNewEmptiesTheListAndTitlesTheWindowUnnamed();
    void saveAsWritesTheFileAndTitlesTheWindowWithItsName();
    void saveAsCancelledChangesNothing();
    void saveOnAnUnnamedDocumentBecomesSaveAs();
    void saveOnANamedDocumentRewritesItAndKeepsTheTitle();
    void f2WithNothingChangedDoesNothing();
    void f2WithChangesSaves();
    void openReplacesDrawsAndTitlesTheWindow();
    void openAsksFirstWhenThereAreUnsavedDraws();
    void openCancelledChangesNothing();
    void failedOpenLeavesDocumentAndTitleUnchanged_data();
    void failedOpenLeavesDocumentAndTitleUnchanged();
    void failedSaveAsKeepsSaveEnabledAndTheOldName();
    void closingWithUnsavedDrawsAsksAndSavesOnYes();
    void closingWithUnsavedDrawsAndNoClosesWithoutSaving();
    void closingWithoutUnsavedDrawsAsksNothing();
    void aFailingSaveWhileClosingKeepsTheWindowOpen();
    void exitClosesTheWindow();
    void cardAndHomeDrawAreResetByOpen();
};

void FrmMainFileCommandsTest::newAsksToSaveAndCancellingTheDialogKeepsTheDraw() {
    MainWindowFixture f;
    f.addDraw({1, 2, 3, 4, 5, 6});
    QVERIFY(Save(f)->isEnabled());
    f.dialogs.answers = {ConfirmAnswer::No};
    f.window->mnuNewClick(); // frmNew is cancelled: nextShape is empty
    QCOMPARE(f.dialogs.questions, QStringList{kAskDiscard});
    QCOMPARE(f.frmNew->shown, 1);
    QCOMPARE(f.document().drawCount(), 1);
    QCOMPARE(ListLines(f), 1);
    QVERIFY(Save(f)->isEnabled());
    QCOMPARE(f.window->windowTitle(), QStringLiteral(" \"Жребикон\"  от  Velkora  -  Безымянный"));
}

void FrmMainFileCommandsTest::newWithoutChangesAsksNothing() {
    MainWindowFixture f;
    f.newLottery(5, 36);
    QVERIFY(f.dialogs.questions.isEmpty());
    QCOMPARE(f.document().shape(), (lottery::LotteryShape{5, 36}));
}

void FrmMainFileCommandsTest::confirmedNewEmptiesTheListAndTitlesTheWindowUnnamed() {
    QTemporaryDir dir;
    MainWindowFixture f;
    f.dialogs.savePaths = {dir.filePath("draws.dat")};
    f.window->mnuSaveAsClick();
    f.addDraw({1, 2, 3, 4, 5, 6});
    f.dialogs.answers = {ConfirmAnswer::No};
    f.newLottery(4, 20);
    QCOMPARE(f.window->windowTitle(), kTitlePrefix + QStringLiteral("Безымянный"));
    QVERIFY(f.document().filePath().empty());
    QCOMPARE(f.document().drawCount(), 0);
    QCOMPARE(ListLines(f), 0);
    QVERIFY(!Save(f)->isEnabled());
    QCOMPARE(f.grid("grdAll").colCount(), 21);
    QCOMPARE(f.grid("grdAll").cell(20, 0), QStringLiteral("20"));
}

void FrmMainFileCommandsTest::saveAsWritesTheFileAndTitlesTheWindowWithItsName() {
    QTemporaryDir dir;
    const QString path = dir.filePath("draws.dat");
    MainWindowFixture f;
    f.addDraw({1, 2, 3, 4, 5, 6});
    f.dialogs.savePaths = {path};
    f.window->mnuSaveAsClick();
    QCOMPARE(f.window->windowTitle(), QStringLiteral(" \"Нумерариум\"  от  Velkora  -  draws.dat"));
    QCOMPARE(QString::fromStdString(f.document().filePath()), path);
    QVERIFY(!Save(f)->isEnabled());
}

void FrmMainFileCommandsTest::saveAsCancelledChangesNothing() {
    MainWindowFixture f;
    f.addDraw({1, 2, 3, 4, 5, 6});
    const QString title = f.window->windowTitle();
    f.window->mnuSaveAsClick();
    QCOMPARE(f.dialogs.saveDialogsShown, 1);
    QCOMPARE(f.window->windowTitle(), title);
    QVERIFY(Save(f)->isEnabled());
    QVERIFY(f.document().filePath().empty());
}

void FrmMainFileCommandsTest::saveOnAnUnnamedDocumentBecomesSaveAs() {
    QTemporaryDir dir;
    MainWindowFixture f;
    f.addDraw({1, 2, 3, 4, 5, 6});
    f.dialogs.savePaths = {dir.filePath("first.dat")};
    f.window->mnuSaveClick();
    QCOMPARE(f.dialogs.saveDialogsShown, 1);
    QCOMPARE(f.window->windowTitle(), kTitlePrefix + QStringLiteral("first.dat"));
    QVERIFY(QFile::exists(dir.filePath("first.dat")));
}

void FrmMainFileCommandsTest::saveOnANamedDocumentRewritesItAndKeepsTheTitle() {
    QTemporaryDir dir;
    const QString path = dir.filePath("kept.dat");
    MainWindowFixture f;
    f.dialogs.savePaths = {path};
    f.window->mnuSaveAsClick();
    f.window->setWindowTitle(QStringLiteral("marker"));
    f.addDraw({1, 2, 3, 4, 5, 6});
    f.window->mnuSaveClick();
    QCOMPARE(f.window->windowTitle(), QStringLiteral("marker"));
    QVERIFY(!Save(f)->isEnabled());
}

void FrmMainFileCommandsTest::f2WithNothingChangedDoesNothing() {
    MainWindowFixture f;
    QVERIFY(!Save(f)->isEnabled());
    QTest::keyClick(f.window.get(), Qt::Key_F2);
    QCOMPARE(f.dialogs.saveDialogsShown, 0);
}

void FrmMainFileCommandsTest::f2WithChangesSaves() {
    MainWindowFixture f;
    f.window->activateWindow();
    f.addDraw({1, 2, 3, 4, 5, 6});
    QTest::keyClick(f.window.get(), Qt::Key_F2);
    QCOMPARE(f.dialogs.saveDialogsShown, 1); // unnamed: Save As, cancelled
}

void FrmMainFileCommandsTest::openReplacesDrawsAndTitlesTheWindow() {
    QTemporaryDir dir;
    const QString path = dir.filePath("three.dat");
    WriteDatabase(path, {3, 10}, {{1, 2, 3}, {1, 4, 5}});
    MainWindowFixture f;
    f.dialogs.openPaths = {path};
    f.window->mnuOpenClick();
    QCOMPARE(f.window->windowTitle(), kTitlePrefix + QStringLiteral("three.dat"));
    QCOMPARE(f.document().shape(), (lottery::LotteryShape{3, 10}));
    QCOMPARE(ListLines(f), 2);
    auto* list = f.control<QAbstractItemView>("lbxAll");
    QCOMPARE(list->model()->index(1, 0).data().toString(), QStringLiteral("1  4  5  "));
    QVERIFY(!Save(f)->isEnabled());
    // The page was refreshed: number 1 came out twice.
    QCOMPARE(f.grid("grdAll").cell(1, 1), QStringLiteral("2"));
    QCOMPARE(f.grid("grdAll").colCount(), 11);
}

void FrmMainFileCommandsTest::openAsksFirstWhenThereAreUnsavedDraws() {
    QTemporaryDir dir;
    const QString path = dir.filePath("other.dat");
    WriteDatabase(path, {6, 49}, {});
    MainWindowFixture f;
    f.addDraw({1, 2, 3, 4, 5, 6});
    f.dialogs.answers = {ConfirmAnswer::No};
    f.dialogs.openPaths = {path};
    f.window->mnuOpenClick();
    QCOMPARE(f.dialogs.questions, QStringList{kAskDiscard});
}

void FrmMainFileCommandsTest::openCancelledChangesNothing() {
    MainWindowFixture f;
    f.addDraw({1, 2, 3, 4, 5, 6});
    f.window->mnuOpenClick();
    QCOMPARE(f.dialogs.openDialogsShown, 1);
    QVERIFY(Save(f)->isEnabled());
}

void FrmMainFileCommandsTest::failedOpenLeavesDocumentAndTitleUnchanged_data() {
    QTest::addColumn<QByteArray>("content"); // empty name: the file does not exist
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << QByteArray() << QStringLiteral("File not found.");
    QTest::newRow("bad shape") << QByteArray("\x09\x05\0\0\0\0\0", 7) << QStringLiteral("");
}

void FrmMainFileCommandsTest::failedOpenLeavesDocumentAndTitleUnchanged() {
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath("broken.dat");
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    MainWindowFixture f;
    f.addDraw({1, 2, 3, 4, 5, 6});
    f.dialogs.answers = {ConfirmAnswer::No};
    f.dialogs.openPaths = {path};
    const QString title = f.window->windowTitle();
    CollectedErrors errors;
    f.showStatisticsPage();
    // Through the menu action, as the user would: the error ends the command.
    TriggerAsUser(f.control<QAction>("mnuOpen"));
    QCOMPARE(errors.texts.size(), 1);
    if (!message.isEmpty())
        QCOMPARE(errors.texts.front(), message);
    QCOMPARE(f.window->windowTitle(), title);
    QCOMPARE(f.document().drawCount(), 1);
    QCOMPARE(ListLines(f), 1);
    QVERIFY(f.document().filePath().empty());
    QVERIFY(Save(f)->isEnabled());
    QCOMPARE(f.grid("grdAll").cell(1, 1), QStringLiteral("1"));
}

void FrmMainFileCommandsTest::failedSaveAsKeepsSaveEnabledAndTheOldName() {
    QTemporaryDir dir;
    MainWindowFixture f;
    f.addDraw({1, 2, 3, 4, 5, 6});
    f.dialogs.savePaths = {dir.filePath("no-such-folder/draws.dat")};
    const QString title = f.window->windowTitle();
    CollectedErrors errors;
    TriggerAsUser(f.control<QAction>("mnuSaveAs"));
    QCOMPARE(errors.texts, QStringList{QStringLiteral("File not found.")});
    QVERIFY(Save(f)->isEnabled());
    QCOMPARE(f.window->windowTitle(), title);
    QVERIFY(f.document().filePath().empty());
}

void FrmMainFileCommandsTest::closingWithUnsavedDrawsAsksAndSavesOnYes() {
    QTemporaryDir dir;
    const QString path = dir.filePath("on-exit.dat");
    MainWindowFixture f;
    f.addDraw({1, 2, 3, 4, 5, 6});
    f.dialogs.answers = {ConfirmAnswer::Yes};
    f.dialogs.savePaths = {path};
    QVERIFY(f.window->close());
    QCOMPARE(f.dialogs.questions, QStringList{kAskExit});
    QCOMPARE(FileBytes(path).size(), 14);
    QVERIFY(!f.window->isVisible());
}

void FrmMainFileCommandsTest::closingWithUnsavedDrawsAndNoClosesWithoutSaving() {
    MainWindowFixture f;
    f.addDraw({1, 2, 3, 4, 5, 6});
    f.dialogs.answers = {ConfirmAnswer::No};
    QVERIFY(f.window->close());
    QCOMPARE(f.dialogs.questions, QStringList{kAskExit});
    QCOMPARE(f.dialogs.saveDialogsShown, 0);
    QVERIFY(!f.window->isVisible());
}

void FrmMainFileCommandsTest::closingWithoutUnsavedDrawsAsksNothing() {
    MainWindowFixture f;
    QVERIFY(f.window->close());
    QVERIFY(f.dialogs.questions.isEmpty());
}

void FrmMainFileCommandsTest::aFailingSaveWhileClosingKeepsTheWindowOpen() {
    QTemporaryDir dir;
    MainWindowFixture f;
    f.addDraw({1, 2, 3, 4, 5, 6});
    f.dialogs.answers = {ConfirmAnswer::Yes};
    f.dialogs.savePaths = {dir.filePath("missing/x.dat")};
    CollectedErrors errors;
    QVERIFY(!f.window->close());
    QCOMPARE(errors.texts.size(), 1);
    QVERIFY(f.window->isVisible());
    QVERIFY(Save(f)->isEnabled());
}

void FrmMainFileCommandsTest::exitClosesTheWindow() {
    MainWindowFixture f;
    TriggerAsUser(f.control<QAction>("mnuExit"));
    QVERIFY(!f.window->isVisible());
}

void FrmMainFileCommandsTest::cardAndHomeDrawAreResetByOpen() {
    QTemporaryDir dir;
    const QString path = dir.filePath("six.dat");
    WriteDatabase(path, {6, 49}, {{1, 2, 3, 4, 5, 6}});
    MainWindowFixture f;
    for (int n : {10, 11, 12})
        f.document().MarkNumber(n);
    f.dialogs.openPaths = {path};
    f.window->mnuOpenClick();
    QCOMPARE(f.document().cardCount(), 0);
    auto* add = f.control<QWidget>("btnNewTiraz");
    QVERIFY(add != nullptr);
    QVERIFY(!add->isEnabled());
}

ZHREBIKON_UI_TEST_MAIN(FrmMainFileCommandsTest)
#include "FrmMainFileCommandsTest.moc"
