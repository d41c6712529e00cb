#include "charts/ChartExport.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QWidget>

namespace chart_export {

QImage Picture(QWidget* widget) {
    const qreal scale = widget->devicePixelRatioF();
    QImage image(widget->size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    // Children only: the window's tiled pattern behind the chart is left out.
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

void SaveAsPng(QWidget* widget, const QString& name) {
    const QString chosen =
        QFileDialog::getSaveFileName(widget->window(), QStringLiteral("Сохранить диаграмму"),
                                     QDir::home().filePath(name + QStringLiteral(".png")),
                                     QStringLiteral("Рисунки PNG (*.png)"));
    if (chosen.isEmpty())
        return;
    // The dialog of some platforms returns the name as typed, without the filter's ending.
    const QString path = chosen.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)
                             ? chosen
                             : chosen + QStringLiteral(".png");
    if (!Picture(widget).save(path, "PNG"))
        QMessageBox::warning(
            widget->window(), QStringLiteral("Сохранить диаграмму"),
            QStringLiteral("Не удалось записать файл %1.").arg(QDir::toNativeSeparators(path)));
}

void CopyToClipboard(QWidget* widget) {
    QGuiApplication::clipboard()->setImage(Picture(widget));
}

void AddContextMenu(QWidget* clicked, QWidget* pictured, const QString& name,
                    std::function<bool()> worthSaving) {
    clicked->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(clicked, &QWidget::customContextMenuRequested, pictured,
                     [clicked, pictured, name, worthSaving](const QPoint& at) {
                         QMenu menu(clicked);
                         QAction* save =
                             menu.addAction(QStringLiteral("Сохранить как PNG..."), pictured,
                                            [pictured, name] { SaveAsPng(pictured, name); });
                         save->setEnabled(worthSaving());
                         menu.addAction(QStringLiteral("Копировать в буфер обмена"), pictured,
                                        [pictured] { CopyToClipboard(pictured); });
                         menu.exec(clicked->mapToGlobal(at));
                     });
}

} // namespace chart_export
