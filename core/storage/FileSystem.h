#pragma once

#include <cstddef>
#include <sys/stat.h>
#include <sys/types.h>

namespace lottery {

// The few POSIX calls the file formats use, behind one seam so tests can make any of them
// fail. Each returns what the POSIX call returns and sets errno on failure.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual int open(const char* path, int flags, mode_t mode) = 0;
    virtual ssize_t read(int fd, void* buffer, std::size_t size) = 0;
    virtual ssize_t write(int fd, const void* buffer, std::size_t size) = 0;
    virtual int fsync(int fd) = 0;
    virtual int close(int fd) = 0;
    virtual int fstat(int fd, struct stat* info) = 0;
    virtual int stat(const char* path, struct stat* info) = 0;
    virtual int fchmod(int fd, mode_t mode) = 0;
    virtual int fchown(int fd, uid_t owner, gid_t group) = 0;
    virtual int ftruncate(int fd, off_t length) = 0;
    virtual int rename(const char* from, const char* to) = 0;
    virtual int unlink(const char* path) = 0;
};

// The real file system.
FileSystem& SystemFileSystem();

} // namespace lottery
