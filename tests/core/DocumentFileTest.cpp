#include "storage/DocumentFile.h"

#include "RecordingListener.h"
#include "TempDir.h"
#include "lottery/LotteryDocument.h"
#include "storage/DrawFile.h"
#include "storage/IoError.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lottery {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::RecordDraw;
using test::RecordingListener;
using test::TempDir;

TEST(DocumentSave, AFreshDocumentWithTwoDrawsIsThe21ByteExample) {
    TempDir dir;
    LotteryDocument doc;
    RecordDraw(doc, {1, 2, 3, 4, 5, 6});
    RecordDraw(doc, {7, 8, 9, 10, 11, 12});
    ASSERT_TRUE(doc.changed());
    SaveDocumentAs(doc, dir.file("two.dat"));
    EXPECT_EQ(dir.read("two.dat"), (Bytes{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x00, //
                                          0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x00, //
                                          0x06, 0x31, 0x00, 0x00, 0x00, 0x00, 0x00}));
    EXPECT_FALSE(doc.changed());
}

TEST(DocumentSave, AnEmptyDocumentIsOneSevenByteTrailer) {
    TempDir dir;
    LotteryDocument doc;
    doc.StartLottery({5, 36});
    SaveDocumentAs(doc, dir.file("empty.dat"));
    EXPECT_EQ(dir.read("empty.dat"), (Bytes{5, 36, 0, 0, 0, 0, 0}));
}

TEST(DocumentSave, ASuccessfulSaveDisablesTheSaveCommand) {
    TempDir dir;
    RecordingListener listener;
    LotteryDocument doc(&listener);
    RecordDraw(doc, {1, 2, 3, 4, 5, 6});
    listener.events.clear();
    SaveDocumentAs(doc, dir.file("a.dat"));
    EXPECT_FALSE(doc.changed());
    EXPECT_EQ(listener.events,
              (std::vector<std::string>{"changedFlagChanged false", "fileNamed a.dat"}));
}

TEST(DocumentSave, OverAReadOnlyFileIsFileAccessDeniedAndKeepsTheChanges) {
    TempDir dir;
    const Bytes old{3, 10, 0, 0, 0, 0, 0};
    dir.write("ro.dat", old);
    dir.setMode("ro.dat", 0444);
    LotteryDocument doc;
    RecordDraw(doc, {1, 2, 3, 4, 5, 6});
    try {
        SaveDocumentAs(doc, dir.file("ro.dat"));
        ADD_FAILURE() << "saved over a read-only file";
    } catch (const IoError& e) {
        EXPECT_EQ(e.code(), 5);
        EXPECT_STREQ(e.what(), "File access denied");
    }
    EXPECT_TRUE(doc.changed());
    EXPECT_FALSE(doc.named());
    EXPECT_EQ(dir.read("ro.dat"), old);
    EXPECT_EQ(dir.listing(), (std::vector<std::string>{"ro.dat"}));
}

TEST(DocumentOpen, ThreeHundredDrawsRoundTrip) {
    TempDir dir;
    LotteryDocument doc;
    doc.StartLottery({4, 20});
    for (int d = 0; d < 300; ++d)
        RecordDraw(doc, {d % 17 + 1, 18, 19, 20});
    SaveDocumentAs(doc, dir.file("300.dat"));
    EXPECT_EQ(dir.read("300.dat").size(), 301u * 7u);

    LotteryDocument other;
    OpenDocument(other, dir.file("300.dat"));
    EXPECT_EQ(other.shape(), (LotteryShape{4, 20}));
    ASSERT_EQ(other.drawCount(), 300);
    for (int d = 0; d < 300; ++d)
        ASSERT_EQ(other.draws()[static_cast<std::size_t>(d)],
                  doc.draws()[static_cast<std::size_t>(d)]);
    EXPECT_EQ(other.stats()[20].frequency, 300);
    EXPECT_EQ(other.drawLine(299), doc.drawLine(299));
}

TEST(DocumentOpen, ATrailerOf3Of10SwitchesTheDocumentToThatLottery) {
    TempDir dir;
    dir.write("3of10.dat", Bytes{1, 2, 3, 0, 0, 0, 0, 1, 4, 5, 0, 0, 0, 0, 3, 10, 0, 0, 0, 0, 0});
    RecordingListener listener;
    LotteryDocument doc(&listener);
    RecordDraw(doc, {1, 2, 3, 4, 5, 6});
    for (int n : {40, 41})
        doc.MarkNumber(n);
    listener.events.clear();

    OpenDocument(doc, dir.file("3of10.dat"));

    EXPECT_EQ(doc.shape(), (LotteryShape{3, 10}));
    EXPECT_EQ(doc.drawCount(), 2);
    EXPECT_EQ(doc.drawLine(1), "1  4  5  ");
    EXPECT_EQ(doc.filePath(), dir.file("3of10.dat"));
    EXPECT_EQ(doc.fileTitle(), "3of10.dat");
    EXPECT_FALSE(doc.changed());
    EXPECT_EQ(doc.cardCount(), 0);
    EXPECT_TRUE(doc.cardSet().empty());
    EXPECT_EQ(doc.stats()[11].frequency, kUpperSentinelFrequency);
    EXPECT_EQ(doc.stats()[1].frequency, 2);
    EXPECT_EQ(doc.stats()[1].mostWith, 2);
    EXPECT_EQ(doc.stats()[1].leastWith, 6);
    EXPECT_EQ(doc.stats()[10].drawsSince, 2);

    EXPECT_EQ(listener.events,
              (std::vector<std::string>{"drawsReplaced", "changedFlagChanged false",
                                        "lotteryStarted 3/10", "fileNamed 3of10.dat"}));
}

TEST(DocumentOpen, AnEmptyDatabaseReplacesWhateverTheDocumentHeld) {
    TempDir dir;
    dir.write("empty.dat", Bytes{2, 7, 0, 0, 0, 0, 0});
    LotteryDocument doc;
    RecordDraw(doc, {1, 2, 3, 4, 5, 6});
    OpenDocument(doc, dir.file("empty.dat"));
    EXPECT_EQ(doc.shape(), (LotteryShape{2, 7}));
    EXPECT_EQ(doc.drawCount(), 0);
    EXPECT_FALSE(doc.changed());
    for (int i = 1; i <= 7; ++i)
        EXPECT_EQ(doc.stats()[i].frequency, 0) << i;
}

TEST(DocumentOpen, ReservedBytesAndBytesAfterKSurviveOpenAndSave) {
    TempDir dir;
    const Bytes original{9, 3, 0xFF, 0x00, 0x80, 0x31, 0x07, //
                         1, 2, 0xAB, 0xCD, 0xEF, 0x01, 0x02, //
                         2, 9, 0x11, 0x22, 0x33, 0x44, 0x55};
    dir.write("in.dat", original);
    LotteryDocument doc;
    OpenDocument(doc, dir.file("in.dat"));
    EXPECT_EQ(doc.trailerReserved(), (TrailerReserved{0x11, 0x22, 0x33, 0x44, 0x55}));
    EXPECT_EQ(doc.drawLine(0), "9  3  ");
    SaveDocumentAs(doc, dir.file("out.dat"));
    EXPECT_EQ(dir.read("out.dat"), original);

    // A draw added after opening keeps the reserved bytes of the file in the trailer.
    RecordDraw(doc, {4, 5});
    SaveDocumentAs(doc, dir.file("out.dat"));
    const Bytes saved = dir.read("out.dat");
    ASSERT_EQ(saved.size(), 28u);
    EXPECT_EQ(Bytes(saved.end() - 7, saved.end()), (Bytes{2, 9, 0x11, 0x22, 0x33, 0x44, 0x55}));
    EXPECT_EQ(saved[14], 4);
    EXPECT_EQ(saved[15], 5);
}

// A snapshot of everything a failed open must leave alone.
struct DocumentState {
    LotteryShape shape;
    std::vector<DrawRecord> draws;
    std::string filePath;
    std::string fileTitle;
    bool changed;
    int cardCount;
    NumberSet cardSet;
    TrailerReserved reserved;
    std::int32_t frequencyOf1;

    static DocumentState Of(const LotteryDocument& doc) {
        return {doc.shape(),
                {doc.draws().begin(), doc.draws().end()},
                doc.filePath(),
                doc.fileTitle(),
                doc.changed(),
                doc.cardCount(),
                doc.cardSet(),
                doc.trailerReserved(),
                doc.stats()[1].frequency};
    }
    bool operator==(const DocumentState&) const = default;
};

struct FailedOpenCase {
    const char* name;
    std::function<std::string(const TempDir&)> prepare; // returns the path to open
    int code;                                           // 0: InvalidContentError
    const char* message;                                // for IoError cases
};

class FailedOpen : public ::testing::TestWithParam<FailedOpenCase> {};

TEST_P(FailedOpen, LeavesTheDocumentAndTheWindowAsTheyWere) {
    const FailedOpenCase& c = GetParam();
    TempDir dir;
    const std::string path = c.prepare(dir);

    RecordingListener listener;
    LotteryDocument doc(&listener);
    RecordDraw(doc, {1, 2, 3, 4, 5, 6});
    SaveDocumentAs(doc, dir.file("old.dat"));
    RecordDraw(doc, {1, 12, 13, 14, 15, 16});
    doc.MarkNumber(33);
    const DocumentState before = DocumentState::Of(doc);
    listener.events.clear();

    if (c.code == 0) {
        EXPECT_THROW(OpenDocument(doc, path), InvalidContentError);
    } else {
        try {
            OpenDocument(doc, path);
            ADD_FAILURE() << "opened";
        } catch (const IoError& e) {
            EXPECT_EQ(e.code(), c.code);
            EXPECT_STREQ(e.what(), c.message);
        }
    }
    EXPECT_TRUE(DocumentState::Of(doc) == before);
    EXPECT_TRUE(doc.changed());
    EXPECT_EQ(doc.drawCount(), 2);
    EXPECT_EQ(doc.filePath(), dir.file("old.dat"));
    EXPECT_TRUE(listener.events.empty()) << listener.events.front();
}

std::function<std::string(const TempDir&)> FileOf(Bytes bytes, mode_t mode = 0644) {
    return [bytes, mode](const TempDir& dir) {
        dir.write("bad.dat", bytes);
        dir.setMode("bad.dat", mode);
        return dir.file("bad.dat");
    };
}

INSTANTIATE_TEST_SUITE_P(
    Causes, FailedOpen,
    ::testing::Values(
        FailedOpenCase{"Missing", [](const TempDir& d) { return d.file("none.dat"); }, 2,
                       "File not found"},
        FailedOpenCase{"ReadOnly", FileOf({3, 10, 0, 0, 0, 0, 0}, 0444), 5, "File access denied"},
        FailedOpenCase{"Empty", FileOf({}), 131, "I/O error 131"},
        FailedOpenCase{"SixBytes", FileOf({6, 49, 0, 0, 0, 0}), 131, "I/O error 131"},
        FailedOpenCase{"KZero", FileOf({0, 49, 0, 0, 0, 0, 0}), 0, ""},
        FailedOpenCase{"KEight", FileOf({8, 49, 0, 0, 0, 0, 0}), 0, ""},
        FailedOpenCase{"NNotAboveK", FileOf({5, 5, 0, 0, 0, 0, 0}), 0, ""},
        FailedOpenCase{"NFifty", FileOf({6, 50, 0, 0, 0, 0, 0}), 0, ""},
        FailedOpenCase{"NumberAboveN", FileOf({1, 2, 11, 0, 0, 0, 0, 3, 10, 0, 0, 0, 0, 0}), 0, ""},
        FailedOpenCase{"NumberZero", FileOf({1, 0, 3, 0, 0, 0, 0, 3, 10, 0, 0, 0, 0, 0}), 0, ""}),
    [](const ::testing::TestParamInfo<FailedOpenCase>& info) { return info.param.name; });

} // namespace
} // namespace lottery
