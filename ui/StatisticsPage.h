#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>

namespace lottery {
class LotteryDocument;
}

// " Статистика ": the list of past draws and the four statistics tables. It holds no data of
// its own; TabSheet1Show rewrites everything from the document.
//
// Colours are stored option values (see ColourValue.h), resolved through the palette when drawn.
class StatisticsPage : public QWidget {
    Q_OBJECT
public:
    explicit StatisticsPage(lottery::LotteryDocument& document, QWidget* parent = nullptr);

    // imgFon1: the tiled 450x303 background.
    void setBackground(const QImage& picture);

    // Background of grdNumber, grdAll, grdChashe, grdReje and lbxAll.
    void setTableBackColour(std::int32_t value);
    std::int32_t tableBackColour() const; // of lbxAll
    // Title-cell colour of grdNumber and grdAll.
    void setTableHeadColour(std::int32_t value);
    std::int32_t tableHeadColour() const; // of grdNumber
    // Font colour of the six title labels.
    void setTitleColour(std::int32_t value);
    std::int32_t titleColour() const; // of Label1
    // Font colour of lbxAll and the four grids.
    void setTableFontColour(std::int32_t value);
    std::int32_t tableFontColour() const; // of lbxAll
};
