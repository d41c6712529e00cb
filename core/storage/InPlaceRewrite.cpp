#include "storage/InPlaceRewrite.h"

#include "storage/AtomicFile.h"
#include "storage/IoError.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>
#include <vector>

namespace lottery {
namespace {

constexpr char kMagic[8] = {'Z', 'H', 'R', 'J', 'R', 'N', 'L', '1'};

[[noreturn]] void FailWithErrno(int errnoValue) {
    throw IoError(IoError::CodeForErrno(errnoValue));
}

// Enough to tell the new bytes from a torn mix of old and new.
std::uint64_t Fingerprint(std::span<const std::uint8_t> bytes) {
    std::uint64_t hash = 1469598103934665603ULL;
    for (std::uint8_t byte : bytes)
        hash = (hash ^ byte) * 1099511628211ULL;
    return hash;
}

std::string Resolved(const std::string& path) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr)
        return path;
    std::string result(resolved);
    std::free(resolved);
    return result;
}

// One journal per file, named by its device and inode, which a rewrite in place keeps.
std::string JournalPath(const struct stat& file) {
    return RewriteJournalFolder() + "/" + std::to_string(file.st_dev) + "-" +
           std::to_string(file.st_ino);
}

// What a journal holds: the file's path, the length and fingerprint of the new bytes, and the
// old bytes.
struct Journal {
    std::string path;
    std::uint64_t newSize = 0;
    std::uint64_t newFingerprint = 0;
    std::vector<std::uint8_t> oldBytes;
};

void PutNumber(std::vector<std::uint8_t>& out, std::uint64_t value) {
    for (int i = 0; i < 8; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

bool TakeNumber(const std::vector<std::uint8_t>& in, std::size_t& at, std::uint64_t& value) {
    if (in.size() - at < 8)
        return false;
    value = 0;
    for (int i = 0; i < 8; ++i)
        value |= static_cast<std::uint64_t>(in[at + i]) << (8 * i);
    at += 8;
    return true;
}

std::vector<std::uint8_t> Encode(const Journal& journal) {
    std::vector<std::uint8_t> out(std::begin(kMagic), std::end(kMagic));
    PutNumber(out, journal.path.size());
    out.insert(out.end(), journal.path.begin(), journal.path.end());
    PutNumber(out, journal.newSize);
    PutNumber(out, journal.newFingerprint);
    PutNumber(out, journal.oldBytes.size());
    out.insert(out.end(), journal.oldBytes.begin(), journal.oldBytes.end());
    return out;
}

bool Decode(const std::vector<std::uint8_t>& in, Journal& journal) {
    if (in.size() < sizeof kMagic || std::memcmp(in.data(), kMagic, sizeof kMagic) != 0)
        return false;
    std::size_t at = sizeof kMagic;
    std::uint64_t pathSize = 0;
    std::uint64_t oldSize = 0;
    if (!TakeNumber(in, at, pathSize) || in.size() - at < pathSize)
        return false;
    journal.path.assign(in.begin() + static_cast<std::ptrdiff_t>(at),
                        in.begin() + static_cast<std::ptrdiff_t>(at + pathSize));
    at += pathSize;
    if (!TakeNumber(in, at, journal.newSize) || !TakeNumber(in, at, journal.newFingerprint) ||
        !TakeNumber(in, at, oldSize) || in.size() - at != oldSize)
        return false;
    journal.oldBytes.assign(in.begin() + static_cast<std::ptrdiff_t>(at), in.end());
    return true;
}

void WriteAll(int fd, std::span<const std::uint8_t> bytes, FileSystem& fs) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = fs.write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            FailWithErrno(errno);
        if (written == 0)
            throw IoError(io_code::kDiskFull);
        done += static_cast<std::size_t>(written);
    }
}

std::vector<std::uint8_t> ReadAll(const std::string& path, FileSystem& fs) {
    const int fd = fs.open(path.c_str(), O_RDONLY, 0);
    if (fd < 0)
        FailWithErrno(errno);
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[1 << 16];
    for (;;) {
        const ssize_t got = fs.read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            fs.close(fd);
            FailWithErrno(error);
        }
        if (got == 0)
            break;
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    fs.close(fd);
    return bytes;
}

// The bytes over the file from its start, then cut to their length. The file keeps its owner,
// group and permissions, being the same file.
void Overwrite(const std::string& path, std::span<const std::uint8_t> bytes, FileSystem& fs) {
    const int fd = fs.open(path.c_str(), O_WRONLY, 0);
    if (fd < 0)
        FailWithErrno(errno);
    try {
        WriteAll(fd, bytes, fs);
        if (fs.ftruncate(fd, static_cast<off_t>(bytes.size())) != 0 || fs.fsync(fd) != 0)
            FailWithErrno(errno);
    } catch (...) {
        fs.close(fd);
        throw;
    }
    if (fs.close(fd) != 0)
        FailWithErrno(errno);
}

} // namespace

std::string RewriteJournalFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state != nullptr && state[0] == '/')
        return std::string(state) + "/zhrebikon/in-place";
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.local/state/zhrebikon/in-place";
}

void RewriteInPlace(const std::string& path, std::span<const std::uint8_t> bytes, FileSystem& fs) {
    struct stat file {};
    if (fs.stat(path.c_str(), &file) != 0)
        FailWithErrno(errno);
    FinishInterruptedRewrite(path, fs);
    Journal journal{Resolved(path), bytes.size(), Fingerprint(bytes), ReadAll(path, fs)};
    const std::string journalPath = JournalPath(file);
    std::error_code error;
    std::filesystem::create_directories(RewriteJournalFolder(), error);
    if (error)
        FailWithErrno(error.value());
    // The old bytes are the user's alone.
    std::filesystem::permissions(RewriteJournalFolder(), std::filesystem::perms::owner_all, error);
    // The journal is in a folder of its own, not the one the seam stands for.
    WriteFileAtomically(journalPath, Encode(journal), SystemFileSystem());
    try {
        Overwrite(path, bytes, fs);
    } catch (...) {
        // The old bytes back at once where that works; else at the next read or save.
        try {
            Overwrite(path, journal.oldBytes, fs);
            ::unlink(journalPath.c_str());
        } catch (const IoError&) {
        }
        throw;
    }
    ::unlink(journalPath.c_str());
}

void FinishInterruptedRewrite(const std::string& path, FileSystem& fs) {
    struct stat file {};
    if (fs.stat(path.c_str(), &file) != 0 || !S_ISREG(file.st_mode) || (file.st_mode & 0222) == 0)
        return;
    const std::string journalPath = JournalPath(file);
    std::ifstream in(journalPath, std::ios::binary);
    if (!in)
        return;
    const std::vector<std::uint8_t> stored{std::istreambuf_iterator<char>(in),
                                           std::istreambuf_iterator<char>()};
    Journal journal;
    if (!Decode(stored, journal)) {
        ::unlink(journalPath.c_str()); // journals are written whole, so this one is not ours
        return;
    }
    // The inode may since name another file; that one is none of this journal's business.
    if (journal.path != Resolved(path))
        return;
    const std::vector<std::uint8_t> now = ReadAll(path, fs);
    if (now.size() != journal.newSize || Fingerprint(now) != journal.newFingerprint)
        Overwrite(path, journal.oldBytes, fs);
    ::unlink(journalPath.c_str());
}

} // namespace lottery
