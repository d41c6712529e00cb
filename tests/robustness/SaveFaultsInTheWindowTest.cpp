// "Сохранить" and "Сохранить как ..." in the real main window with the file layer failing at
// every step of a save: the previous file stays whole, no temporary is left behind, the
// error box says what went wrong and "Сохранить" stays enabled.
#include "FaultyFileSystem.h"
#include "WindowTesting.h"
#include "platform/ErrorReport.h"
#include "storage/DrawFile.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using lottery::test::FaultyFileSystem;
using Op = FaultyFileSystem::Op;

namespace {

// How a fault is armed on a fresh faulty layer. writesOfCleanSave is the number of write
// calls the same save makes when nothing fails, so that "a middle write" can be chosen.
using Arm = std::function<void(FaultyFileSystem& fs, int writesOfCleanSave)>;

enum class Command { Save, SaveAsOverExisting, SaveAsToNewFile };

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QStringList FolderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

QAction* Action(MainWindowFixture& f, const char* name) {
    return f.control<QAction>(name);
}

// A document with enough draws that a save with short transfers takes many writes.
void AddSomeDraws(MainWindowFixture& f, int count, int offset) {
    for (int d = 0; d < count; ++d) {
        const int a = 1 + (d + offset) % 40;
        f.addDraw({a, a + 1, a + 3, a + 5, a + 7, a + 9});
    }
}

// Counts the writes of one save of the current document to a scratch copy of the folder.
int WritesOfCleanSave(MainWindowFixture& f, const QString& target) {
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("copy.dat"));
    if (QFile::exists(target))
        QFile::copy(target, copy);
    FaultyFileSystem counting;
    counting.useShortTransfers();
    const lottery::LotteryDocument& doc = f.document();
    lottery::WriteDrawFile(copy.toStdString(), doc.draws(), doc.shape(), doc.trailerReserved(),
                           counting);
    return counting.calls(Op::Write);
}

} // namespace

Q_DECLARE_METATYPE(Arm)

class SaveFaultsInTheWindowTest : public QObject {
    Q_OBJECT
private slots:
    void aFailingSaveKeepsTheOldFileShowsTheErrorAndKeepsSaveEnabled_data();
    void aFailingSaveKeepsTheOldFileShowsTheErrorAndKeepsSaveEnabled();
    void aRealReadOnlyTargetFileIsRefusedAndKeptWhole();
    void aRealReadOnlyFolderTakesOnlyASaveOfItsWritableFile();
    void aFailingSaveWhileClosingKeepsTheWindowOpenAndTheFileWhole_data();
    void aFailingSaveWhileClosingKeepsTheWindowOpenAndTheFileWhole();
    void saveAsToAnUnusablePathReportsItAndChangesNothing_data();
    void saveAsToAnUnusablePathReportsItAndChangesNothing();
    void aFailingSaveAskedForByNewOrOpenEndsThatCommandAndKeepsTheDraws_data();
    void aFailingSaveAskedForByNewOrOpenEndsThatCommandAndKeepsTheDraws();
    void savingThroughASymbolicLinkUpdatesTheFileItPointsTo();
};

void SaveFaultsInTheWindowTest::aFailingSaveKeepsTheOldFileShowsTheErrorAndKeepsSaveEnabled_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<Arm>("arm");
    QTest::addColumn<QString>("message");

    struct Fault {
        const char* name;
        Arm arm;
        const char* message;
        bool newFileOnly = false; // an existing writable file is then rewritten in place
    };
    // EIO (5) is not a listed code; it must not read as "File access denied" (also 5).
    const Fault faults[] = {
        {"opening the temporary fails (too many open files)",
         [](FaultyFileSystem& fs, int) { fs.failCreatingOpens(EMFILE); }, "Too many open files."},
        {"the folder refuses new files (read-only folder)",
         [](FaultyFileSystem& fs, int) { fs.failCreatingOpens(EACCES); }, "File access denied.",
         true},
        {"the folder is on a read-only file system",
         [](FaultyFileSystem& fs, int) { fs.failCreatingOpens(EROFS); }, "File access denied."},
        {"the first write fails with a full disk",
         [](FaultyFileSystem& fs, int) { fs.failCall(Op::Write, 1, ENOSPC); }, "Disk full."},
        {"a middle write fails with a full disk",
         [](FaultyFileSystem& fs, int writes) { fs.failCall(Op::Write, writes / 2 + 1, ENOSPC); },
         "Disk full."},
        {"a middle write fails with an I/O error",
         [](FaultyFileSystem& fs, int writes) { fs.failCall(Op::Write, writes / 2 + 1, EIO); },
         "I/O error 1005."},
        {"the last write fails over quota",
         [](FaultyFileSystem& fs, int writes) { fs.failCall(Op::Write, writes, EDQUOT); },
         "Disk full."},
        {"the flush to disk fails",
         [](FaultyFileSystem& fs, int) { fs.failCall(Op::Fsync, 1, EIO); }, "I/O error 1005."},
        {"the flush finds the disk full",
         [](FaultyFileSystem& fs, int) { fs.failCall(Op::Fsync, 1, ENOSPC); }, "Disk full."},
        {"closing the temporary fails",
         [](FaultyFileSystem& fs, int) { fs.failCall(Op::Close, 0, EIO); }, "I/O error 1005."},
        {"the rename over the target fails",
         [](FaultyFileSystem& fs, int) { fs.failCall(Op::Rename, 1, EACCES); },
         "File access denied."},
        {"the rename crosses devices",
         [](FaultyFileSystem& fs, int) { fs.failCall(Op::Rename, 1, EXDEV); }, "I/O error 18."},
    };
    const struct {
        Command command;
        const char* name;
    } commands[] = {
        {Command::Save, "Save"},
        {Command::SaveAsOverExisting, "Save As over an existing file"},
        {Command::SaveAsToNewFile, "Save As to a new file"},
    };
    for (const auto& command : commands) {
        for (const Fault& fault : faults) {
            if (fault.newFileOnly && command.command != Command::SaveAsToNewFile)
                continue;
            QTest::addRow("%s: %s", command.name, fault.name)
                << static_cast<int>(command.command) << fault.arm
                << QString::fromLatin1(fault.message);
        }
    }
}

void SaveFaultsInTheWindowTest::aFailingSaveKeepsTheOldFileShowsTheErrorAndKeepsSaveEnabled() {
    QFETCH(int, command);
    QFETCH(Arm, arm);
    QFETCH(QString, message);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString named = folder.filePath(QStringLiteral("draws.dat"));
    const QString other = folder.filePath(QStringLiteral("other.dat"));

    MainWindowFixture f;
    // The previous file: saved by the window itself.
    AddSomeDraws(f, 30, 0);
    f.dialogs.savePaths = {named};
    TriggerAsUser(Action(f, "mnuSaveAs"));
    QVERIFY(!Action(f, "mnuSave")->isEnabled());
    WriteDatabase(other, lottery::LotteryShape{3, 10}, {{1, 2, 3}, {4, 5, 6}});
    const QByteArray namedBefore = FileBytes(named);
    const QByteArray otherBefore = FileBytes(other);
    QCOMPARE(namedBefore.size(), 31 * 7);

    // Unsaved draws on top of it.
    AddSomeDraws(f, 200, 7);
    QVERIFY(Action(f, "mnuSave")->isEnabled());
    const QString titleBefore = f.window->windowTitle();
    const QStringList entriesBefore = FolderEntries(folder.path());

    const auto which = static_cast<Command>(command);
    const QString target = which == Command::Save                 ? named
                           : which == Command::SaveAsOverExisting ? other
                                                                  : folder.filePath("new.dat");
    FaultyFileSystem faulty;
    faulty.useShortTransfers();
    arm(faulty, WritesOfCleanSave(f, target));
    f.window->setFileSystem(faulty);

    CollectedErrors errors;
    if (which == Command::Save) {
        TriggerAsUser(Action(f, "mnuSave"));
    } else {
        f.dialogs.savePaths = {target};
        TriggerAsUser(Action(f, "mnuSaveAs"));
    }

    QVERIFY2(faulty.faultsInjected() > 0, "the armed fault was never reached");
    QCOMPARE(errors.texts, QStringList{message});
    QCOMPARE(errors.captions, QStringList{ApplicationTitle()});
    QCOMPARE(FileBytes(named), namedBefore);
    QCOMPARE(FileBytes(other), otherBefore);
    QCOMPARE(FolderEntries(folder.path()), entriesBefore);
    QVERIFY(Action(f, "mnuSave")->isEnabled());
    QCOMPARE(f.window->windowTitle(), titleBefore);
    QCOMPARE(QString::fromStdString(f.document().filePath()), named);
    QCOMPARE(f.document().drawCount(), 230);

    // Once the fault is gone, the same command saves everything.
    f.window->setFileSystem(lottery::SystemFileSystem());
    if (which == Command::Save) {
        TriggerAsUser(Action(f, "mnuSave"));
    } else {
        f.dialogs.savePaths = {target};
        TriggerAsUser(Action(f, "mnuSaveAs"));
    }
    QCOMPARE(errors.texts.size(), 1);
    QVERIFY(!Action(f, "mnuSave")->isEnabled());
    QCOMPARE(FileBytes(target).size(), 231 * 7);
}

void SaveFaultsInTheWindowTest::aRealReadOnlyTargetFileIsRefusedAndKeptWhole() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("locked.dat"));
    MainWindowFixture f;
    f.addDraw({1, 2, 3, 4, 5, 6});
    f.dialogs.savePaths = {path};
    TriggerAsUser(Action(f, "mnuSaveAs"));
    QVERIFY(QFile::exists(path));
    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0444) == 0);
    const QByteArray before = FileBytes(path);

    f.addDraw({7, 8, 9, 10, 11, 12});
    CollectedErrors errors;
    TriggerAsUser(Action(f, "mnuSave"));
    f.dialogs.savePaths = {path};
    TriggerAsUser(Action(f, "mnuSaveAs"));

    QCOMPARE(errors.texts, (QStringList{QStringLiteral("File access denied."),
                                        QStringLiteral("File access denied.")}));
    QCOMPARE(FileBytes(path), before);
    QCOMPARE(FolderEntries(folder.path()), QStringList{QStringLiteral("locked.dat")});
    QVERIFY(Action(f, "mnuSave")->isEnabled());
    ::chmod(QFile::encodeName(path).constData(), 0644);
}

void SaveFaultsInTheWindowTest::aRealReadOnlyFolderTakesOnlyASaveOfItsWritableFile() {
    if (::geteuid() == 0)
        QSKIP("root writes into any folder; the faulty layer covers this case");
    QTemporaryDir folder;
    const QString sub = folder.filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkdir(sub));
    const QString path = sub + QStringLiteral("/draws.dat");
    MainWindowFixture f;
    f.addDraw({1, 2, 3, 4, 5, 6});
    f.dialogs.savePaths = {path};
    TriggerAsUser(Action(f, "mnuSaveAs"));
    const QByteArray before = FileBytes(path);
    QVERIFY(::chmod(QFile::encodeName(sub).constData(), 0555) == 0);

    f.addDraw({7, 8, 9, 10, 11, 12});
    CollectedErrors errors;
    TriggerAsUser(Action(f, "mnuSave")); // the file is rewritten in place
    ::chmod(QFile::encodeName(sub).constData(), 0755);
    QVERIFY(errors.texts.isEmpty());
    QCOMPARE(FileBytes(path).size(), before.size() + 7);
    QCOMPARE(FolderEntries(sub), QStringList{QStringLiteral("draws.dat")});
    QVERIFY(!Action(f, "mnuSave")->isEnabled());
}

void SaveFaultsInTheWindowTest::aFailingSaveWhileClosingKeepsTheWindowOpenAndTheFileWhole_data() {
    QTest::addColumn<bool>("named");
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("errnoValue");
    QTest::addColumn<QString>("message");
    QTest::newRow("Save of a named document, disk full on write")
        << true << static_cast<int>(Op::Write) << ENOSPC << QStringLiteral("Disk full.");
    QTest::newRow("Save of a named document, rename refused")
        << true << static_cast<int>(Op::Rename) << EACCES << QStringLiteral("File access denied.");
    QTest::newRow("Save As of an unnamed document, flush fails")
        << false << static_cast<int>(Op::Fsync) << EIO << QStringLiteral("I/O error 1005.");
}

void SaveFaultsInTheWindowTest::aFailingSaveWhileClosingKeepsTheWindowOpenAndTheFileWhole() {
    QFETCH(bool, named);
    QFETCH(int, op);
    QFETCH(int, errnoValue);
    QFETCH(QString, message);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("draws.dat"));
    MainWindowFixture f;
    f.addDraw({1, 2, 3, 4, 5, 6});
    QByteArray before;
    if (named) {
        f.dialogs.savePaths = {path};
        TriggerAsUser(Action(f, "mnuSaveAs"));
        before = FileBytes(path);
        f.addDraw({7, 8, 9, 10, 11, 12});
    } else {
        f.dialogs.savePaths = {path};
    }
    FaultyFileSystem faulty;
    faulty.failCall(static_cast<Op>(op), 1, errnoValue);
    f.window->setFileSystem(faulty);

    CollectedErrors errors;
    f.dialogs.answers = {ConfirmAnswer::Yes};
    QVERIFY(!f.window->close());
    QVERIFY(f.window->isVisible());
    QCOMPARE(f.dialogs.questions,
             QStringList{QStringLiteral("Сохранить изменения перед выходом?")});
    QCOMPARE(errors.texts, QStringList{message});
    QCOMPARE(FileBytes(path), before);
    QCOMPARE(FolderEntries(folder.path()),
             named ? QStringList{QStringLiteral("draws.dat")} : QStringList{});
    QVERIFY(Action(f, "mnuSave")->isEnabled());

    // A second close without the fault saves and closes.
    f.window->setFileSystem(lottery::SystemFileSystem());
    f.dialogs.answers = {ConfirmAnswer::Yes};
    f.dialogs.savePaths = {path};
    QVERIFY(f.window->close());
    QCOMPARE(FileBytes(path).size(), (named ? 3 : 2) * 7);
}

void SaveFaultsInTheWindowTest::saveAsToAnUnusablePathReportsItAndChangesNothing_data() {
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<QString>("message");
    QTest::newRow("an existing folder") << QStringLiteral("folder") << "File access denied.";
    QTest::newRow("a folder that does not exist")
        << QStringLiteral("missing/draws.dat") << "File not found.";
    QTest::newRow("a path through a plain file")
        << QStringLiteral("plain.txt/draws.dat") << "Invalid filename.";
    QTest::newRow("a name too long for the file system")
        << QString(300, QLatin1Char('x')) + QStringLiteral(".dat") << "Invalid filename.";
}

void SaveFaultsInTheWindowTest::saveAsToAnUnusablePathReportsItAndChangesNothing() {
    QFETCH(QString, relativePath);
    QFETCH(QString, message);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder")));
    WriteDatabase(folder.filePath(QStringLiteral("plain.txt")), lottery::LotteryShape{2, 5},
                  {{1, 2}});
    const QStringList entriesBefore = FolderEntries(folder.path());

    MainWindowFixture f;
    f.addDraw({1, 2, 3, 4, 5, 6});
    const QString titleBefore = f.window->windowTitle();
    CollectedErrors errors;
    f.dialogs.savePaths = {folder.filePath(relativePath)};
    TriggerAsUser(Action(f, "mnuSaveAs"));

    QCOMPARE(errors.texts, QStringList{message});
    QCOMPARE(FolderEntries(folder.path()), entriesBefore);
    QVERIFY(FolderEntries(folder.filePath(QStringLiteral("folder"))).isEmpty());
    QVERIFY(Action(f, "mnuSave")->isEnabled());
    QCOMPARE(f.window->windowTitle(), titleBefore);
    QVERIFY(f.document().filePath().empty());
}

void SaveFaultsInTheWindowTest::
    aFailingSaveAskedForByNewOrOpenEndsThatCommandAndKeepsTheDraws_data() {
    QTest::addColumn<bool>("open");
    QTest::newRow("New") << false;
    QTest::newRow("Open") << true;
}

void SaveFaultsInTheWindowTest::aFailingSaveAskedForByNewOrOpenEndsThatCommandAndKeepsTheDraws() {
    QFETCH(bool, open);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("draws.dat"));
    const QString other = folder.filePath(QStringLiteral("other.dat"));
    WriteDatabase(other, lottery::LotteryShape{3, 10}, {{1, 2, 3}});
    MainWindowFixture f;
    f.addDraw({1, 2, 3, 4, 5, 6});
    f.dialogs.savePaths = {path};
    TriggerAsUser(Action(f, "mnuSaveAs"));
    const QByteArray before = FileBytes(path);
    f.addDraw({7, 8, 9, 10, 11, 12});

    FaultyFileSystem faulty;
    faulty.failCall(Op::Write, 1, ENOSPC);
    f.window->setFileSystem(faulty);
    CollectedErrors errors;
    f.dialogs.answers = {ConfirmAnswer::Yes};
    f.dialogs.openPaths = {other};
    f.frmNew->nextShape = lottery::LotteryShape{3, 10};
    TriggerAsUser(Action(f, open ? "mnuOpen" : "mnuNew"));

    QCOMPARE(f.dialogs.questions, QStringList{QStringLiteral("Сохранить изменения?")});
    QCOMPARE(errors.texts, QStringList{QStringLiteral("Disk full.")});
    // The command went no further than the failed save: no dialog, nothing discarded.
    QCOMPARE(f.frmNew->shown, 0);
    QCOMPARE(f.dialogs.openDialogsShown, 0);
    QCOMPARE(f.document().drawCount(), 2);
    QCOMPARE(static_cast<int>(f.document().shape().N), 49);
    QCOMPARE(FileBytes(path), before);
    QCOMPARE(FolderEntries(folder.path()),
             (QStringList{QStringLiteral("draws.dat"), QStringLiteral("other.dat")}));
    QVERIFY(Action(f, "mnuSave")->isEnabled());
}

void SaveFaultsInTheWindowTest::savingThroughASymbolicLinkUpdatesTheFileItPointsTo() {
    // A database kept elsewhere (a synchronised folder, say) and opened through a link.
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("real")));
    const QString real = folder.filePath(QStringLiteral("real/draws.dat"));
    const QString link = folder.filePath(QStringLiteral("draws.dat"));
    WriteDatabase(real, lottery::LotteryShape{6, 49}, {{1, 2, 3, 4, 5, 6}});
    QVERIFY(QFile::link(real, link));

    MainWindowFixture f;
    f.dialogs.openPaths = {link};
    TriggerAsUser(Action(f, "mnuOpen"));
    QCOMPARE(f.document().drawCount(), 1);
    f.addDraw({7, 8, 9, 10, 11, 12});
    CollectedErrors errors;
    TriggerAsUser(Action(f, "mnuSave"));

    QVERIFY(errors.texts.isEmpty());
    QVERIFY(!Action(f, "mnuSave")->isEnabled());
    QVERIFY2(QFileInfo(link).isSymLink(), "the link was replaced by a plain file");
    QCOMPARE(FileBytes(real).size(), 3 * 7);
    QCOMPARE(FolderEntries(folder.filePath(QStringLiteral("real"))),
             QStringList{QStringLiteral("draws.dat")});
}

ZHREBIKON_UI_TEST_MAIN(SaveFaultsInTheWindowTest)
#include "SaveFaultsInTheWindowTest.moc"
