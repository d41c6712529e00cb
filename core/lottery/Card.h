#pragma once

#include "lottery/DrawRecord.h"
#include "lottery/LotteryShape.h"
#include "lottery/NumberSet.h"

namespace lottery {

// A number that may still go on a card of this shape: one of 1..N not yet taken.
constexpr bool IsOpenNumber(LotteryShape shape, const NumberSet& taken, int n) {
    return n >= 1 && n <= shape.N && !taken.contains(n);
}

enum class MarkResult {
    Ignored,  // the card is already full (or n is outside 1..N or already marked)
    Marked,   // n is on the card, which is not full yet
    CardFull, // n is on the card and the card now holds K numbers
};

// A card of one lottery shape: up to K distinct numbers of 1..N in the order they were marked;
// complete with K. The draw-entry card, the card of a corrected draw and typed entry all obey it.
class Card {
public:
    explicit Card(LotteryShape shape = {}) : shape_(shape) {}

    LotteryShape shape() const { return shape_; }
    // Positions 0..count-1 hold the marked numbers in marking order; the bytes behind them are
    // whatever was there before and are kept, as a recorded draw carries all seven.
    const DrawRecord& numbers() const { return numbers_; }
    const NumberSet& set() const { return set_; }
    int count() const { return count_; }
    bool full() const { return count_ == shape_.K; }
    bool contains(int n) const { return set_.contains(n); }
    // The number marked last, 0 on an empty card.
    int last() const { return count_ > 0 ? numbers_[static_cast<std::size_t>(count_ - 1)] : 0; }

    MarkResult mark(int n);
    // Returns false when n is not on the card; the later numbers move up one place.
    bool unmark(int n);
    // Unmarks n when it is on the card, else marks it if it may go on.
    void toggle(int n);
    // Empties the card, which may take another shape.
    void clear() { clear(shape_); }
    void clear(LotteryShape shape);

private:
    LotteryShape shape_;
    DrawRecord numbers_{};
    NumberSet set_;
    int count_ = 0;
};

} // namespace lottery
