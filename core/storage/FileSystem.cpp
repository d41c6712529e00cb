#include "storage/FileSystem.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace lottery {
namespace {

class PosixFileSystem final : public FileSystem {
public:
    int open(const char* path, int flags, mode_t mode) override {
        return ::open(path, flags | O_CLOEXEC, mode);
    }
    ssize_t read(int fd, void* buffer, std::size_t size) override {
        return ::read(fd, buffer, size);
    }
    ssize_t write(int fd, const void* buffer, std::size_t size) override {
        return ::write(fd, buffer, size);
    }
    int fsync(int fd) override { return ::fsync(fd); }
    int close(int fd) override { return ::close(fd); }
    int fstat(int fd, struct stat* info) override { return ::fstat(fd, info); }
    int stat(const char* path, struct stat* info) override { return ::stat(path, info); }
    int fchmod(int fd, mode_t mode) override { return ::fchmod(fd, mode); }
    int fchown(int fd, uid_t owner, gid_t group) override { return ::fchown(fd, owner, group); }
    int ftruncate(int fd, off_t length) override { return ::ftruncate(fd, length); }
    int rename(const char* from, const char* to) override { return std::rename(from, to); }
    int unlink(const char* path) override { return ::unlink(path); }
};

} // namespace

FileSystem& SystemFileSystem() {
    static PosixFileSystem system;
    return system;
}

} // namespace lottery
