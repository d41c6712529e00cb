#pragma once

#include "AppearanceSource.h"
#include "OptionsFile.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

class DrawEntryPage;
class QAction;
class QMenu;
class QWidget;
class StandardDialogs;
class StatisticsPage;

// The "Опции" menu: the four colours, the two background patterns and User.opt. It is also
// what the dialogs ask for the current tile and the title colour.
class AppearanceOptions : public QObject, public AppearanceSource {
    Q_OBJECT
public:
    static constexpr int kPageColumns = 6;
    static constexpr int kPageRows = 4;

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

    // Menu handlers. The save handler throws lottery::IoError, which the window reports.
    void mnuColorTableFonClick();
    void mnuColorShapClick();
    void mnuFontZagolClick();
    void mnuFontTableClick();
    void mnuFon1Click();
    void mnuFon2Click();
    void mnuSaveOptionsClick();
    void SaveOptions(const std::string& path = lottery::kOptionsFileName);
    // The record the options file would receive now, taken from the controls.
    lottery::OptionsRecord currentRecord() const;

    // Lays the current tile on both page backgrounds.
    void ChangeFon();

    // Items of the menu; null before populateMenu.
    QAction* fon1Action() const { return mnuFon1_; }
    QAction* fon2Action() const { return mnuFon2_; }
    // The colour the shared colour dialog opens on next.
    QColor lastConfirmedColour() const { return lastColour_; }

private:
    void connectGuarded(QAction* action, void (AppearanceOptions::*handler)());
    // Shows the shared colour dialog; nullopt when cancelled.
    std::optional<std::int32_t> askColour();
    // A copy of the first ("Российские будни") or the second ("Квадратура") tile.
    static QImage PatternTile(bool first);
    // Moves the tick to the chosen pattern, makes its tile current and lays it.
    void choosePattern(bool first);

    StatisticsPage& statistics_;
    DrawEntryPage& drawEntry_;
    StandardDialogs& dialogs_;
    QWidget* dialogParent_;

    QAction* mnuFon1_ = nullptr;
    QAction* mnuFon2_ = nullptr;
    // Without a menu the check marks still have to be kept somewhere.
    bool firstPatternChecked_ = true;
    QImage tile_; // imgCurentFon
    QImage fon1_; // imgFon1
    QImage fon2_; // imgFon2
    QColor lastColour_ = Qt::black;
    // The reserved bytes are written back as they were read.
    std::array<std::uint8_t, 3> reserved_{};
};
