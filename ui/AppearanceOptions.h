#pragma once

#include <QImage>
#include <QObject>

#include <cstdint>
#include <string>

#include "AppearanceSource.h"
#include "OptionsFile.h"

class DrawEntryPage;
class QMenu;
class QWidget;
class StandardDialogs;
class StatisticsPage;

// The "Опции" menu: the four colours, the two background patterns and User.opt. It is also
// what the dialogs ask for the current tile and the title colour.
class AppearanceOptions : public QObject, public AppearanceSource {
    Q_OBJECT
public:
    AppearanceOptions(StatisticsPage& statistics, DrawEntryPage& drawEntry,
                      StandardDialogs& dialogs, QWidget* dialogParent);

    // Fills the "Опции" submenu (mnuColor ... mnuSaveOptions) with its items and actions.
    void populateMenu(QMenu* mnuOptions);
    // Start-up: the first pattern becomes the current tile and is laid on both pages.
    void LayFirstPattern();
    // Last step of start-up; silent when the file cannot be used.
    void LoadOptions(const std::string& path = lottery::kOptionsFileName);

    QImage currentTile() const override;
    QColor titleColour() const override;
};
