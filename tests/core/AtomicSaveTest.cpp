#include "FaultyFileSystem.h"
#include "RecordingListener.h"
#include "TempDir.h"
#include "lottery/LotteryDocument.h"
#include "storage/AtomicFile.h"
#include "storage/DocumentFile.h"
#include "storage/DrawFile.h"
#include "storage/IoError.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace lottery {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Op = test::FaultyFileSystem::Op;
using test::FaultyFileSystem;
using test::TempDir;
using namespace std::chrono_literals;

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

// The code of the IoError the save throws, 0 when it succeeds.
int SaveErrorCode(const std::string& path, std::span<const std::uint8_t> bytes, FileSystem& fs) {
    try {
        WriteFileAtomically(path, bytes, fs);
        return 0;
    } catch (const IoError& e) {
        return e.code();
    }
}

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

    EXPECT_THROW(SaveDocumentAs(doc, dir.file("draws.dat"), fs), IoError);
    EXPECT_TRUE(doc.changed());
    EXPECT_FALSE(doc.named());
    EXPECT_EQ(doc.drawCount(), 1);
    EXPECT_EQ(dir.read("draws.dat"), kOld);
    EXPECT_EQ(dir.listing(), (std::vector<std::string>{"draws.dat"}));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FailedSave,
    ::testing::Values(SaveFault{"NoRoomForTheTemporary", Op::Open, 0, ENOSPC, false, 101},
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
    // Group and others may write: bits the usual umask takes from any new file.
    dir.setMode("draws.dat", 0662);
    const mode_t umaskBefore = ::umask(022);
    WriteFileAtomically(dir.file("draws.dat"), NewContent());
    ::umask(umaskBefore);
    EXPECT_EQ(dir.read("draws.dat"), NewContent());
    EXPECT_EQ(dir.mode("draws.dat"), 0662u);
    EXPECT_EQ(dir.listing(), (std::vector<std::string>{"draws.dat"}));
}

TEST(AtomicSave, ThroughASymbolicLinkRewritesTheFileItPointsTo) {
    TempDir dir;
    dir.write("real.dat", kOld);
    std::filesystem::create_symlink("real.dat", dir.path() / "link.dat");
    WriteFileAtomically(dir.file("link.dat"), NewContent());
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "link.dat"));
    EXPECT_EQ(dir.read("real.dat"), NewContent());
    EXPECT_EQ(dir.listing(), (std::vector<std::string>{"link.dat", "real.dat"}));
    // A link to a file not there yet is followed the same way.
    std::filesystem::create_symlink("made.dat", dir.path() / "dangling.dat");
    WriteFileAtomically(dir.file("dangling.dat"), NewContent());
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "dangling.dat"));
    EXPECT_EQ(dir.read("made.dat"), NewContent());
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

TEST(AtomicSave, AWritableFileInAFolderThatTakesNoTemporaryIsRewrittenInPlace) {
    TempDir dir;
    TempDir state; // where the old bytes wait, kept out of the user's own folders
    ::setenv("XDG_STATE_HOME", state.path().c_str(), 1);
    dir.write("draws.dat", NewContent());
    dir.setMode("draws.dat", 0640);
    FaultyFileSystem fs; // as a read-only folder is to anyone but root
    fs.failCreatingOpens(EACCES);
    EXPECT_EQ(SaveErrorCode(dir.file("draws.dat"), kOld, fs), 0); // shorter: cut to length
    EXPECT_EQ(dir.read("draws.dat"), kOld);
    EXPECT_EQ(dir.mode("draws.dat"), 0640u);
    EXPECT_GE(fs.calls(Op::Fsync), 1);
    EXPECT_EQ(dir.listing(), (std::vector<std::string>{"draws.dat"}));
    // A failing write there is reported; a new file or a read-only one is still refused.
    fs.failCall(Op::Write, 0, ENOSPC);
    EXPECT_EQ(SaveErrorCode(dir.file("draws.dat"), NewContent(), fs), 101);
    EXPECT_EQ(SaveErrorCode(dir.file("new.dat"), kOld, fs), 5);
    dir.setMode("draws.dat", 0444);
    EXPECT_EQ(SaveErrorCode(dir.file("draws.dat"), kOld, fs), 5);
    EXPECT_EQ(dir.listing(), (std::vector<std::string>{"draws.dat"}));
    ::unsetenv("XDG_STATE_HOME");
}

TEST(AtomicSave, KeepsTheOwnerAndGroupWhereTheSaverMay) {
    TempDir dir;
    dir.write("draws.dat", kOld);
    const bool root = ::chown(dir.file("draws.dat").c_str(), 4242, 4343) == 0;
    FaultyFileSystem fs;
    WriteFileAtomically(dir.file("draws.dat"), NewContent(), fs);
    struct stat info {};
    ASSERT_EQ(::stat(dir.file("draws.dat").c_str(), &info), 0);
    EXPECT_TRUE(!root || (info.st_uid == 4242u && info.st_gid == 4343u)) << info.st_uid;
    fs.failCall(Op::Fchown, 0, EPERM); // where it may not, the file is saved all the same
    EXPECT_EQ(SaveErrorCode(dir.file("draws.dat"), kOld, fs), 0);
    EXPECT_EQ(dir.read("draws.dat"), kOld);
}

TEST(AtomicSave, RemovesOnlyTheFilesOwnTemporariesOlderThanAMinute) {
    namespace fs = std::filesystem;
    TempDir dir;
    dir.write("draws.dat", kOld);
    for (const char* name : {".draws.dat.tmp-12-0", ".draws.dat.tmp-4000000-17"})
        dir.write(name, kOld); // left by killed saves
    const std::vector<std::string> others{
        ".draws.dat.tmp-12-1", // under a minute: a save may still be writing it
        ".other.dat.tmp-12-2", ".draws.dat.bak.tmp-3-4",                        // other files'
        "draws.dat.tmp-12-3",  ".draws.dat.tmp-12-3.old", ".draws.dat.tmp-12-", // the user's
    };
    for (const std::string& name : others)
        dir.write(name, kOld);
    fs::create_directory(dir.file(".draws.dat.tmp-5-5"));
    fs::create_symlink("draws.dat", dir.file(".draws.dat.tmp-6-6"));
    for (const auto& entry : fs::directory_iterator(dir.path()))
        fs::last_write_time(entry.path(),
                            fs::file_time_type::clock::now() -
                                (entry.path().filename() == others.front() ? 50s : 2min));

    WriteFileAtomically(dir.file("draws.dat"), NewContent());
    std::vector<std::string> expected = others;
    expected.insert(expected.end(), {"draws.dat", ".draws.dat.tmp-5-5", ".draws.dat.tmp-6-6"});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(dir.listing(), expected);
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
