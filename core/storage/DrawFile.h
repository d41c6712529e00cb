#pragma once

#include "lottery/DrawFileContent.h"
#include "lottery/DrawRecord.h"
#include "lottery/LotteryShape.h"
#include "storage/FileSystem.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lottery {

// A lottery database: 7-byte draw records, oldest first, then one trailer record
// (K, N, five reserved bytes). The number of draws follows from the file size.
inline constexpr std::size_t kRecordSize = 7;

// The file's bytes for a document.
std::vector<std::uint8_t> EncodeDrawFile(std::span<const DrawRecord> draws, LotteryShape shape,
                                         const TrailerReserved& reserved);

// Checks and decodes a whole file image. A partial record at the end is ignored. Throws
// IoError(131) when not even the trailer is there, InvalidContentError for a shape outside
// K 1..7, N K+1..49 or a number outside 1..N in positions 1..K.
DrawFileContent DecodeDrawFile(std::span<const std::uint8_t> bytes);

// True when the bytes read as a lottery database; whatever else is, a draw table or not, is
// not one. The content decides, never the file's name.
bool IsDrawFileContent(std::span<const std::uint8_t> bytes);

// Whether the file at path reads as a lottery database (see IsDrawFileContent); nullopt when
// it cannot be read at all.
std::optional<bool> IsDrawFileAt(const std::string& path, FileSystem& fs = SystemFileSystem());

// Reads and checks the file as a whole; nothing is returned unless all of it is usable.
DrawFileContent ReadDrawFile(const std::string& path, FileSystem& fs = SystemFileSystem());

// Rewrites the file in full, commit-or-nothing.
void WriteDrawFile(const std::string& path, std::span<const DrawRecord> draws, LotteryShape shape,
                   const TrailerReserved& reserved, FileSystem& fs = SystemFileSystem());

} // namespace lottery
