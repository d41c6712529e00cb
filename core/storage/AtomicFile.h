#pragma once

#include "storage/FileSystem.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace lottery {

// Replaces the file at path with bytes, commit-or-nothing: the bytes go to a temporary file in
// the same folder, are flushed to disk and then renamed over the target, which keeps its
// permissions and, where the saver may, its owner and group. On any failure the old file
// stays whole, the temporary is removed and an IoError is thrown. An existing target without
// write permission fails with code 5. A writable file in a folder that takes no temporary is
// rewritten in place instead, with its old bytes kept aside until the new ones are whole (see
// InPlaceRewrite.h). Temporaries of earlier saves of
// the file that were killed half-way are removed once they are a minute old.
void WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                         FileSystem& fs = SystemFileSystem());

// Opens an existing file for reading and writing (so a read-only file fails with code 5), after
// finishing a rewrite in place that was killed half-way, asks
// placeFor(size) where its bytes go, and fills that span (at most size bytes) from the start.
void ReadFileForUpdate(const std::string& path, FileSystem& fs,
                       const std::function<std::span<std::uint8_t>(std::size_t size)>& placeFor);

// Reads an existing file, at most limit bytes, opened for reading and writing (so a read-only
// file fails with code 5). Throws IoError.
std::vector<std::uint8_t> ReadWholeFileForUpdate(const std::string& path,
                                                 FileSystem& fs = SystemFileSystem(),
                                                 std::size_t limit = SIZE_MAX);

} // namespace lottery
