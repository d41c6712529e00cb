#pragma once

#include "LotteryShape.h"

namespace lottery {

// What the document tells the window when its operations have visible effects.
// Every hook has an empty default so a window (or a test) overrides only what it shows.
class DocumentListener {
public:
    virtual ~DocumentListener() = default;

    // A lottery was started or opened: the selected-number range becomes 1..N and the two
    // large grids get N + 1 columns (8 when N <= 7).
    virtual void shapeApplied(LotteryShape /*shape*/) {}
    // The list of past draws was emptied or replaced as a whole.
    virtual void drawListReset() {}
    // One draw was appended at the given index.
    virtual void drawAppended(int /*index*/) {}
    // Draws first .. first + removed - 1 were replaced by `inserted` draws (appends at the
    // end are told as drawAppended); the statistics are already recomputed.
    virtual void drawsReplaced(int /*first*/, int /*removed*/, int /*inserted*/) {}
    // Clear: the statistics cells of columns 1..N are blanked.
    virtual void tablesBlanked(int /*N*/) {}
    // The page reset of a new or opened lottery (number buttons, ball pictures, grids).
    virtual void pageReset() {}
    // The unsaved-changes flag changed; it is the enabled state of "Сохранить".
    virtual void changedFlagChanged(bool /*changed*/) {}
};

} // namespace lottery
