#pragma once

#include "lottery/LotteryShape.h"

#include <string>

namespace lottery {

// What happened to the document; the window decides what each event means on screen. Every
// hook has an empty default so a window (or a test) overrides only what it shows.
class DocumentListener {
public:
    virtual ~DocumentListener() = default;

    // A lottery of this shape was started or opened: new draws, the card empty.
    virtual void lotteryStarted(LotteryShape /*shape*/) {}
    // The list of draws was replaced as a whole.
    virtual void drawsReplaced() {}
    // The removed draws from first on were replaced by inserted new ones.
    virtual void drawsEdited(int /*first*/, int /*removed*/, int /*inserted*/) {}
    // The document is now named after a file; title is its name without folders
    // ("Безымянный" for an unnamed document).
    virtual void fileNamed(const std::string& /*title*/) {}
    // The unsaved-changes flag changed.
    virtual void changedFlagChanged(bool /*changed*/) {}
};

} // namespace lottery
