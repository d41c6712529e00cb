#include "storage/IoError.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <string>

namespace lottery {
namespace {

struct MessageCase {
    int code;
    const char* message;
};

class IoErrorMessages : public ::testing::TestWithParam<MessageCase> {};

TEST_P(IoErrorMessages, AreTheListedTextsAndIoErrorWithTheCodeOtherwise) {
    const MessageCase& c = GetParam();
    EXPECT_EQ(IoError::MessageFor(c.code), c.message);
    const IoError error(c.code);
    EXPECT_EQ(error.code(), c.code);
    EXPECT_STREQ(error.what(), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, IoErrorMessages,
    ::testing::Values(MessageCase{2, "File not found"}, MessageCase{3, "Invalid filename"},
                      MessageCase{4, "Too many open files"}, MessageCase{5, "File access denied"},
                      MessageCase{100, "Read beyond end of file"}, MessageCase{101, "Disk full"},
                      MessageCase{106, "Invalid numeric input"}, MessageCase{131, "I/O error 131"},
                      MessageCase{0, "I/O error 0"}, MessageCase{1, "I/O error 1"},
                      MessageCase{6, "I/O error 6"}, MessageCase{102, "I/O error 102"},
                      MessageCase{999, "I/O error 999"}));

struct ErrnoCase {
    int errnoValue;
    int code;
};

class IoErrorFromErrno : public ::testing::TestWithParam<ErrnoCase> {};

TEST_P(IoErrorFromErrno, MapsPlatformErrorsOntoTheCodesAUserExpects) {
    EXPECT_EQ(IoError::CodeForErrno(GetParam().errnoValue), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Errnos, IoErrorFromErrno,
                         ::testing::Values(ErrnoCase{ENOENT, 2}, ErrnoCase{EACCES, 5},
                                           ErrnoCase{EPERM, 5}, ErrnoCase{EROFS, 5},
                                           ErrnoCase{ENOSPC, 101}, ErrnoCase{EDQUOT, 101},
                                           ErrnoCase{EMFILE, 4}, ErrnoCase{ENFILE, 4}));

// A platform error that none of the listed texts describes must not borrow one of them: an
// EIO (errno 5) shown as "File access denied" sends the user after permissions, not the disk.
TEST(IoErrorFromErrno, AnUnlistedPlatformErrorIsShownAsAnIoErrorWithItsCode) {
    for (int errnoValue : {EIO, EINTR, ESRCH, ENETDOWN, ENETUNREACH, ENXIO}) {
        const std::string message = IoError::MessageFor(IoError::CodeForErrno(errnoValue));
        EXPECT_EQ(message.rfind("I/O error ", 0), 0u) << "errno " << errnoValue << ": " << message;
    }
}

TEST(IoErrorFromErrno, AnOtherFailureStillGivesAnErrorWithAMessage) {
    const int code = IoError::CodeForErrno(EIO);
    EXPECT_NE(code, 0);
    EXPECT_FALSE(std::string(IoError(code).what()).empty());
}

} // namespace
} // namespace lottery
