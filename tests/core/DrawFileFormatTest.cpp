#include "storage/DrawFile.h"
#include "storage/IoError.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace lottery {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(DrawFileFormat, TwoDrawsOf6Of49AreThe21BytesOfTheExample) {
    const std::vector<DrawRecord> draws{{1, 2, 3, 4, 5, 6, 0}, {7, 8, 9, 10, 11, 12, 0}};
    const Bytes expected{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x00, //
                         0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x00, //
                         0x06, 0x31, 0x00, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(EncodeDrawFile(draws, {6, 49}, TrailerReserved{}), expected);

    const DrawFileContent content = DecodeDrawFile(expected);
    EXPECT_EQ(content.shape, (LotteryShape{6, 49}));
    EXPECT_EQ(content.draws, draws);
    EXPECT_EQ(content.reserved, TrailerReserved{});
}

TEST(DrawFileFormat, AnEmptyDocumentIsOneTrailerRecord) {
    EXPECT_EQ(EncodeDrawFile({}, {3, 10}, TrailerReserved{}), (Bytes{3, 10, 0, 0, 0, 0, 0}));
    const DrawFileContent content = DecodeDrawFile(Bytes{3, 10, 0, 0, 0, 0, 0});
    EXPECT_EQ(content.shape, (LotteryShape{3, 10}));
    EXPECT_TRUE(content.draws.empty());
}

TEST(DrawFileFormat, CarriesReservedBytesAndTheBytesAfterKUnchanged) {
    // 2 out of 5: bytes 2..6 of each draw mean nothing but come back as they were.
    const std::vector<DrawRecord> draws{{5, 1, 0xFF, 0x00, 0x80, 0x7F, 0x01},
                                        {2, 3, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE}};
    const TrailerReserved reserved{0xDE, 0xAD, 0xBE, 0xEF, 0x42};
    const Bytes bytes = EncodeDrawFile(draws, {2, 5}, reserved);
    EXPECT_EQ(bytes, (Bytes{5, 1, 0xFF, 0x00, 0x80, 0x7F, 0x01, //
                            2, 3, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, //
                            2, 5, 0xDE, 0xAD, 0xBE, 0xEF, 0x42}));
    const DrawFileContent content = DecodeDrawFile(bytes);
    EXPECT_EQ(content.draws, draws);
    EXPECT_EQ(content.reserved, reserved);
    EXPECT_EQ(EncodeDrawFile(content.draws, content.shape, content.reserved), bytes);
}

TEST(DrawFileFormat, ASizeThatIsNotAMultipleOfSevenIsReadAsItsWholeRecords) {
    // The last whole record is the trailer; the partial one after it is ignored.
    const Bytes bytes{1, 2,  3, 0, 0, 0, 0, //
                      3, 10, 0, 0, 0, 0, 0, //
                      9, 9,  9};
    const DrawFileContent content = DecodeDrawFile(bytes);
    EXPECT_EQ(content.shape, (LotteryShape{3, 10}));
    ASSERT_EQ(content.draws.size(), 1u);
    EXPECT_EQ(content.draws[0], (DrawRecord{1, 2, 3, 0, 0, 0, 0}));

    const Bytes trailerAndScrap{6, 49, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6};
    const DrawFileContent alone = DecodeDrawFile(trailerAndScrap);
    EXPECT_EQ(alone.shape, (LotteryShape{6, 49}));
    EXPECT_TRUE(alone.draws.empty());
}

TEST(DrawFileFormat, ThreeHundredDrawsComeBackWhole) {
    std::mt19937 rng(300);
    std::vector<DrawRecord> draws;
    for (int d = 0; d < 300; ++d) {
        DrawRecord r{};
        for (int p = 0; p < 7; ++p)
            r[p] = static_cast<std::uint8_t>(std::uniform_int_distribution<int>(1, 45)(rng));
        draws.push_back(r);
    }
    const Bytes bytes = EncodeDrawFile(draws, {7, 45}, TrailerReserved{});
    ASSERT_EQ(bytes.size(), 7u * 301u);
    const DrawFileContent content = DecodeDrawFile(bytes);
    EXPECT_EQ(content.draws.size(), 300u);
    EXPECT_EQ(content.draws, draws);
}

TEST(DrawFileFormat, FewerThanSevenBytesIsIoError131) {
    for (std::size_t size = 0; size < 7; ++size) {
        const Bytes bytes(size, 3);
        try {
            DecodeDrawFile(bytes);
            ADD_FAILURE() << "accepted " << size << " bytes";
        } catch (const IoError& e) {
            EXPECT_EQ(e.code(), 131) << size;
            EXPECT_STREQ(e.what(), "I/O error 131") << size;
        }
    }
}

struct BadFile {
    const char* name;
    Bytes bytes;
};

class DrawFileRejects : public ::testing::TestWithParam<BadFile> {};

TEST_P(DrawFileRejects, ContentThatCannotBeALotteryDatabase) {
    EXPECT_THROW(DecodeDrawFile(GetParam().bytes), InvalidContentError);
}

INSTANTIATE_TEST_SUITE_P(
    BadShapesAndNumbers, DrawFileRejects,
    ::testing::Values(
        BadFile{"KZero", {0, 49, 0, 0, 0, 0, 0}}, BadFile{"KEight", {8, 49, 0, 0, 0, 0, 0}},
        BadFile{"KHuge", {255, 49, 0, 0, 0, 0, 0}}, BadFile{"NEqualsK", {6, 6, 0, 0, 0, 0, 0}},
        BadFile{"NBelowK", {6, 3, 0, 0, 0, 0, 0}}, BadFile{"NFifty", {6, 50, 0, 0, 0, 0, 0}},
        BadFile{"NHuge", {1, 255, 0, 0, 0, 0, 0}},
        BadFile{"NumberZero", {1, 2, 0, 0, 0, 0, 0, 3, 10, 0, 0, 0, 0, 0}},
        BadFile{"NumberAboveN", {1, 2, 11, 0, 0, 0, 0, 3, 10, 0, 0, 0, 0, 0}},
        BadFile{"NumberAboveNInLaterDraw",
                {1, 2, 3, 0, 0, 0, 0, 4, 5, 255, 0, 0, 0, 0, 3, 10, 0, 0, 0, 0, 0}},
        BadFile{"FirstNumberZeroOneOfTwo", {0, 0, 0, 0, 0, 0, 0, 1, 2, 0, 0, 0, 0, 0}},
        BadFile{"NumberAbove49Of7Of49", {1, 2, 3, 4, 5, 6, 50, 7, 49, 0, 0, 0, 0, 0}}),
    [](const ::testing::TestParamInfo<BadFile>& info) { return info.param.name; });

TEST(DrawFileFormat, LimitShapesAreAccepted) {
    for (const LotteryShape shape :
         {LotteryShape{1, 2}, LotteryShape{1, 49}, LotteryShape{7, 8}, LotteryShape{7, 49}}) {
        DrawRecord r{};
        for (int p = 0; p < shape.K; ++p)
            r[p] = static_cast<std::uint8_t>(shape.N - p);
        const auto content =
            DecodeDrawFile(EncodeDrawFile(std::vector<DrawRecord>{r}, shape, TrailerReserved{}));
        EXPECT_EQ(content.shape, shape);
        EXPECT_EQ(content.draws.size(), 1u);
    }
}

TEST(DrawFileErrors, InvalidContentHasItsOwnMessage) {
    const InvalidContentError error;
    const std::string message = error.what();
    EXPECT_FALSE(message.empty());
    for (int code : {2, 3, 4, 5, 100, 101, 106, 131})
        EXPECT_NE(message, IoError::MessageFor(code));
}

} // namespace
} // namespace lottery
