#include "session/TableExport.h"

#include "storage/AtomicFile.h"
#include "tables/DrawTableWriter.h"

#include <QFileInfo>
#include <cstdint>

namespace session {

bool IsTablePath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("csv") || suffix == QLatin1String("txt");
}

void ExportDrawTable(const std::string& path, std::span<const lottery::DrawRecord> draws,
                     lottery::LotteryShape shape, lottery::FileSystem& fs) {
    const std::string csv = lottery::DrawTableCsv(draws, shape);
    lottery::WriteFileAtomically(
        path, std::span(reinterpret_cast<const std::uint8_t*>(csv.data()), csv.size()), fs);
}

} // namespace session
