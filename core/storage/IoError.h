#pragma once

#include <stdexcept>
#include <string>

namespace lottery {

// Input/output error codes as the user sees them.
namespace io_code {
inline constexpr int kFileNotFound = 2;
inline constexpr int kInvalidFilename = 3;
inline constexpr int kTooManyOpenFiles = 4;
inline constexpr int kAccessDenied = 5;
inline constexpr int kSeekBeforeStart = 131;
inline constexpr int kReadBeyondEnd = 100;
inline constexpr int kDiskFull = 101;
inline constexpr int kInvalidNumericInput = 106;
} // namespace io_code

// An input/output failure of the draw file or the options file; what() is the message shown.
class IoError : public std::runtime_error {
public:
    explicit IoError(int code) : std::runtime_error(MessageFor(code)), code_(code) {}
    int code() const { return code_; }
    static std::string MessageFor(int code);
    // The code a user would expect for a platform errno value (missing file 2, permission 5, ...).
    static int CodeForErrno(int errnoValue);

private:
    int code_;
};

// A file that reads fine but cannot be a lottery database (bad shape or numbers).
class InvalidContentError : public std::runtime_error {
public:
    InvalidContentError();
};

} // namespace lottery
