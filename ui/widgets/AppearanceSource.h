#pragma once

#include <QColor>
#include <QImage>

// What the dialogs take from the main window each time they are shown: the current 81x81
// background tile and the title colour (the font colour of the main window's Label1).
class AppearanceSource {
public:
    virtual ~AppearanceSource() = default;
    virtual QImage currentTile() const = 0;
    virtual QColor titleColour() const = 0;
};
