#include "LotteryDocument.h"

#include "RecordingListener.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lottery {
namespace {

using test::RecordingListener;

void AddDrawOf(LotteryDocument& doc, const std::vector<int>& numbers) {
    for (int n : numbers)
        doc.MarkNumber(n);
    doc.AddDraw();
    doc.ResetCard();
}

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
    EXPECT_FALSE(doc.playShown());
    EXPECT_FALSE(doc.newAccepted());
    EXPECT_EQ(doc.lastAnswer(), 0);
    EXPECT_EQ(doc.trailerReserved(), TrailerReserved{});
}

TEST(LotteryDocumentTitle, UsesTheFixedPrefixAndTheInitialDesignTitle) {
    EXPECT_EQ(std::string(kTitlePrefix), " \"Нумерариум\"  от  Velkora  -  ");
    EXPECT_EQ(std::string(kInitialTitle), " \"Жребикон\"  от  Velkora  -  Безымянный");
    EXPECT_EQ(std::string(kUnnamedTitle), "Безымянный");

    LotteryDocument doc;
    EXPECT_EQ(doc.windowTitle(), " \"Нумерариум\"  от  Velkora  -  Безымянный");
    doc.setFileTitle("draws.dat");
    EXPECT_EQ(doc.windowTitle(), " \"Нумерариум\"  от  Velkora  -  draws.dat");
}

TEST(LotteryDocumentTitle, FileNamePartDropsTheFolders) {
    EXPECT_EQ(FileNamePart("/home/u/draws.dat"), "draws.dat");
    EXPECT_EQ(FileNamePart("draws.dat"), "draws.dat");
    EXPECT_EQ(FileNamePart("/a/b/Лото 6 из 49.dat"), "Лото 6 из 49.dat");
}

TEST(LotteryDocumentDraws, KeepsMoreThan255DrawsWhole) {
    LotteryDocument doc;
    doc.Starting();
    for (int d = 0; d < 300; ++d) {
        const int first = d % 40 + 1;
        AddDrawOf(doc, {first, first + 1, first + 2, first + 3, first + 4, 49 - (d % 2)});
    }
    ASSERT_EQ(doc.drawCount(), 300);
    ASSERT_EQ(doc.draws().size(), 300u);
    for (int d = 0; d < 300; ++d) {
        const int first = d % 40 + 1;
        EXPECT_EQ(doc.draws()[static_cast<std::size_t>(d)][0], first) << d;
        EXPECT_EQ(doc.draws()[static_cast<std::size_t>(d)][5], 49 - (d % 2)) << d;
    }
    EXPECT_EQ(doc.drawLine(299), "20  21  22  23  24  48  ");
    doc.StatAll();
    EXPECT_EQ(doc.stats()[49].frequency + doc.stats()[48].frequency, 300);
}

TEST(LotteryDocumentDraws, AddDrawReportsTheNewLineToTheListenerAndLeavesTheRestToTheCaller) {
    RecordingListener listener;
    LotteryDocument doc(&listener);
    doc.Starting();
    listener.events.clear();
    for (int n : {3, 17, 22, 30, 41, 45})
        doc.MarkNumber(n);
    EXPECT_EQ(doc.AddDraw(), "3  17  22  30  41  45  ");
    EXPECT_EQ(doc.drawCount(), 1);
    EXPECT_EQ(doc.drawLine(0), "3  17  22  30  41  45  ");
    EXPECT_EQ(listener.events, (std::vector<std::string>{"drawAppended 0"}));
    // The card and the flag are the caller's business.
    EXPECT_EQ(doc.cardCount(), 6);
    EXPECT_FALSE(doc.changed());
}

TEST(LotteryDocumentDraws, SetChangedIsReportedAsTheSaveCommandState) {
    RecordingListener listener;
    LotteryDocument doc(&listener);
    doc.setChanged(true);
    EXPECT_TRUE(doc.changed());
    EXPECT_TRUE(listener.saw("changedFlagChanged true"));
    doc.setChanged(false);
    EXPECT_FALSE(doc.changed());
    EXPECT_EQ(listener.events.back(), "changedFlagChanged false");
}

TEST(LotteryDocumentOperations, StartingAppliesTheShapeResetsTheCardAndRecomputes) {
    RecordingListener listener;
    LotteryDocument doc(&listener);
    doc.setShape({3, 10});
    doc.Starting();
    AddDrawOf(doc, {1, 2, 3});
    AddDrawOf(doc, {1, 4, 5});
    doc.setFilePath("/tmp/x.dat");
    doc.setFileTitle("x.dat");
    doc.MarkNumber(7);
    listener.events.clear();

    doc.Starting();

    EXPECT_EQ(listener.events, (std::vector<std::string>{"shapeApplied 3/10", "pageReset"}));
    EXPECT_EQ(doc.cardCount(), 0);
    EXPECT_TRUE(doc.cardSet().empty());
    EXPECT_EQ(doc.fileTitle(), "Безымянный");
    EXPECT_EQ(doc.filePath(), "/tmp/x.dat");
    EXPECT_EQ(doc.drawCount(), 2);
    EXPECT_EQ(doc.stats()[11].frequency, kUpperSentinelFrequency);
    EXPECT_EQ(doc.stats()[1].frequency, 2);
    EXPECT_EQ(doc.stats()[2].drawsSince, 1);
    EXPECT_EQ(doc.stats()[10].drawsSince, 2);
}

TEST(LotteryDocumentOperations, ClearBlanksTheTablesOfTheCurrentNAndZeroesTheirRecords) {
    RecordingListener listener;
    LotteryDocument doc(&listener);
    doc.setShape({3, 10});
    doc.Starting();
    AddDrawOf(doc, {1, 2, 3});
    doc.StatAll();
    ASSERT_EQ(doc.stats()[1].frequency, 1);
    listener.events.clear();

    doc.Clear();

    EXPECT_TRUE(listener.saw("drawListReset"));
    EXPECT_TRUE(listener.saw("tablesBlanked 10"));
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(doc.stats()[i].frequency, 0) << i;
        EXPECT_EQ(doc.stats()[i].mostWith, 0) << i;
        EXPECT_EQ(doc.stats()[i].leastWith, 0) << i;
        EXPECT_EQ(doc.stats()[i].drawsSince, 0) << i;
        for (int j = 1; j <= 10; ++j)
            EXPECT_EQ(doc.stats()[i].together[j], 0) << i << "," << j;
    }
    EXPECT_EQ(doc.stats()[11].frequency, kUpperSentinelFrequency);
}

TEST(LotteryDocumentOperations, StartNewLotteryGivesAnEmptyUnnamedUnchangedDocumentOfTheNewShape) {
    RecordingListener listener;
    LotteryDocument doc(&listener);
    doc.Starting();
    AddDrawOf(doc, {1, 2, 3, 4, 5, 6});
    doc.setChanged(true);
    doc.setFilePath("/tmp/old.dat");
    doc.setFileTitle("old.dat");
    doc.MarkNumber(9);
    listener.events.clear();

    doc.setShape({5, 36}); // written by the New-lottery dialog
    doc.StartNewLottery();

    EXPECT_EQ(doc.shape(), (LotteryShape{5, 36}));
    EXPECT_EQ(doc.drawCount(), 0);
    EXPECT_TRUE(doc.draws().empty());
    EXPECT_EQ(doc.filePath(), "");
    EXPECT_EQ(doc.fileTitle(), "Безымянный");
    EXPECT_EQ(doc.windowTitle(), " \"Нумерариум\"  от  Velkora  -  Безымянный");
    EXPECT_FALSE(doc.changed());
    EXPECT_EQ(doc.cardCount(), 0);
    EXPECT_EQ(doc.trailerReserved(), TrailerReserved{});
    EXPECT_EQ(doc.stats()[37].frequency, kUpperSentinelFrequency);
    for (int i = 1; i <= 36; ++i)
        EXPECT_EQ(doc.stats()[i].frequency, 0) << i;

    // Clear comes before Starting; the Save command is disabled.
    const int cleared = listener.indexOf("drawListReset");
    const int blanked = listener.indexOf("tablesBlanked 36");
    const int applied = listener.indexOf("shapeApplied 5/36");
    const int reset = listener.indexOf("pageReset");
    EXPECT_GE(cleared, 0);
    EXPECT_GE(blanked, 0);
    EXPECT_LT(cleared, applied);
    EXPECT_LT(blanked, applied);
    EXPECT_LT(applied, reset);
    EXPECT_TRUE(listener.saw("changedFlagChanged false"));
}

TEST(LotteryDocumentOperations, StartNewLotteryForgetsTheReservedBytesOfAnOpenedFile) {
    LotteryDocument doc;
    DrawFileContent content;
    content.shape = {6, 49};
    content.reserved = {1, 2, 3, 4, 5};
    doc.ApplyOpened(content, "/tmp/a.dat");
    ASSERT_EQ(doc.trailerReserved(), (TrailerReserved{1, 2, 3, 4, 5}));
    doc.StartNewLottery();
    EXPECT_EQ(doc.trailerReserved(), TrailerReserved{});
}

TEST(LotteryDocumentPlay, PlaysTheCardAsTheTicketAndShowsTheDraw) {
    LotteryDocument doc;
    doc.Starting();
    for (int n : {1, 2, 3, 4, 5, 6})
        doc.MarkNumber(n);
    LcgRandom random(2024);
    const PlayDraw& draw = doc.PlayDrawAgainstCard(random);

    LcgRandom same(2024);
    const PlayDraw expected = SimulatedDraw({6, 49}, doc.cardSet(), same);
    EXPECT_TRUE(doc.playShown());
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
