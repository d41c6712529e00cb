#pragma once

#include "storage/FileSystem.h"

#include <array>
#include <string>
#include <vector>

namespace lottery::test {

// The real file system with faults on demand: a chosen call fails with a chosen errno, and
// reads and writes can be made to move fewer bytes than asked, as POSIX allows.
class FaultyFileSystem : public FileSystem {
public:
    enum class Op {
        Open,
        Read,
        Write,
        Fsync,
        Close,
        Fstat,
        Stat,
        Fchmod,
        Rename,
        Unlink,
        Fchown,
        Ftruncate,
        Count
    };

    // The nth call (1-based) of op fails with errnoValue; nth = 0 fails every call.
    void failCall(Op op, int nth, int errnoValue);
    // Every open that creates a file fails (the temporary of a save).
    void failCreatingOpens(int errnoValue);
    // Reads and writes move at most half the bytes asked for (at least one).
    void useShortTransfers() { shortTransfers_ = true; }

    int calls(Op op) const { return calls_[index(op)]; }
    int faultsInjected() const { return faultsInjected_; }
    const std::vector<std::string>& openedPaths() const { return openedPaths_; }

    int open(const char* path, int flags, mode_t mode) override;
    ssize_t read(int fd, void* buffer, std::size_t size) override;
    ssize_t write(int fd, const void* buffer, std::size_t size) override;
    int fsync(int fd) override;
    int close(int fd) override;
    int fstat(int fd, struct stat* info) override;
    int stat(const char* path, struct stat* info) override;
    int fchmod(int fd, mode_t mode) override;
    int fchown(int fd, uid_t owner, gid_t group) override;
    int ftruncate(int fd, off_t length) override;
    int rename(const char* from, const char* to) override;
    int unlink(const char* path) override;

private:
    struct Fault {
        Op op;
        int nth;
        int errnoValue;
    };
    static std::size_t index(Op op) { return static_cast<std::size_t>(op); }
    // Counts the call and tells whether it is to fail (errno is then set).
    bool shouldFail(Op op);
    std::size_t transferSize(std::size_t size) const;

    std::vector<Fault> faults_;
    int creatingOpenErrno_ = 0;
    bool shortTransfers_ = false;
    std::array<int, static_cast<std::size_t>(Op::Count)> calls_{};
    int faultsInjected_ = 0;
    std::vector<std::string> openedPaths_;
};

} // namespace lottery::test
