#pragma once

#include "lottery/Card.h"

#include <string>

namespace lottery {

// What one key asks the card to do. At most one of mark/unmark is set; press may follow a
// mark that fills the card.
struct TypedKeyOutcome {
    bool handled = false; // the key belongs to number entry
    bool refused = false; // a typed number outside 1..N or already marked: beep, nothing else
    int mark = 0;         // mark this number, as a click on its ball would
    int unmark = 0;       // unmark this number (Backspace)
    bool press = false;   // press the add / play button of the full card
};

// Turns typed digits, separators, Enter and Backspace into card actions. Digits typed together
// are one number, complete at a blank, a comma or Enter, or at its second digit; in a lottery
// of one-digit numbers at once. A number that cannot be on the card ("50" in 6/49) is refused
// whole.
class TypedNumberEntry {
public:
    static constexpr char kEnter = '\n';
    static constexpr char kBackspace = '\b';

    TypedKeyOutcome feed(char key, const Card& card);
    // Forgets digits typed so far (a click, a new lottery, the page left).
    void clear() { pending_.clear(); }
    const std::string& pending() const { return pending_; }

private:
    TypedKeyOutcome complete(const Card& card);

    std::string pending_;
};

} // namespace lottery
