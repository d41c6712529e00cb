#include "HistoryDatabase.h"

#include "DrawFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>
#include <vector>

int WriteHistoryDatabase(const QString& csvPath, const QString& databasePath) {
    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(csvPath));
    QTextStream in(&file);
    in.readLine(); // header
    const QRegularExpression quotedDate(QStringLiteral("^\"[^\"]*\","));
    std::vector<lottery::DrawRecord> draws;
    while (!in.atEnd()) {
        // Drop the quoted date, then take the six numbers that follow it; the bonus is no part
        // of a draw.
        const QStringList fields = in.readLine().remove(quotedDate).split(QLatin1Char(','));
        if (fields.size() < 6)
            continue;
        lottery::DrawRecord draw{};
        for (std::size_t p = 0; p < 6; ++p)
            draw[p] = static_cast<std::uint8_t>(fields[static_cast<int>(p)].trimmed().toInt());
        draws.push_back(draw);
    }
    lottery::WriteDrawFile(databasePath.toStdString(), draws, lottery::LotteryShape{6, 49}, {});
    return static_cast<int>(draws.size());
}
