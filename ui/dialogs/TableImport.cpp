#include "dialogs/TableImport.h"

#include "dialogs/TablePreview.h"
#include "storage/InputFile.h"
#include "dialogs/TablePreview.h"
#include "storage/IoError.h"
#include "tables/DrawTableReader.h"

#include <QFileInfo>
#include <QProgressDialog>

namespace {

constexpr int kProgressSteps = 1000;

} // namespace

std::optional<lottery::DrawTable> ChooseTableReading(QWidget* parent, const QString& path) {
    // Read as the command line reads it: one size limit, regular files only.
    const QByteArray bytes = QByteArray::fromStdString(lottery::ReadInputFile(path.toStdString()));
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
