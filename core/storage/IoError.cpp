#include "storage/IoError.h"

#include <cerrno>

namespace lottery {

std::string IoError::MessageFor(int code) {
    switch (code) {
    case io_code::kFileNotFound:
        return "File not found";
    case io_code::kInvalidFilename:
        return "Invalid filename";
    case io_code::kTooManyOpenFiles:
        return "Too many open files";
    case io_code::kAccessDenied:
        return "File access denied";
    case io_code::kReadBeyondEnd:
        return "Read beyond end of file";
    case io_code::kDiskFull:
        return "Disk full";
    case io_code::kInvalidNumericInput:
        return "Invalid numeric input";
    default:
        return "I/O error " + std::to_string(code);
    }
}

int IoError::CodeForErrno(int errnoValue) {
    switch (errnoValue) {
    case ENOENT:
        return io_code::kFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP:
        return io_code::kInvalidFilename;
    case EMFILE:
    case ENFILE:
        return io_code::kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EBUSY:
        return io_code::kAccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return io_code::kDiskFull;
    default:
        if (errnoValue <= 0)
            return io_code::kAccessDenied;
        // An unlisted error must not borrow a listed text (EIO is 5, which would read
        // "File access denied"), so such numbers are moved out of the listed range.
        return MessageFor(errnoValue).rfind("I/O error ", 0) == 0 ? errnoValue : 1000 + errnoValue;
    }
}

InvalidContentError::InvalidContentError()
    : std::runtime_error("Файл повреждён или не является базой данных лотереи") {}

} // namespace lottery
