#include "dialogs/TableImport.h"

#include "dialogs/TablePreview.h"
#include "storage/IoError.h"
#include "tables/DrawTableReader.h"

#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>

namespace {

// No draw table comes near this; a bigger file is not read into memory.
constexpr qint64 kLargestTable = 512LL * 1024 * 1024;
constexpr int kProgressSteps = 1000;

QByteArray ReadTableBytes(const QString& path) {
    QFile file(path);
    if (!file.exists())
        throw lottery::IoError(lottery::io_code::kFileNotFound);
    if (!file.open(QIODevice::ReadOnly))
        throw lottery::IoError(lottery::io_code::kAccessDenied);
    if (file.size() > kLargestTable)
        throw std::runtime_error("Файл слишком большой для таблицы тиражей");
    return file.readAll();
}

} // namespace

std::optional<lottery::DrawTable> ChooseTableReading(QWidget* parent, const QString& path) {
    const QByteArray bytes = ReadTableBytes(path);
    QProgressDialog progress(QStringLiteral("Чтение таблицы тиражей ..."), QStringLiteral("Отмена"),
                             0, kProgressSteps, parent);
    progress.setObjectName(QStringLiteral("dlgTableProgress"));
    progress.setWindowTitle(QFileInfo(path).fileName());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500); // shown only when the reading takes longer
    const lottery::DrawTable reading = lottery::ReadDrawTable(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), {},
        [&](std::size_t done, std::size_t total) {
            progress.setValue(
                static_cast<int>(done * kProgressSteps / std::max<std::size_t>(total, 1)));
            return !progress.wasCanceled();
        });
    if (progress.wasCanceled())
        return std::nullopt;
    progress.reset();
    TablePreview preview(bytes, reading, parent);
    preview.setWindowTitle(
        QStringLiteral("Импорт таблицы тиражей — %1").arg(QFileInfo(path).fileName()));
    return preview.choose();
}
