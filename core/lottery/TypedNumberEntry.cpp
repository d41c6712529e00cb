#include "lottery/TypedNumberEntry.h"

namespace lottery {
namespace {

int Value(const std::string& digits) {
    int value = 0;
    for (char digit : digits)
        value = value * 10 + (digit - '0');
    return value;
}

// Digits typed together make one number: in a lottery of two-digit numbers the first digit
// waits for a second ("50" in 6/49 is one number, refused, not 5 and then 0); "05" is 5.
bool MustWait(const std::string& digits, int N) {
    return digits.size() == 1 && N >= 10;
}

} // namespace

TypedKeyOutcome TypedNumberEntry::complete(const Card& card) {
    TypedKeyOutcome outcome;
    outcome.handled = true;
    const int n = Value(pending_);
    pending_.clear();
    if (!IsOpenNumber(card.shape(), card.set(), n))
        outcome.refused = true;
    else if (!card.full())
        outcome.mark = n; // a full card ignores it, as it ignores a click
    return outcome;
}

TypedKeyOutcome TypedNumberEntry::feed(char key, const Card& card) {
    TypedKeyOutcome outcome;
    if (key >= '0' && key <= '9') {
        pending_ += key;
        if (MustWait(pending_, card.shape().N)) {
            outcome.handled = true;
            return outcome;
        }
        return complete(card);
    }
    if (key == ' ' || key == ',') {
        if (pending_.empty()) {
            outcome.handled = true;
            return outcome;
        }
        return complete(card);
    }
    if (key == kEnter) {
        const bool typed = !pending_.empty();
        if (typed)
            outcome = complete(card);
        outcome.handled = true;
        const int count = card.count() + (outcome.mark != 0 ? 1 : 0);
        // "… 4" and Enter marks the 4 and adds the draw; a refused last number adds nothing.
        outcome.press = count == card.shape().K && (!typed || outcome.mark != 0);
        return outcome;
    }
    if (key == kBackspace) {
        outcome.handled = true;
        if (!pending_.empty())
            pending_.pop_back(); // a digit not yet taken is taken back first
        else
            outcome.unmark = card.last();
        return outcome;
    }
    return outcome;
}

} // namespace lottery
