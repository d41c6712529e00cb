#include "HistoryDatabase.h"

#include "storage/DrawFile.h"
#include "tables/DrawTableReader.h"

#include <QFile>

QByteArray ReadHistoryTable(const QString& csvPath) {
    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(csvPath));
    return file.readAll();
}

int WriteHistoryDatabase(const QString& csvPath, const QString& databasePath) {
    const QByteArray bytes = ReadHistoryTable(csvPath);
    // The program's own table reader, as "Открыть" uses it.
    const lottery::DrawTable table = lottery::ReadDrawTable(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!table.usable())
        qFatal("%s: %s", qPrintable(csvPath), table.error.c_str());
    lottery::WriteDrawFile(databasePath.toStdString(), table.draws, table.shape, {});
    return static_cast<int>(table.draws.size());
}
