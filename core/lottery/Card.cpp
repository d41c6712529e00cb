#include "lottery/Card.h"

#include <algorithm>

namespace lottery {

MarkResult Card::mark(int n) {
    if (count_ >= shape_.K || !IsOpenNumber(shape_, set_, n))
        return MarkResult::Ignored;
    set_.add(n);
    numbers_[static_cast<std::size_t>(count_)] = static_cast<std::uint8_t>(n);
    ++count_;
    return full() ? MarkResult::CardFull : MarkResult::Marked;
}

bool Card::unmark(int n) {
    if (!set_.contains(n))
        return false;
    set_.remove(n);
    const auto begin = numbers_.begin();
    const auto end = begin + count_;
    const auto at = std::find(begin, end, static_cast<std::uint8_t>(n));
    // The later entries move up one place; the old last entry stays behind, unread.
    if (at != end)
        std::copy(at + 1, end, at);
    --count_;
    return true;
}

void Card::toggle(int n) {
    if (!unmark(n))
        mark(n);
}

void Card::clear(LotteryShape shape) {
    shape_ = shape;
    set_.clear();
    count_ = 0;
}

} // namespace lottery
