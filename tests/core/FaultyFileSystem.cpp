#include "FaultyFileSystem.h"

#include <cerrno>
#include <fcntl.h>

namespace lottery::test {

void FaultyFileSystem::failCall(Op op, int nth, int errnoValue) {
    faults_.push_back({op, nth, errnoValue});
}

void FaultyFileSystem::failCreatingOpens(int errnoValue) {
    creatingOpenErrno_ = errnoValue;
}

bool FaultyFileSystem::shouldFail(Op op) {
    const int count = ++calls_[index(op)];
    for (const Fault& fault : faults_) {
        if (fault.op == op && (fault.nth == 0 || fault.nth == count)) {
            ++faultsInjected_;
            errno = fault.errnoValue;
            return true;
        }
    }
    return false;
}

std::size_t FaultyFileSystem::transferSize(std::size_t size) const {
    if (!shortTransfers_ || size <= 1)
        return size;
    return size / 2;
}

int FaultyFileSystem::open(const char* path, int flags, mode_t mode) {
    openedPaths_.emplace_back(path);
    if (shouldFail(Op::Open))
        return -1;
    if (creatingOpenErrno_ != 0 && (flags & O_CREAT) != 0) {
        ++faultsInjected_;
        errno = creatingOpenErrno_;
        return -1;
    }
    return SystemFileSystem().open(path, flags, mode);
}

ssize_t FaultyFileSystem::read(int fd, void* buffer, std::size_t size) {
    if (shouldFail(Op::Read))
        return -1;
    return SystemFileSystem().read(fd, buffer, transferSize(size));
}

ssize_t FaultyFileSystem::write(int fd, const void* buffer, std::size_t size) {
    if (shouldFail(Op::Write))
        return -1;
    return SystemFileSystem().write(fd, buffer, transferSize(size));
}

int FaultyFileSystem::fsync(int fd) {
    if (shouldFail(Op::Fsync))
        return -1;
    return SystemFileSystem().fsync(fd);
}

int FaultyFileSystem::close(int fd) {
    // The descriptor is released even when the close is reported as failed, as on Linux.
    if (shouldFail(Op::Close)) {
        const int saved = errno;
        SystemFileSystem().close(fd);
        errno = saved;
        return -1;
    }
    return SystemFileSystem().close(fd);
}

int FaultyFileSystem::fstat(int fd, struct stat* info) {
    if (shouldFail(Op::Fstat))
        return -1;
    return SystemFileSystem().fstat(fd, info);
}

int FaultyFileSystem::stat(const char* path, struct stat* info) {
    if (shouldFail(Op::Stat))
        return -1;
    return SystemFileSystem().stat(path, info);
}

int FaultyFileSystem::fchmod(int fd, mode_t mode) {
    if (shouldFail(Op::Fchmod))
        return -1;
    return SystemFileSystem().fchmod(fd, mode);
}

int FaultyFileSystem::fchown(int fd, uid_t owner, gid_t group) {
    if (shouldFail(Op::Fchown))
        return -1;
    return SystemFileSystem().fchown(fd, owner, group);
}

int FaultyFileSystem::ftruncate(int fd, off_t length) {
    if (shouldFail(Op::Ftruncate))
        return -1;
    return SystemFileSystem().ftruncate(fd, length);
}

int FaultyFileSystem::rename(const char* from, const char* to) {
    if (shouldFail(Op::Rename))
        return -1;
    return SystemFileSystem().rename(from, to);
}

int FaultyFileSystem::unlink(const char* path) {
    if (shouldFail(Op::Unlink))
        return -1;
    return SystemFileSystem().unlink(path);
}

} // namespace lottery::test
