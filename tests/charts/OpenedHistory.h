#pragma once

#include "lottery/LotteryDocument.h"
#include "storage/DocumentFile.h"
#include "storage/DrawFile.h"

#include <QTemporaryDir>

// Gives the document these draws the way a user does: written to a draw file and opened.
inline void OpenDraws(lottery::LotteryDocument& document,
                      const std::vector<lottery::DrawRecord>& draws, lottery::LotteryShape shape) {
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("history.dat")).toStdString();
    lottery::WriteDrawFile(path, draws, shape, lottery::TrailerReserved{});
    OpenDocument(document, path);
}
