#include "storage/AtomicFile.h"

#include "storage/InPlaceRewrite.h"
#include "storage/IoError.h"
#include "storage/PathParts.h"
#include "storage/SaveTemporaries.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace lottery {
namespace {

[[noreturn]] void FailWithErrno(int errnoValue) {
    throw IoError(IoError::CodeForErrno(errnoValue));
}

// A file that grants nobody write permission counts as read-only, also for a process that
// could write it anyway (root), because that is what its owner asked for.
bool GrantsNoWrite(const struct stat& info) {
    return (info.st_mode & 0222) == 0;
}

// Creates a new, exclusive temporary beside the target; -1 with errno set when the folder
// does not take one.
int CreateTemporary(const std::string& path, mode_t mode, FileSystem& fs, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = TemporaryPath(path, ::getpid(), counter.fetch_add(1));
        const int fd = fs.open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1; // errno is EEXIST
}

void WriteAll(int fd, std::span<const std::uint8_t> bytes, FileSystem& fs) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = fs.write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            FailWithErrno(errno);
        }
        if (written == 0)
            throw IoError(io_code::kDiskFull);
        done += static_cast<std::size_t>(written);
    }
}

std::string RealPath(const std::string& path) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr)
        return {};
    std::string target(resolved);
    std::free(resolved);
    return target;
}

// The file a path names in the end. Replacing a symbolic link by renaming over it would
// leave the file it points to with the old content, so the save goes to that file instead;
// a link to a file not there yet is followed the same way, and the file made where it points.
std::string ResolvedTarget(const std::string& path) {
    if (std::string target = RealPath(path); !target.empty())
        return target;
    std::string current = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat link {};
        if (::lstat(current.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
            break;
        std::string next(static_cast<std::size_t>(link.st_size) + 1, '\0');
        const ssize_t size = ::readlink(current.c_str(), next.data(), next.size());
        if (size <= 0 || static_cast<std::size_t>(size) >= next.size())
            break;
        next.resize(static_cast<std::size_t>(size));
        current = next.front() == '/' ? next : DirectoryPart(current) + "/" + next;
    }
    if (current == path)
        return path; // not there yet (or not reachable): the checks of the caller report it
    const std::string folder = RealPath(DirectoryPart(current));
    return folder.empty() ? current : folder + "/" + FileNamePart(current);
}

// The replacement would otherwise belong to whoever saves (another user, or root). Only
// root may give a file away, and a user only to a group of theirs, so this is best-effort.
void KeepOwnerAndGroup(int fd, const struct stat& target, FileSystem& fs) {
    if (fs.fchown(fd, target.st_uid, target.st_gid) != 0)
        fs.fchown(fd, static_cast<uid_t>(-1), target.st_gid);
}

} // namespace

void WriteFileAtomically(const std::string& requestedPath, std::span<const std::uint8_t> bytes,
                         FileSystem& fs) {
    if (requestedPath.empty())
        throw IoError(io_code::kFileNotFound);
    const std::string path = ResolvedTarget(requestedPath);
    struct stat target {};
    const bool exists = fs.stat(path.c_str(), &target) == 0;
    if (!exists && errno != ENOENT)
        FailWithErrno(errno);
    mode_t mode = 0666;
    if (exists) {
        if (S_ISDIR(target.st_mode) || GrantsNoWrite(target))
            throw IoError(io_code::kAccessDenied);
        // The platform's own permission check for this user on the file being replaced.
        const int probe = fs.open(path.c_str(), O_WRONLY, 0);
        if (probe < 0)
            FailWithErrno(errno);
        fs.close(probe);
        mode = target.st_mode & 07777;
    }

    if (exists)
        FinishInterruptedRewrite(path, fs);
    RemoveStaleTemporaries(path, fs);
    std::string tempPath;
    int fd = CreateTemporary(path, mode, fs, tempPath);
    if (fd < 0) {
        if (exists && (errno == EACCES || errno == EPERM)) {
            RewriteInPlace(path, bytes, fs);
            return;
        }
        FailWithErrno(errno);
    }
    try {
        WriteAll(fd, bytes, fs);
        if (exists) {
            KeepOwnerAndGroup(fd, target, fs);
            // Also after the change of owner, which may clear the set-id bits.
            if (fs.fchmod(fd, mode) != 0)
                FailWithErrno(errno);
        }
        if (fs.fsync(fd) != 0)
            FailWithErrno(errno);
        const int closed = fs.close(fd);
        fd = -1;
        if (closed != 0)
            FailWithErrno(errno);
        if (fs.rename(tempPath.c_str(), path.c_str()) != 0)
            FailWithErrno(errno);
    } catch (...) {
        if (fd >= 0)
            fs.close(fd);
        fs.unlink(tempPath.c_str());
        throw;
    }
    // Make the rename itself durable; the new content is already whole either way.
    const int dir = fs.open(DirectoryPart(path).c_str(), O_RDONLY | O_DIRECTORY, 0);
    if (dir >= 0) {
        fs.fsync(dir);
        fs.close(dir);
    }
}

void ReadFileForUpdate(const std::string& path, FileSystem& fs,
                       const std::function<std::span<std::uint8_t>(std::size_t size)>& placeFor) {
    if (path.empty())
        throw IoError(io_code::kFileNotFound);
    FinishInterruptedRewrite(path, fs);
    const int fd = fs.open(path.c_str(), O_RDWR, 0);
    if (fd < 0)
        FailWithErrno(errno);
    try {
        struct stat info {};
        if (fs.fstat(fd, &info) != 0)
            FailWithErrno(errno);
        if (S_ISDIR(info.st_mode) || GrantsNoWrite(info))
            throw IoError(io_code::kAccessDenied);
        const std::span<std::uint8_t> bytes = placeFor(static_cast<std::size_t>(info.st_size));
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t got = fs.read(fd, bytes.data() + done, bytes.size() - done);
            if (got < 0) {
                if (errno == EINTR)
                    continue;
                FailWithErrno(errno);
            }
            if (got == 0)
                throw IoError(io_code::kReadBeyondEnd); // the file shrank while being read
            done += static_cast<std::size_t>(got);
        }
    } catch (...) {
        fs.close(fd);
        throw;
    }
    fs.close(fd);
}

std::vector<std::uint8_t> ReadWholeFileForUpdate(const std::string& path, FileSystem& fs,
                                                 std::size_t limit) {
    std::vector<std::uint8_t> bytes;
    ReadFileForUpdate(path, fs, [&](std::size_t size) {
        bytes.resize(std::min(size, limit));
        return std::span<std::uint8_t>(bytes);
    });
    return bytes;
}

} // namespace lottery
