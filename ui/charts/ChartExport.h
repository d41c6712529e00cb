#pragma once

#include <QImage>
#include <QString>
#include <functional>

class QWidget;

// Saving a chart as a PNG picture and copying it to the clipboard, from its context menu.
namespace chart_export {

// The widget and its children as drawn on screen, on white, so the picture reads the same
// on any background it is later put on.
QImage Picture(QWidget* widget);
// Asks for a file name (suggesting `name`.png) and writes the picture; says so if it failed.
void SaveAsPng(QWidget* widget, const QString& name);
void CopyToClipboard(QWidget* widget);
// "Сохранить как PNG..." and "Копировать в буфер обмена" on a right click on `clicked`,
// both acting on `pictured`; saving is offered only while `worthSaving` says so (an empty
// chart is no picture worth a file).
void AddContextMenu(
    QWidget* clicked, QWidget* pictured, const QString& name,
    std::function<bool()> worthSaving = [] { return true; });

} // namespace chart_export
