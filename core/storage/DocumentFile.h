#pragma once

#include "lottery/LotteryDocument.h"
#include "storage/FileSystem.h"

#include <string>

namespace lottery {

// Opening and saving the lottery document as a database file.

// All or nothing: the file is read and checked as a whole first; the document changes only when
// that succeeded. Throws IoError / InvalidContentError otherwise.
void OpenDocument(LotteryDocument& document, const std::string& path,
                  FileSystem& fs = SystemFileSystem());

// Rewrites the file the document is named after; only for a named document.
void SaveDocument(LotteryDocument& document, FileSystem& fs = SystemFileSystem());

// Writes to path and, only once that succeeded, names the document after it.
void SaveDocumentAs(LotteryDocument& document, const std::string& path,
                    FileSystem& fs = SystemFileSystem());

} // namespace lottery
