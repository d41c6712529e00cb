#include "storage/InputFile.h"

#include "storage/IoError.h"

#include <cerrno>
#include <fcntl.h>
#include <new>

namespace lottery {

std::string ReadInputFile(const std::string& path, FileSystem& fs, std::size_t limit) {
    if (path.empty())
        throw IoError(io_code::kFileNotFound);
    // Non-blocking, so that opening a pipe nobody writes to does not hang before the check.
    const int fd = fs.open(path.c_str(), O_RDONLY | O_NONBLOCK, 0);
    if (fd < 0)
        throw IoError(IoError::CodeForErrno(errno));
    std::string bytes;
    try {
        struct stat info {};
        if (fs.fstat(fd, &info) != 0)
            throw IoError(IoError::CodeForErrno(errno));
        if (!S_ISREG(info.st_mode))
            throw InputRefusedError("Это не обычный файл (устройство, канал или папка): "
                                    "такой файл программа не читает.");
        const auto size = static_cast<std::size_t>(info.st_size);
        if (size > limit)
            throw InputRefusedError("Файл слишком большой: больше " +
                                    std::to_string(limit / (1024 * 1024)) + " МБ.");
        bytes.resize(size);
        std::size_t done = 0;
        while (done < size) {
            const ssize_t got = fs.read(fd, bytes.data() + done, size - done);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                throw IoError(IoError::CodeForErrno(errno));
            if (got == 0)
                break; // the file shrank while being read: what is there is read
            done += static_cast<std::size_t>(got);
        }
        bytes.resize(done);
    } catch (const std::bad_alloc&) {
        fs.close(fd);
        throw InputRefusedError("Не хватает памяти, чтобы прочитать файл.");
    } catch (...) {
        fs.close(fd);
        throw;
    }
    fs.close(fd);
    return bytes;
}

bool SameExistingFile(const std::string& a, const std::string& b, FileSystem& fs) {
    struct stat first {
    }, second{};
    return fs.stat(a.c_str(), &first) == 0 && fs.stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace lottery
