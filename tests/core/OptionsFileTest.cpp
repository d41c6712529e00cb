#include "storage/OptionsFile.h"

#include "FaultyFileSystem.h"
#include "TempDir.h"
#include "storage/IoError.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <vector>

namespace lottery {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::TempDir;

Bytes ToBytes(const std::array<std::uint8_t, kOptionsRecordSize>& a) {
    return {a.begin(), a.end()};
}

TEST(OptionsRecordLayout, DefaultsAreTheDesignColoursWithSystemColoursAsSuch) {
    const OptionsRecord defaults;
    EXPECT_EQ(defaults.background, 1);
    EXPECT_TRUE(defaults.firstPattern());
    EXPECT_EQ(static_cast<std::uint32_t>(defaults.tableHeadColour), 0x8000000Fu);
    EXPECT_EQ(static_cast<std::uint32_t>(defaults.tableFontColour), 0x80000008u);
    EXPECT_EQ(defaults.tableBackColour, 0x00FFFFFF);
    EXPECT_EQ(defaults.titleColour, 0);
    EXPECT_EQ(ToBytes(EncodeOptions(defaults)),
              (Bytes{0x01, 0x00, 0x00, 0x00,    // background, reserved
                     0x00, 0x00, 0x00, 0x00,    // title: black
                     0x08, 0x00, 0x00, 0x80,    // table text: window text
                     0xFF, 0xFF, 0xFF, 0x00,    // table background: white
                     0x0F, 0x00, 0x00, 0x80})); // title cells: button face
}

TEST(OptionsRecordLayout, IsTwentyLittleEndianBytes) {
    OptionsRecord record;
    record.background = 2;
    record.reserved = {0xAA, 0xBB, 0xCC};
    record.titleColour = colour::Rgb(0x12, 0x34, 0x56);
    record.tableFontColour = 0x01020304;
    record.tableBackColour = 0x00A0B0C0;
    record.tableHeadColour = colour::System(colour::kHighlight);
    EXPECT_EQ(record.titleColour, 0x00563412);
    const Bytes bytes = ToBytes(EncodeOptions(record));
    EXPECT_EQ(bytes, (Bytes{0x02, 0xAA, 0xBB, 0xCC, 0x12, 0x34, 0x56, 0x00, 0x04, 0x03,
                            0x02, 0x01, 0xC0, 0xB0, 0xA0, 0x00, 0x0D, 0x00, 0x00, 0x80}));
    const auto decoded = DecodeOptions(bytes);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, record);
}

TEST(OptionsRecordLayout, ReservedBytesReadAreWrittenBack) {
    const Bytes bytes{0x01, 0x7F, 0x80, 0xFE, 0,    0, 0,  0, 8, 0,
                      0,    0x80, 0xFF, 0xFF, 0xFF, 0, 15, 0, 0, 0x80};
    const auto decoded = DecodeOptions(bytes);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->reserved, (std::array<std::uint8_t, 3>{0x7F, 0x80, 0xFE}));
    EXPECT_EQ(ToBytes(EncodeOptions(*decoded)), bytes);
}

TEST(OptionsRecordLayout, AnyBackgroundOtherThanOneIsTheSecondPattern) {
    for (int background : {0, 2, 3, 255}) {
        Bytes bytes = ToBytes(EncodeOptions(OptionsRecord{}));
        bytes[0] = static_cast<std::uint8_t>(background);
        const auto decoded = DecodeOptions(bytes);
        ASSERT_TRUE(decoded.has_value());
        EXPECT_FALSE(decoded->firstPattern()) << background;
    }
    EXPECT_TRUE(DecodeOptions(ToBytes(EncodeOptions(OptionsRecord{})))->firstPattern());
}

TEST(OptionsRecordLayout, EveryValueWithTheHighBitSetIsASystemColour) {
    struct Case {
        std::uint32_t stored;
        int index;
    };
    for (const Case c : {Case{0x8000000F, 15}, Case{0x80000008, 8}, Case{0xFF000005, 5},
                         Case{0xC000000D, 13}, Case{0x8000FF0E, 14}}) {
        Bytes bytes = ToBytes(EncodeOptions(OptionsRecord{}));
        for (int i = 0; i < 4; ++i)
            bytes[16 + static_cast<std::size_t>(i)] =
                static_cast<std::uint8_t>(c.stored >> (8 * i));
        const auto decoded = DecodeOptions(bytes);
        ASSERT_TRUE(decoded.has_value());
        EXPECT_TRUE(colour::IsSystem(decoded->tableHeadColour)) << std::hex << c.stored;
        EXPECT_EQ(colour::SystemIndex(decoded->tableHeadColour), c.index) << std::hex << c.stored;
        // Written back in the one documented form.
        const Bytes again = ToBytes(EncodeOptions(*decoded));
        EXPECT_EQ((Bytes{again.begin() + 16, again.end()}),
                  (Bytes{static_cast<std::uint8_t>(c.index), 0, 0, 0x80}))
            << std::hex << c.stored;
    }
    // A plain colour has the high bit clear.
    EXPECT_FALSE(colour::IsSystem(0x00FFFFFF));
}

TEST(OptionsRecordLayout, FewerThanTwentyBytesCountAsNoFile) {
    const Bytes full = ToBytes(EncodeOptions(OptionsRecord{}));
    for (std::size_t size = 0; size < 20; ++size)
        EXPECT_FALSE(
            DecodeOptions(Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size))))
            << size;
}

TEST(OptionsFileIo, SaveAndLoadRestoreTheRecordExactly) {
    TempDir dir;
    OptionsRecord record;
    record.background = 2;
    record.titleColour = colour::Rgb(200, 10, 30);
    record.tableFontColour = colour::Rgb(1, 2, 3);
    record.tableBackColour = colour::System(colour::kWindow);
    record.tableHeadColour = colour::Rgb(250, 250, 0);
    SaveOptions(dir.file(kOptionsFileName), record);
    EXPECT_EQ(dir.read("User.opt").size(), 20u);
    const auto loaded = LoadOptions(dir.file(kOptionsFileName));
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(*loaded, record);
    EXPECT_EQ(dir.listing(), (std::vector<std::string>{"User.opt"}));
}

TEST(OptionsFileIo, AMissingOrShortFileLoadsAsNothing) {
    TempDir dir;
    EXPECT_FALSE(LoadOptions(dir.file("User.opt")).has_value());
    dir.write("User.opt", Bytes(19, 1));
    EXPECT_FALSE(LoadOptions(dir.file("User.opt")).has_value());
    dir.write("User.opt", Bytes{});
    EXPECT_FALSE(LoadOptions(dir.file("User.opt")).has_value());
}

TEST(OptionsFileIo, AReadOnlyFileIsIgnoredAtLoadAndRefusedAtSave) {
    TempDir dir;
    const Bytes bytes = ToBytes(EncodeOptions(OptionsRecord{}));
    dir.write("User.opt", bytes);
    dir.setMode("User.opt", 0444);
    EXPECT_FALSE(LoadOptions(dir.file("User.opt")).has_value());
    OptionsRecord changed;
    changed.background = 2;
    try {
        SaveOptions(dir.file("User.opt"), changed);
        ADD_FAILURE() << "saved over a read-only options file";
    } catch (const IoError& e) {
        EXPECT_EQ(e.code(), 5);
        EXPECT_STREQ(e.what(), "File access denied");
    }
    EXPECT_EQ(dir.read("User.opt"), bytes);
}

TEST(OptionsFileIo, AFailedSaveKeepsTheOldOptions) {
    TempDir dir;
    const Bytes bytes = ToBytes(EncodeOptions(OptionsRecord{}));
    dir.write("User.opt", bytes);
    test::FaultyFileSystem fs;
    fs.failCall(test::FaultyFileSystem::Op::Write, 1, ENOSPC);
    OptionsRecord changed;
    changed.background = 2;
    try {
        SaveOptions(dir.file("User.opt"), changed, fs);
        ADD_FAILURE() << "the save reported success";
    } catch (const IoError& e) {
        EXPECT_STREQ(e.what(), "Disk full");
    }
    EXPECT_EQ(dir.read("User.opt"), bytes);
    EXPECT_EQ(dir.listing(), (std::vector<std::string>{"User.opt"}));
}

TEST(OptionsFileIo, AnUnreadableFileLoadsAsNothingWithoutThrowing) {
    TempDir dir;
    dir.write("User.opt", ToBytes(EncodeOptions(OptionsRecord{})));
    test::FaultyFileSystem fs;
    fs.failCall(test::FaultyFileSystem::Op::Read, 0, EIO);
    std::optional<OptionsRecord> loaded;
    EXPECT_NO_THROW(loaded = LoadOptions(dir.file("User.opt"), fs));
    EXPECT_FALSE(loaded.has_value());
}

} // namespace
} // namespace lottery
