#pragma once

#include "lottery/LotteryShape.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lottery {

// One ticket: its numbers as bits (bit n for number n), so that its match with a draw held the
// same way is one AND and a popcount. The order the numbers were typed in is not kept: a
// ticket is a set, shown ascending.
class Ticket {
public:
    Ticket() = default;
    static Ticket FromMask(std::uint64_t mask) { return Ticket(mask); }
    // Nullopt when a number is outside 1..kMaxN or repeated.
    static std::optional<Ticket> FromNumbers(std::span<const int> numbers);

    std::uint64_t mask() const { return mask_; }
    int count() const;
    bool contains(int number) const;
    std::vector<int> numbers() const; // ascending
    // Exactly K distinct numbers of 1..N.
    bool fits(LotteryShape shape) const;
    // "3 12 18 27 34 41"
    std::string text() const;

    bool operator==(const Ticket&) const = default;
    // Ascending numbers compared in turn: the order of "Сортировать".
    bool operator<(const Ticket& other) const;

private:
    explicit Ticket(std::uint64_t mask) : mask_(mask) {}
    std::uint64_t mask_ = 0;
};

} // namespace lottery
