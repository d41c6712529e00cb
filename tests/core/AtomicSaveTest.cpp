#include "AtomicFile.h"
#include "DrawFile.h"
#include "FaultyFileSystem.h"
#include "IoError.h"
#include "LotteryDocument.h"
#include "RecordingListener.h"
#include "TempDir.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace lottery {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Op = test::FaultyFileSystem::Op;
using test::FaultyFileSystem;
using test::TempDir;

const Bytes kOld{1, 2, 3, 4, 5, 6, 0, 6, 49, 9, 8, 7, 6, 5};

Bytes NewContent() {
    std::vector<DrawRecord> draws(400, DrawRecord{7, 8, 9, 10, 11, 12, 0});
    return EncodeDrawFile(draws, {6, 49}, TrailerReserved{});
}

struct SaveFault {
    const char* name;
    Op op;
    int nth;
    int errnoValue;
    bool shortTransfers;
    std::optional<int> code; // the IoError code a user must see, when it is a listed one
};

void Arrange(FaultyFileSystem& fs, const SaveFault& fault) {
    if (fault.shortTransfers)
        fs.useShortTransfers();
    if (fault.op == Op::Open)
        fs.failCreatingOpens(fault.errnoValue);
    else
        fs.failCall(fault.op, fault.nth, fault.errnoValue);
}

class FailedSave : public ::testing::TestWithParam<SaveFault> {};

TEST_P(FailedSave, LeavesTheOldFileByteForByteAndNoTemporary) {
    const SaveFault& fault = GetParam();
    TempDir dir;
    dir.write("draws.dat", kOld);
    FaultyFileSystem fs;
    Arrange(fs, fault);

    try {
        WriteFileAtomically(dir.file("draws.dat"), NewContent(), fs);
        ADD_FAILURE() << "the save reported success";
    } catch (const IoError& e) {
        if (fault.code) {
            EXPECT_EQ(e.code(), *fault.code) << e.what();
        }
        if (fault.code == io_code::kDiskFull) {
            EXPECT_STREQ(e.what(), "Disk full");
        }
    }
    EXPECT_GT(fs.faultsInjected(), 0) << "the fault was never reached";
    EXPECT_EQ(dir.read("draws.dat"), kOld);
    EXPECT_EQ(dir.listing(), (std::vector<std::string>{"draws.dat"}));
}

TEST_P(FailedSave, OfANewFileLeavesNothingBehind) {
    TempDir dir;
    FaultyFileSystem fs;
    Arrange(fs, GetParam());
    EXPECT_THROW(WriteFileAtomically(dir.file("new.dat"), NewContent(), fs), IoError);
    EXPECT_TRUE(dir.listing().empty());
}

TEST_P(FailedSave, OfTheDocumentKeepsItsUnsavedChanges) {
    TempDir dir;
    dir.write("draws.dat", kOld);
    LotteryDocument doc;
    test::RecordDraw(doc, {1, 2, 3, 4, 5, 6});
    FaultyFileSystem fs;
    Arrange(fs, GetParam());

    EXPECT_THROW(doc.SaveAs(dir.file("draws.dat"), fs), IoError);
    EXPECT_TRUE(doc.changed());
    EXPECT_FALSE(doc.named());
    EXPECT_EQ(doc.drawCount(), 1);
    EXPECT_EQ(dir.read("draws.dat"), kOld);
    EXPECT_EQ(dir.listing(), (std::vector<std::string>{"draws.dat"}));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FailedSave,
    ::testing::Values(SaveFault{"TemporaryCannotBeCreated", Op::Open, 0, EACCES, false, 5},
                      SaveFault{"WriteFails", Op::Write, 1, EIO, false, std::nullopt},
                      SaveFault{"DiskFull", Op::Write, 1, ENOSPC, false, 101},
                      SaveFault{"DiskFullHalfway", Op::Write, 3, ENOSPC, true, 101},
                      SaveFault{"QuotaExceeded", Op::Write, 1, EDQUOT, false, 101},
                      SaveFault{"FlushFails", Op::Fsync, 1, EIO, false, std::nullopt},
                      SaveFault{"FlushFindsTheDiskFull", Op::Fsync, 1, ENOSPC, false, 101},
                      SaveFault{"RenameFails", Op::Rename, 1, EIO, false, std::nullopt}),
    [](const ::testing::TestParamInfo<SaveFault>& info) { return info.param.name; });

TEST(AtomicSave, ReplacesTheFileAndKeepsItsPermissions) {
    TempDir dir;
    dir.write("draws.dat", kOld);
    dir.setMode("draws.dat", 0640);
    WriteFileAtomically(dir.file("draws.dat"), NewContent());
    EXPECT_EQ(dir.read("draws.dat"), NewContent());
    EXPECT_EQ(dir.mode("draws.dat"), 0640u);
    EXPECT_EQ(dir.listing(), (std::vector<std::string>{"draws.dat"}));
}

TEST(AtomicSave, CreatesAMissingFile) {
    TempDir dir;
    WriteFileAtomically(dir.file("new.dat"), Bytes{3, 10, 0, 0, 0, 0, 0});
    EXPECT_EQ(dir.read("new.dat"), (Bytes{3, 10, 0, 0, 0, 0, 0}));
    EXPECT_EQ(dir.listing(), (std::vector<std::string>{"new.dat"}));
}

TEST(AtomicSave, FlushesTheDataBeforeTheRename) {
    TempDir dir;
    dir.write("draws.dat", kOld);
    FaultyFileSystem fs;
    WriteFileAtomically(dir.file("draws.dat"), NewContent(), fs);
    EXPECT_GE(fs.calls(Op::Fsync), 1);
    EXPECT_EQ(fs.calls(Op::Rename), 1);
}

TEST(AtomicSave, AReadOnlyTargetIsFileAccessDeniedAndStaysWhole) {
    TempDir dir;
    dir.write("draws.dat", kOld);
    dir.setMode("draws.dat", 0444);
    try {
        WriteFileAtomically(dir.file("draws.dat"), NewContent());
        ADD_FAILURE() << "wrote over a read-only file";
    } catch (const IoError& e) {
        EXPECT_EQ(e.code(), 5);
        EXPECT_STREQ(e.what(), "File access denied");
    }
    EXPECT_EQ(dir.read("draws.dat"), kOld);
    EXPECT_EQ(dir.mode("draws.dat"), 0444u);
    EXPECT_EQ(dir.listing(), (std::vector<std::string>{"draws.dat"}));
}

TEST(AtomicSave, ReadWholeFileForUpdateRefusesAReadOnlyFile) {
    TempDir dir;
    dir.write("f", kOld);
    EXPECT_EQ(ReadWholeFileForUpdate(dir.file("f")), kOld);
    dir.setMode("f", 0400);
    try {
        ReadWholeFileForUpdate(dir.file("f"));
        ADD_FAILURE() << "read-only file opened for update";
    } catch (const IoError& e) {
        EXPECT_EQ(e.code(), 5);
    }
}

} // namespace
} // namespace lottery
