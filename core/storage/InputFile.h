#pragma once

#include "storage/FileSystem.h"

#include <cstddef>
#include <stdexcept>
#include <string>

namespace lottery {

// No draw table or database comes near this; a bigger file is not read into memory.
inline constexpr std::size_t kLargestInputFile = 512u * 1024 * 1024;

// An input the program will not read, with the reason in Russian (too big, not a regular file,
// no memory for it).
class InputRefusedError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a whole file read-only. Only a regular file of at most limit bytes is read: a device,
// a pipe or a folder could never end or would not fit. Throws IoError when the file cannot be
// opened or read, InputRefusedError for the rest.
std::string ReadInputFile(const std::string& path, FileSystem& fs = SystemFileSystem(),
                          std::size_t limit = kLargestInputFile);

// True when both paths name one existing file (also through links), so that writing the one
// would destroy the other.
bool SameExistingFile(const std::string& a, const std::string& b,
                      FileSystem& fs = SystemFileSystem());

} // namespace lottery
