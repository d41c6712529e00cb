#include "lottery/LotteryDocument.h"

#include "RecordingListener.h"
#include "TempDir.h"
#include "storage/DocumentFile.h"
#include "storage/PathParts.h"

#include <gtest/gtest.h>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace lottery {
namespace {

using test::RecordDraw;
using test::RecordingListener;

TEST(LotteryDocumentStart, HasTheInitialFieldValues) {
    LotteryDocument doc;
    EXPECT_EQ(doc.shape(), (LotteryShape{6, 49}));
    EXPECT_EQ(doc.drawCount(), 0);
    EXPECT_TRUE(doc.draws().empty());
    EXPECT_EQ(doc.filePath(), "");
    EXPECT_EQ(doc.fileTitle(), "Безымянный");
    EXPECT_FALSE(doc.changed());
    EXPECT_EQ(doc.cardCount(), 0);
    EXPECT_TRUE(doc.cardSet().empty());
    EXPECT_EQ(doc.cardNumbers(), DrawRecord{});
    EXPECT_TRUE(doc.drawnSet().empty());
    EXPECT_TRUE(doc.matchedSet().empty());
    EXPECT_EQ(doc.trailerReserved(), TrailerReserved{});
    EXPECT_EQ(doc.stats()[50].frequency, kUpperSentinelFrequency);
}

TEST(LotteryDocumentTitle, IsUnnamedUntilSavedUnderAName) {
    EXPECT_EQ(std::string(kUnnamedTitle), "Безымянный");
    test::TempDir dir;
    RecordingListener listener;
    LotteryDocument doc(&listener);
    EXPECT_FALSE(doc.named());
    SaveDocumentAs(doc, dir.file("draws.dat"));
    EXPECT_TRUE(doc.named());
    EXPECT_EQ(doc.fileTitle(), "draws.dat");
    EXPECT_EQ(listener.events, (std::vector<std::string>{"fileNamed draws.dat"}));
    doc.StartLottery({6, 49});
    EXPECT_FALSE(doc.named());
    EXPECT_EQ(listener.events.back(), "fileNamed Безымянный");
}

TEST(LotteryDocumentTitle, FileNamePartDropsTheFolders) {
    EXPECT_EQ(FileNamePart("/home/u/draws.dat"), "draws.dat");
    EXPECT_EQ(FileNamePart("draws.dat"), "draws.dat");
    EXPECT_EQ(FileNamePart("/a/b/Лото 6 из 49.dat"), "Лото 6 из 49.dat");
}

TEST(LotteryDocumentDraws, KeepsMoreThan255DrawsWhole) {
    LotteryDocument doc;
    for (int d = 0; d < 300; ++d) {
        const int first = d % 40 + 1;
        RecordDraw(doc, {first, first + 1, first + 2, first + 3, first + 4, 49 - (d % 2)});
    }
    ASSERT_EQ(doc.drawCount(), 300);
    ASSERT_EQ(doc.draws().size(), 300u);
    for (int d = 0; d < 300; ++d) {
        const int first = d % 40 + 1;
        EXPECT_EQ(doc.draws()[static_cast<std::size_t>(d)][0], first) << d;
        EXPECT_EQ(doc.draws()[static_cast<std::size_t>(d)][5], 49 - (d % 2)) << d;
    }
    EXPECT_EQ(doc.drawLine(299), "20  21  22  23  24  48  ");
    EXPECT_EQ(doc.stats()[49].frequency + doc.stats()[48].frequency, 300);
}

TEST(LotteryDocumentDraws, RecordingTheCardAppendsItEmptiesTheCardAndMarksTheDocumentChanged) {
    RecordingListener listener;
    LotteryDocument doc(&listener);
    for (int n : {3, 17, 22, 30, 41, 45})
        doc.MarkNumber(n);
    const DrawEdit undo = doc.RecordCard();
    EXPECT_EQ(doc.drawCount(), 1);
    EXPECT_EQ(doc.drawLine(0), "3  17  22  30  41  45  ");
    EXPECT_EQ(doc.stats()[17].frequency, 1);
    EXPECT_EQ(doc.cardCount(), 0);
    EXPECT_TRUE(doc.changed());
    EXPECT_EQ(listener.events,
              (std::vector<std::string>{"drawsEdited 0 0 1", "changedFlagChanged true"}));
    EXPECT_EQ(undo.first, 0);
    EXPECT_EQ(undo.removeCount, 1);
    EXPECT_TRUE(undo.insert.empty());
    // Only a full card is a draw.
    doc.MarkNumber(1);
    EXPECT_THROW(doc.RecordCard(), std::logic_error);
}

// What the statistics page can show: partners only of numbers that came out.
bool SameShownStats(const StatsTable& a, const StatsTable& b) {
    for (std::size_t i = 1; i < a.size(); ++i) {
        const bool partners = a[i].frequency > 0 &&
                              (a[i].mostWith != b[i].mostWith || a[i].leastWith != b[i].leastWith);
        if (a[i].frequency != b[i].frequency || a[i].drawsSince != b[i].drawsSince ||
            a[i].together != b[i].together || partners)
            return false;
    }
    return true;
}

// Edits against a plain model of the list, each undone and redone by the edit it returns:
// the list, the statistics and the changed flag must come back exactly.
TEST(LotteryDocumentDraws, EveryEditIsUndoneAndRedoneExactlyByTheEditItReturns) {
    std::mt19937 rng(20261209);
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(rng);
    };
    test::TempDir dir;
    LotteryDocument doc;
    doc.StartLottery({3, 12});
    std::vector<DrawRecord> model;
    for (int step = 0; step < 300; ++step) {
        DrawEdit edit;
        edit.first = pick(0, static_cast<int>(model.size()));
        edit.removeCount = pick(0, static_cast<int>(model.size()) - edit.first);
        for (int i = pick(0, 3); i > 0; --i)
            edit.insert.push_back(DrawRecord{static_cast<std::uint8_t>(pick(1, 4)),
                                             static_cast<std::uint8_t>(pick(5, 8)),
                                             static_cast<std::uint8_t>(pick(9, 12))});
        if (pick(0, 9) == 0)
            SaveDocumentAs(doc, dir.file("edits.dat"));
        const std::vector<DrawRecord> before = model;
        const StatsTable statsBefore = doc.stats();
        const bool changedBefore = doc.changed();

        const DrawEdit undo = doc.ApplyEdit(edit);
        model.erase(model.begin() + edit.first, model.begin() + edit.first + edit.removeCount);
        model.insert(model.begin() + edit.first, edit.insert.begin(), edit.insert.end());
        ASSERT_EQ(std::vector<DrawRecord>(doc.draws().begin(), doc.draws().end()), model);
        ASSERT_TRUE(doc.changed());
        const StatsTable statsAfter = doc.stats();

        const DrawEdit redo = doc.ApplyEdit(undo);
        ASSERT_EQ(std::vector<DrawRecord>(doc.draws().begin(), doc.draws().end()), before);
        ASSERT_TRUE(SameShownStats(doc.stats(), statsBefore)) << step;
        ASSERT_EQ(doc.changed(), changedBefore) << step;
        doc.ApplyEdit(redo);
        ASSERT_TRUE(SameShownStats(doc.stats(), statsAfter)) << step;
        ASSERT_TRUE(doc.changed());
    }
    EXPECT_THROW(doc.ApplyEdit(DrawEdit{doc.drawCount() + 1, 0, {}}), std::out_of_range);
    EXPECT_THROW(doc.ApplyEdit(DrawEdit{0, doc.drawCount() + 1, {}}), std::out_of_range);
}

TEST(LotteryDocumentDraws, UndoingBackToTheSavedStateMakesTheDocumentUnchanged) {
    test::TempDir dir;
    RecordingListener listener;
    LotteryDocument doc(&listener);
    RecordDraw(doc, {1, 2, 3, 4, 5, 6});
    SaveDocumentAs(doc, dir.file("a.dat"));
    const DrawEdit undo = doc.ApplyEdit(DrawEdit{1, 0, {DrawRecord{7, 8, 9, 10, 11, 12}}});
    EXPECT_TRUE(doc.changed());
    listener.events.clear();
    const DrawEdit redo = doc.ApplyEdit(undo);
    EXPECT_FALSE(doc.changed());
    EXPECT_EQ(listener.events,
              (std::vector<std::string>{"drawsEdited 1 1 0", "changedFlagChanged false"}));
    const DrawEdit undoAgain = doc.ApplyEdit(redo);
    EXPECT_TRUE(doc.changed());
    // Saved while the second draw is there: undoing it is now the unsaved change.
    SaveDocument(doc);
    doc.ApplyEdit(undoAgain);
    EXPECT_TRUE(doc.changed());
}

TEST(LotteryDocumentOperations, StartLotteryGivesAnEmptyUnnamedUnchangedDocumentOfTheShape) {
    test::TempDir dir;
    RecordingListener listener;
    LotteryDocument doc(&listener);
    doc.StartLottery({3, 10});
    RecordDraw(doc, {1, 2, 3});
    RecordDraw(doc, {1, 4, 5});
    EXPECT_EQ(doc.stats()[11].frequency, kUpperSentinelFrequency);
    EXPECT_EQ(doc.stats()[1].frequency, 2);
    EXPECT_EQ(doc.stats()[2].drawsSince, 1);
    EXPECT_EQ(doc.stats()[10].drawsSince, 2);
    SaveDocumentAs(doc, dir.file("old.dat"));
    RecordDraw(doc, {1, 6, 7});
    doc.MarkNumber(9);
    listener.events.clear();

    doc.StartLottery({3, 10});

    EXPECT_EQ(doc.shape(), (LotteryShape{3, 10}));
    EXPECT_EQ(doc.drawCount(), 0);
    EXPECT_EQ(doc.filePath(), "");
    EXPECT_EQ(doc.fileTitle(), "Безымянный");
    EXPECT_FALSE(doc.changed());
    EXPECT_EQ(doc.cardCount(), 0);
    EXPECT_TRUE(doc.cardSet().empty());
    EXPECT_EQ(doc.stats()[11].frequency, kUpperSentinelFrequency);
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(doc.stats()[i].frequency, 0) << i;
        EXPECT_EQ(doc.stats()[i].mostWith, 0) << i;
        EXPECT_EQ(doc.stats()[i].leastWith, 0) << i;
        EXPECT_EQ(doc.stats()[i].drawsSince, 0) << i;
        for (int j = 1; j <= 10; ++j)
            EXPECT_EQ(doc.stats()[i].together[j], 0) << i << "," << j;
    }
    EXPECT_EQ(listener.events,
              (std::vector<std::string>{"changedFlagChanged false", "drawsReplaced",
                                        "lotteryStarted 3/10", "fileNamed Безымянный"}));

    doc.StartLottery({5, 36});
    EXPECT_EQ(doc.stats()[37].frequency, kUpperSentinelFrequency);
    EXPECT_THROW(doc.StartLottery({6, 6}), std::invalid_argument);
}

TEST(LotteryDocumentOperations, StartLotteryForgetsTheReservedBytesOfAnOpenedFile) {
    test::TempDir dir;
    dir.write("a.dat", {6, 49, 1, 2, 3, 4, 5});
    LotteryDocument doc;
    OpenDocument(doc, dir.file("a.dat"));
    ASSERT_EQ(doc.trailerReserved(), (TrailerReserved{1, 2, 3, 4, 5}));
    doc.StartLottery({6, 49});
    EXPECT_EQ(doc.trailerReserved(), TrailerReserved{});
}

TEST(LotteryDocumentPlay, PlaysTheCardAsTheTicketAndShowsTheDraw) {
    LotteryDocument doc;
    for (int n : {1, 2, 3, 4, 5, 6})
        doc.MarkNumber(n);
    LcgRandom random(2024);
    const PlayDraw& draw = doc.PlayHomeDraw(random);

    LcgRandom same(2024);
    const PlayDraw expected = SimulatedDraw({6, 49}, doc.cardSet(), same);
    EXPECT_EQ(draw.count, 6);
    for (int m = 0; m < 6; ++m) {
        EXPECT_EQ(draw.balls[m].number, expected.balls[m].number);
        EXPECT_EQ(draw.balls[m].hit, expected.balls[m].hit);
    }
    EXPECT_EQ(doc.drawnSet(), expected.drawnSet);
    EXPECT_EQ(doc.matchedSet(), doc.cardSet().intersection(doc.drawnSet()));
    // A home draw never becomes a past draw.
    EXPECT_EQ(doc.drawCount(), 0);
    EXPECT_FALSE(doc.changed());
}

} // namespace
} // namespace lottery
