#include "FaultyFileSystem.h"
#include "TempDir.h"
#include "storage/DrawFile.h"
#include "storage/IoError.h"

#include <gtest/gtest.h>
#include <vector>

namespace lottery {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::FaultyFileSystem;
using test::TempDir;

const Bytes kExample{1, 2, 3, 4, 5, 6, 0, 7, 8, 9, 10, 11, 12, 0, 6, 49, 0, 0, 0, 0, 0};

// Runs f and gives the IoError it throws; fails the test if it throws nothing.
template <typename F> IoError ExpectIoError(F f) {
    try {
        f();
    } catch (const IoError& e) {
        return e;
    }
    ADD_FAILURE() << "no IoError was thrown";
    return IoError(0);
}

TEST(DrawFileRead, ReadsAWholeFile) {
    TempDir dir;
    dir.write("a.dat", kExample);
    const DrawFileContent content = ReadDrawFile(dir.file("a.dat"));
    EXPECT_EQ(content.shape, (LotteryShape{6, 49}));
    ASSERT_EQ(content.draws.size(), 2u);
    EXPECT_EQ(content.draws[1], (DrawRecord{7, 8, 9, 10, 11, 12, 0}));
}

TEST(DrawFileRead, AMissingFileIsFileNotFound) {
    TempDir dir;
    const IoError e = ExpectIoError([&] { ReadDrawFile(dir.file("missing.dat")); });
    EXPECT_EQ(e.code(), 2);
    EXPECT_STREQ(e.what(), "File not found");
}

TEST(DrawFileRead, AReadOnlyFileIsFileAccessDenied) {
    // Tests may run as root: the missing write bits alone make a file read-only here.
    TempDir dir;
    dir.write("ro.dat", kExample);
    dir.setMode("ro.dat", 0444);
    const IoError e = ExpectIoError([&] { ReadDrawFile(dir.file("ro.dat")); });
    EXPECT_EQ(e.code(), 5);
    EXPECT_STREQ(e.what(), "File access denied");
}

TEST(DrawFileRead, AnEmptyOrTooShortFileIsIoError131) {
    TempDir dir;
    for (std::size_t size : {0u, 1u, 6u}) {
        dir.write("short.dat", Bytes(size, 6));
        const IoError e = ExpectIoError([&] { ReadDrawFile(dir.file("short.dat")); });
        EXPECT_EQ(e.code(), 131) << size;
        EXPECT_STREQ(e.what(), "I/O error 131") << size;
    }
}

TEST(DrawFileRead, AFolderIsRefusedWithAnIoError) {
    TempDir dir;
    EXPECT_THROW(ReadDrawFile(dir.path().string()), IoError);
}

TEST(DrawFileRead, ReadsEverythingEvenWhenTheSystemHandsOverFewerBytes) {
    TempDir dir;
    Bytes big;
    for (int d = 0; d < 500; ++d)
        for (int p = 0; p < 7; ++p)
            big.push_back(static_cast<std::uint8_t>((d + p) % 49 + 1));
    for (int b : {7, 49, 1, 2, 3, 4, 5})
        big.push_back(static_cast<std::uint8_t>(b));
    dir.write("big.dat", big);
    FaultyFileSystem fs;
    fs.useShortTransfers();
    const DrawFileContent content = ReadDrawFile(dir.file("big.dat"), fs);
    EXPECT_EQ(content.draws.size(), 500u);
    EXPECT_EQ(EncodeDrawFile(content.draws, content.shape, content.reserved), big);
}

TEST(DrawFileRead, AFailingReadIsAnIoErrorNotAShortFile) {
    TempDir dir;
    dir.write("a.dat", kExample);
    FaultyFileSystem fs;
    fs.failCall(FaultyFileSystem::Op::Read, 1, EIO);
    EXPECT_THROW(ReadDrawFile(dir.file("a.dat"), fs), IoError);
    EXPECT_GT(fs.faultsInjected(), 0);
}

TEST(DrawFileWrite, WritesTheExampleBytes) {
    TempDir dir;
    WriteDrawFile(dir.file("out.dat"),
                  std::vector<DrawRecord>{{1, 2, 3, 4, 5, 6, 0}, {7, 8, 9, 10, 11, 12, 0}}, {6, 49},
                  TrailerReserved{});
    EXPECT_EQ(dir.read("out.dat"), kExample);
    EXPECT_EQ(dir.listing(), (std::vector<std::string>{"out.dat"}));
}

TEST(DrawFileWrite, WritesEverythingEvenWhenTheSystemTakesFewerBytes) {
    TempDir dir;
    std::vector<DrawRecord> draws(300, DrawRecord{1, 2, 3, 4, 5, 6, 7});
    FaultyFileSystem fs;
    fs.useShortTransfers();
    WriteDrawFile(dir.file("out.dat"), draws, {6, 49}, TrailerReserved{}, fs);
    EXPECT_EQ(dir.read("out.dat"), EncodeDrawFile(draws, {6, 49}, TrailerReserved{}));
}

TEST(DrawFileWrite, OverAReadOnlyFileIsFileAccessDeniedAndLeavesItAlone) {
    TempDir dir;
    dir.write("ro.dat", kExample);
    dir.setMode("ro.dat", 0444);
    const IoError e = ExpectIoError([&] {
        WriteDrawFile(dir.file("ro.dat"), {}, {3, 10}, TrailerReserved{});
    });
    EXPECT_EQ(e.code(), 5);
    EXPECT_STREQ(e.what(), "File access denied");
    EXPECT_EQ(dir.read("ro.dat"), kExample);
    EXPECT_EQ(dir.listing(), (std::vector<std::string>{"ro.dat"}));
}

} // namespace
} // namespace lottery
