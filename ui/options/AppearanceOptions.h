#pragma once

#include "storage/OptionsFile.h"
#include "widgets/AppearanceSource.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <cstdint>
#include <string>

class DrawEntryPage;
class QAction;
class QMenu;
class QWidget;
class StandardDialogs;
class StatisticsPage;

// The "Опции" menu: the four colours, the two background patterns and the options file. It
// keeps the one options record (colours as the file stores them) and hands the pages the
// colours resolved; it is also what the dialogs ask for the current tile and the title colour.
class AppearanceOptions : public QObject, public AppearanceSource {
    Q_OBJECT
public:
    static constexpr int kPageColumns = 6;
    static constexpr int kPageRows = 4;

    // The options are read from and saved to optionsPath, through fs.
    AppearanceOptions(StatisticsPage& statistics, DrawEntryPage& drawEntry,
                      StandardDialogs& dialogs, std::string optionsPath, lottery::FileSystem& fs,
                      QWidget* dialogParent);

    void setFileSystem(lottery::FileSystem& fs) { fileSystem_ = &fs; }

    // Fills the "Опции" submenu (mnuColor ... mnuSaveOptions) with its items and actions.
    void populateMenu(QMenu* mnuOptions);
    // Start-up: the first pattern becomes the current tile and is laid on both pages.
    void LayFirstPattern();
    // Last step of start-up; silent when the file cannot be used.
    void LoadOptions();

    QImage currentTile() const override;
    QColor titleColour() const override;

    // Menu handlers. The save handler throws lottery::IoError, which the application reports.
    void mnuColorTableFonClick();
    void mnuColorShapClick();
    void mnuFontZagolClick();
    void mnuFontTableClick();
    void mnuFon1Click();
    void mnuFon2Click();
    void mnuSaveOptionsClick();
    // The record the options file would receive now.
    const lottery::OptionsRecord& currentRecord() const { return record_; }

    // Lays the current tile on both page backgrounds.
    void ChangeFon();

    // Items of the menu; null before populateMenu.
    QAction* fon1Action() const { return mnuFon1_; }
    QAction* fon2Action() const { return mnuFon2_; }
    // The colour the shared colour dialog opens on next.
    QColor lastConfirmedColour() const { return lastColour_; }

private:
    // Shows the shared colour dialog and stores the chosen colour in field.
    void askColour(std::int32_t lottery::OptionsRecord::*field);
    // The four colours of the record, resolved, to the statistics page.
    void applyColours();
    // A copy of the first ("Российские будни") or the second ("Квадратура") tile.
    static QImage PatternTile(bool first);
    // Moves the tick to the chosen pattern, makes its tile current and lays it.
    void choosePattern(bool first);

    StatisticsPage& statistics_;
    DrawEntryPage& drawEntry_;
    StandardDialogs& dialogs_;
    std::string optionsPath_;
    lottery::FileSystem* fileSystem_;
    QWidget* dialogParent_;

    QAction* mnuFon1_ = nullptr;
    QAction* mnuFon2_ = nullptr;
    // The background is kept as saved (1 or 2); the reserved bytes as they were read.
    lottery::OptionsRecord record_;
    QImage tile_; // imgCurentFon
    QImage fon1_; // imgFon1
    QImage fon2_; // imgFon2
    QColor lastColour_ = Qt::black;
};
