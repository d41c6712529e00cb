#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <initializer_list>

class QDialog;
class QLabel;
class QPushButton;
class QWidget;

// What the three dialogs build alike: a fixed window with the 11-pixel dialog font,
// transparent labels and push buttons placed by coordinates.
namespace dialog_controls {

void SetUpFixedWindow(QDialog& dialog, const QString& objectName, const QString& caption,
                      QSize client);
// An automatically sized, transparent label at x,y.
QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, int x, int y,
                 bool bold);
// A label of fixed size; wrapped labels break their text inside that width.
QLabel* AddSizedLabel(QWidget* parent, const QString& name, const QString& text, QRect place,
                      Qt::Alignment alignment, bool wrap);
// A button that Enter presses only while it has the focus.
QPushButton* AddButton(QWidget* parent, const QString& name, const QString& text, QRect place,
                       bool bold);
void SetFontColour(std::initializer_list<QWidget*> widgets, const QColor& colour);
void MakeBold(QWidget* widget);

} // namespace dialog_controls
