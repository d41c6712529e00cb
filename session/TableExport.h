#pragma once

#include "lottery/DrawRecord.h"
#include "lottery/LotteryShape.h"
#include "storage/FileSystem.h"

#include <QString>
#include <span>
#include <string>

namespace session {

// A path the file dialogs and the command line take for a draw table (.csv, .txt).
bool IsTablePath(const QString& path);

// The draws as a CSV table at path, written whole or not at all: the copy for other programs
// that "Сохранить как" and "--export" make.
void ExportDrawTable(const std::string& path, std::span<const lottery::DrawRecord> draws,
                     lottery::LotteryShape shape,
                     lottery::FileSystem& fs = lottery::SystemFileSystem());

} // namespace session
