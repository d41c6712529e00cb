// The session's commands without a window: what it asks, what it writes, and its undo history
// against a model of the history.
#include "session/LotterySession.h"

#include "ScriptedQuestions.h"
#include "TempDir.h"
#include "lottery/RandomSource.h"
#include "storage/DrawFile.h"
#include "tickets/TicketFile.h"
#include "tickets/TicketSet.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QUndoCommand>
#include <algorithm>
#include <numeric>
#include <random>

namespace {

using lottery::DrawRecord;
using lottery::LotteryShape;

DrawRecord RandomDraw(LotteryShape shape, std::mt19937& random) {
    std::vector<int> numbers(static_cast<std::size_t>(shape.N));
    std::iota(numbers.begin(), numbers.end(), 1);
    std::shuffle(numbers.begin(), numbers.end(), random);
    DrawRecord record{};
    for (int p = 0; p < shape.K; ++p)
        record[static_cast<std::size_t>(p)] = static_cast<std::uint8_t>(numbers[p]);
    return record;
}

void RecordThroughTheCard(session::LotterySession& session, const DrawRecord& draw) {
    for (int p = 0; p < session.document().shape().K; ++p)
        session.document().MarkNumber(draw[static_cast<std::size_t>(p)]);
    session.recordCard();
}

QByteArray FileHex(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toHex() : QByteArray();
}

std::vector<DrawRecord> DrawsOf(const session::LotterySession& session) {
    return {session.document().draws().begin(), session.document().draws().end()};
}

// The history as the user sees it: the states passed through, the one shown, the one saved.
struct HistoryModel {
    std::vector<std::vector<DrawRecord>> states{{}};
    std::vector<int> ids{0};
    std::size_t at = 0;
    int savedId = 0;
    int nextId = 1;

    void step(std::vector<DrawRecord> draws) {
        states.resize(at + 1);
        ids.resize(at + 1);
        states.push_back(std::move(draws));
        ids.push_back(nextId++);
        ++at;
    }
};

class CountingStep : public QUndoCommand {
public:
    explicit CountingStep(int& value) : value_(value) {}
    void redo() override { ++value_; }
    void undo() override { --value_; }

private:
    int& value_;
};

} // namespace

class LotterySessionTest : public QObject {
    Q_OBJECT
private slots:
    void aCancelledSaveAfterYesKeepsTheDrawsAndStopsTheCommand_data();
    void aCancelledSaveAfterYesKeepsTheDrawsAndStopsTheCommand();
    void saveAsProposesTheFileTheTablesNameOrNothingInTheCurrentFolder();
    void theFileCommandsWriteWhatTheAnswersSayAndAskOnlyWhatTheyMust();
    void onlyAMenuSaveAsMayWriteATableTheSaveQuestionKeepsTheWork();
    void everyStepUndoesAndRedoesToTheDrawsAndChangedFlagOfItsState();
    void anyUndoableStepGoesOnTheHistoryAndANewLotteryEmptiesIt();
    void anUpdatedTableAddsWhatFollowsItsOverlapAndTheContentTellsADatabase();
    void ticketSetEditsAreStepsAndEachShapeKeepsItsSet();
    void changedTicketSetsAreAskedAboutBeforeClosingAndSavedWhole();
};

void LotterySessionTest::aCancelledSaveAfterYesKeepsTheDrawsAndStopsTheCommand_data() {
    QTest::addColumn<int>("command");
    QTest::newRow("closing") << 0;
    QTest::newRow("New") << 1;
    QTest::newRow("Open") << 2;
    QTest::newRow("a dropped file") << 3;
}

void LotterySessionTest::aCancelledSaveAfterYesKeepsTheDrawsAndStopsTheCommand() {
    QFETCH(int, command);
    lottery::test::TempDir dir;
    const QString other = QString::fromStdString(dir.file("other.dat"));
    lottery::WriteDrawFile(other.toStdString(), {}, {6, 49}, {});
    ScriptedQuestions questions;
    session::LotterySession session(questions);
    session.start({6, 49});
    RecordThroughTheCard(session, {1, 2, 3, 4, 5, 6, 0});
    // Each answer as a user would give it, up to the command's own dialog: Yes, then the
    // save dialog cancelled.
    const auto run = [&] {
        questions.shapes = {LotteryShape{5, 36}};
        questions.openPaths = {other};
        switch (command) {
        case 0:
            return session.mayClose();
        case 1:
            session.newLottery();
            break;
        case 2:
            session.open();
            break;
        default:
            session.openDropped(other);
            break;
        }
        return true;
    };
    questions.saveAnswers = {true};
    QVERIFY(!run() || command != 0);
    QCOMPARE(questions.asked,
             (std::vector<const char*>{command == 0 ? "save before exit" : "save", "save as"}));
    QCOMPARE(session.document().drawCount(), 1);
    QVERIFY(session.document().changed());
    // Answered No, the command goes on and the draws are given up.
    questions.saveAnswers = {false};
    QVERIFY(run());
    QVERIFY(command == 0 || session.document().drawCount() == 0);
}

void LotterySessionTest::saveAsProposesTheFileTheTablesNameOrNothingInTheCurrentFolder() {
    lottery::test::TempDir dir;
    const QString folder = QString::fromStdString(dir.path().string());
    ScriptedQuestions questions;
    session::LotterySession session(questions);
    session.start({6, 49});
    questions.savePaths = {folder + QStringLiteral("/kept.dat")};
    QVERIFY(session.saveAs());
    QVERIFY(!session.saveAs()); // cancelled
    // An import of another shape: an unnamed lottery named after the table.
    lottery::DrawTable table;
    table.shape = {3, 9};
    table.draws = {{1, 2, 3, 0, 0, 0, 0}, {4, 5, 6, 0, 0, 0, 0}};
    questions.readings = {table};
    session.openFile(folder + QStringLiteral("/tables/history 2024.csv"));
    QVERIFY(!session.saveAs());
    questions.shapes = {LotteryShape{5, 36}};
    session.newLottery(); // "save first?" No
    QVERIFY(!session.saveAs());

    QCOMPARE(questions.proposals.size(), std::size_t{4});
    QCOMPARE(questions.proposals[0].fileName, QString()); // a new lottery
    QCOMPARE(questions.proposals[1].folder, folder);
    QCOMPARE(questions.proposals[1].fileName, QStringLiteral("kept.dat"));
    QCOMPARE(questions.proposals[2].folder, folder + QStringLiteral("/tables"));
    QCOMPARE(questions.proposals[2].fileName, QStringLiteral("history 2024.dat"));
    QCOMPARE(questions.proposals[3].folder, folder + QStringLiteral("/tables"));
    QCOMPARE(questions.proposals[3].fileName, QString());
}

void LotterySessionTest::theFileCommandsWriteWhatTheAnswersSayAndAskOnlyWhatTheyMust() {
    lottery::test::TempDir dir;
    const QString path = QString::fromStdString(dir.file("draws.dat"));
    ScriptedQuestions questions;
    session::LotterySession session(questions);
    session.start({6, 49});
    RecordThroughTheCard(session, {1, 2, 3, 4, 5, 6, 0});
    // "Save first?" No and Open cancelled, then Save As cancelled: nothing changes.
    session.open();
    QVERIFY(!session.saveAs());
    QCOMPARE(questions.asked, (std::vector<const char*>{"save", "open", "save as"}));
    QCOMPARE(session.document().drawCount(), 1);
    QVERIFY(session.document().changed());
    QVERIFY(session.document().filePath().empty());
    // Save As writes the whole file; Save on the named lottery rewrites it without asking.
    questions.savePaths = {path};
    QVERIFY(session.saveAs());
    QCOMPARE(FileHex(path), QByteArray("0102030405060006310000000000"));
    QCOMPARE(QString::fromStdString(session.document().filePath()), path);
    RecordThroughTheCard(session, {7, 8, 9, 10, 11, 12, 0});
    QVERIFY(session.save());
    QCOMPARE(questions.asked.size(), std::size_t{4}); // no dialog for the named lottery
    QCOMPARE(FileHex(path).size(), 2 * 21);
    // Yes before New saves the named lottery, again without a save dialog.
    session.deleteDraws({0});
    questions.asked.clear();
    questions.saveAnswers = {true};
    questions.shapes = {LotteryShape{6, 49}};
    session.newLottery();
    QCOMPARE(questions.asked, (std::vector<const char*>{"save", "shape"}));
    QCOMPARE(FileHex(path), QByteArray("0708090a0b0c0006310000000000"));
    // Closing: No writes nothing, Yes on an unnamed lottery saves through the dialog.
    RecordThroughTheCard(session, {1, 2, 3, 4, 5, 6, 0});
    questions.asked.clear();
    QVERIFY(session.mayClose());
    QCOMPARE(questions.asked, (std::vector<const char*>{"save before exit"}));
    const QString onExit = QString::fromStdString(dir.file("on-exit.dat"));
    questions.saveAnswers = {true};
    questions.savePaths = {onExit};
    QVERIFY(session.mayClose());
    QCOMPARE(FileHex(onExit).size(), 2 * 14);
}

void LotterySessionTest::onlyAMenuSaveAsMayWriteATableTheSaveQuestionKeepsTheWork() {
    lottery::test::TempDir dir;
    const std::string path = dir.file("draws.csv");
    ScriptedQuestions questions;
    session::LotterySession session(questions);
    session.start({6, 49});
    RecordThroughTheCard(session, {1, 2, 3, 4, 5, 6, 0});
    questions.savePaths = {QString::fromStdString(path), QString::fromStdString(path)};
    QVERIFY(session.saveAs() && lottery::IsDrawFileAt(path) == std::optional<bool>(false));
    // Before New drops the draws a table copy would leave them unsaved: a database is written,
    // whatever its name.
    questions.saveAnswers = {true};
    session.newLottery();
    QVERIFY(!questions.proposals[0].databaseOnly && questions.proposals[1].databaseOnly);
    QCOMPARE(lottery::ReadDrawFile(path).draws.size(), std::size_t{1});
}

void LotterySessionTest::everyStepUndoesAndRedoesToTheDrawsAndChangedFlagOfItsState() {
    lottery::test::TempDir dir;
    const QString path = QString::fromStdString(dir.file("history.dat"));
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        const LotteryShape shape{static_cast<std::uint8_t>(1 + seed % 7),
                                 static_cast<std::uint8_t>(7 + seed * 2)};
        ScriptedQuestions questions;
        session::LotterySession session(questions);
        QSignalSpy changes(&session, &session::LotterySession::lotteryChanged);
        session.start(shape);
        HistoryModel model;
        for (int move = 0; move < 120; ++move) {
            const int count = session.document().drawCount();
            std::vector<DrawRecord> draws = DrawsOf(session);
            const int kind = static_cast<int>(random() % 8);
            const int spy = static_cast<int>(changes.count());
            if (kind == 0 || kind == 1) {
                const DrawRecord draw = RandomDraw(shape, random);
                RecordThroughTheCard(session, draw);
                draws.push_back(draw);
                model.step(draws);
            } else if (kind == 2) {
                std::vector<int> rows;
                for (int r = 0; r < 3; ++r)
                    rows.push_back(static_cast<int>(random() % (count + 2)) - 1); // strays too
                session.deleteDraws(rows);
                std::vector<DrawRecord> kept;
                for (int r = 0; r < count; ++r)
                    if (std::find(rows.begin(), rows.end(), r) == rows.end())
                        kept.push_back(draws[static_cast<std::size_t>(r)]);
                if (kept.size() != draws.size())
                    model.step(kept);
            } else if (kind == 3 && count > 0) {
                const int row = static_cast<int>(random() % count);
                const DrawRecord draw = random() % 3 == 0 ? draws[static_cast<std::size_t>(row)]
                                                          : RandomDraw(shape, random);
                session.replaceDraw(row, draw);
                if (draw != draws[static_cast<std::size_t>(row)]) {
                    draws[static_cast<std::size_t>(row)] = draw;
                    model.step(draws);
                }
            } else if (kind == 4) {
                const int added = static_cast<int>(random() % 3);
                std::vector<DrawRecord> more;
                for (int i = 0; i < added; ++i)
                    more.push_back(RandomDraw(shape, random));
                session.appendDraws(more);
                if (added > 0) {
                    draws.insert(draws.end(), more.begin(), more.end());
                    model.step(draws);
                }
            } else if (kind == 5) {
                session.undo();
                model.at -= model.at > 0 ? 1 : 0;
            } else if (kind == 6) {
                session.redo();
                model.at += model.at + 1 < model.states.size() ? 1 : 0;
            } else {
                questions.savePaths = {path};
                QVERIFY(session.save());
                model.savedId = model.ids[model.at];
                QCOMPARE(lottery::ReadDrawFile(path.toStdString()).draws, model.states[model.at]);
            }
            QCOMPARE(DrawsOf(session), model.states[model.at]);
            QCOMPARE(session.document().changed(), model.ids[model.at] != model.savedId);
            QCOMPARE(session.undoStack().index(), static_cast<int>(model.at));
            // Whatever the statistics show was announced.
            if (DrawsOf(session) != draws || kind <= 1)
                QVERIFY(changes.count() > spy);
        }
    }
}

void LotterySessionTest::anyUndoableStepGoesOnTheHistoryAndANewLotteryEmptiesIt() {
    ScriptedQuestions questions;
    session::LotterySession session(questions);
    session.start({6, 49});
    int value = 0;
    session.addStep(new CountingStep(value));
    session.addStep(new CountingStep(value));
    QCOMPARE(value, 2);
    session.undo();
    QCOMPARE(value, 1);
    session.redo();
    QCOMPARE(value, 2);
    questions.shapes = {LotteryShape{5, 36}};
    session.newLottery();
    QCOMPARE(session.undoStack().count(), 0);
    session.undo();
    QCOMPARE(value, 2);
}

void LotterySessionTest::anUpdatedTableAddsWhatFollowsItsOverlapAndTheContentTellsADatabase() {
    lottery::test::TempDir dir;
    ScriptedQuestions questions;
    session::LotterySession session(questions);
    session.start(LotteryShape{3, 9});
    const std::vector<DrawRecord> history{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 5, 9}};
    for (const DrawRecord& draw : history)
        RecordThroughTheCard(session, draw);
    lottery::DrawTable update, nothingNew;
    update.shape = nothingNew.shape = LotteryShape{3, 9};
    update.draws = {history[2], history[3], {2, 4, 6}}; // overlaps the last two draws
    nothingNew.draws = {history[1], history[2]};
    // Cancelled, the question changes nothing; then the new draws are added.
    questions.readings = {update, update, nothingNew};
    questions.updateAnswers = {session::TableUpdate::Cancel, session::TableUpdate::AddNewDraws};
    const QString table = QString::fromStdString(dir.file("latest.csv"));
    session.openFile(table);
    QCOMPARE(DrawsOf(session), history);
    session.openFile(table);
    session.openFile(table);
    std::vector<DrawRecord> expected = history;
    expected.push_back({2, 4, 6});
    QCOMPARE(DrawsOf(session), expected);
    QCOMPARE(questions.asked.back(), "no new");

    // A database named like a table opens as a database, without the preview.
    const std::string named = dir.file("history.txt");
    lottery::WriteDrawFile(named, history, LotteryShape{3, 9}, {});
    session.openFile(QString::fromStdString(named));
    QCOMPARE(DrawsOf(session), history);
    QCOMPARE(std::count(questions.asked.begin(), questions.asked.end(), std::string_view("table")),
             3);
}

void LotterySessionTest::ticketSetEditsAreStepsAndEachShapeKeepsItsSet() {
    ScriptedQuestions questions;
    session::LotterySession session(questions);
    session.start({6, 49});
    QSignalSpy changed(&session, &session::LotterySession::ticketSetChanged);
    lottery::LcgRandom random(3);
    const auto tickets = lottery::TicketSet::RandomTickets({6, 49}, 3, random);
    QVERIFY(session.editTicketSet(session.ticketSet().EditToAdd(tickets), QStringLiteral("a")));
    QVERIFY(session.editTicketSet(session.ticketSet().EditToDelete({1}), QStringLiteral("b")));
    // Refused or empty edits are no steps.
    QVERIFY(!session.editTicketSet(session.ticketSet().EditToDelete({7}), QStringLiteral("c")));
    QVERIFY(!session.editTicketSet(session.ticketSet().EditToReplace(0, {}), QStringLiteral("d")));
    QCOMPARE(session.undoStack().count(), 2);
    QCOMPARE(session.undoStack().undoText(), QStringLiteral("b"));
    session.undo();
    QVERIFY(std::ranges::equal(session.ticketSet().tickets(), tickets));
    session.undo();
    QVERIFY(session.ticketSet().empty());
    session.redo();
    QCOMPARE(changed.count(), 5);

    // Another shape brings its own set; coming back brings this one back.
    questions.shapes = {LotteryShape{5, 36}, LotteryShape{6, 49}};
    session.newLottery();
    QCOMPARE(session.ticketSet().shape(), (LotteryShape{5, 36}));
    QVERIFY(session.ticketSet().empty());
    session.newLottery();
    QVERIFY(std::ranges::equal(session.ticketSet().tickets(), tickets));
}

void LotterySessionTest::changedTicketSetsAreAskedAboutBeforeClosingAndSavedWhole() {
    ScriptedQuestions questions;
    session::LotterySession session(questions);
    session.setTicketSetQuestions(&questions);
    session.start({6, 49});
    lottery::LcgRandom random(5);
    const auto addRandom = [&](int count) {
        session.editTicketSet(session.ticketSet().EditToAdd(lottery::TicketSet::RandomTickets(
                                  session.ticketSet().shape(), count, random)),
                              QStringLiteral("a"));
    };
    addRandom(4);
    const lottery::TicketSet first = session.ticketSet();
    // A set kept aside by another lottery is asked about as well.
    questions.shapes = {LotteryShape{5, 36}};
    session.newLottery();
    addRandom(2);
    const lottery::TicketSet second = session.ticketSet();

    QVERIFY(!session.mayClose()); // cancelled at the first question
    QCOMPARE(questions.asked.back(), "save set");
    lottery::test::TempDir folder;
    const QString path = QString::fromStdString(folder.file("second.tickets"));
    questions.setAnswers = {session::SaveAnswer::Save, session::SaveAnswer::Save};
    questions.setPaths = {path};
    QVERIFY(!session.mayClose()); // the second set's name cancelled: the program stays
    QCOMPARE(session.ticketSetPath(), path);
    QVERIFY(!session.ticketSetUnsaved());
    questions.asked.clear();
    questions.setAnswers = {session::SaveAnswer::Discard};
    QVERIFY(session.mayClose()); // this set is saved: only the other one is asked about
    QCOMPARE(questions.asked.size(), 1U);
    QCOMPARE(questions.asked.front(), "save set");

    QVERIFY(lottery::ReadTicketFile(path.toStdString()).set == second);
    addRandom(1);
    session.undo();
    QVERIFY(!session.ticketSetUnsaved()); // undone back to what the file holds
    questions.shapes = {LotteryShape{6, 49}};
    session.newLottery();
    QVERIFY(session.ticketSet() == first && session.ticketSetUnsaved());
}

QTEST_GUILESS_MAIN(LotterySessionTest)
#include "LotterySessionTest.moc"
