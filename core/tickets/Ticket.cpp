#include "tickets/Ticket.h"

#include <bit>

namespace lottery {

std::optional<Ticket> Ticket::FromNumbers(std::span<const int> numbers) {
    std::uint64_t mask = 0;
    for (const int number : numbers) {
        if (number < 1 || number > LotteryShape::kMaxN)
            return std::nullopt;
        const std::uint64_t bit = std::uint64_t{1} << number;
        if ((mask & bit) != 0)
            return std::nullopt;
        mask |= bit;
    }
    return Ticket(mask);
}

int Ticket::count() const {
    return std::popcount(mask_);
}

bool Ticket::contains(int number) const {
    return number >= 1 && number <= LotteryShape::kMaxN && ((mask_ >> number) & 1U) != 0;
}

std::vector<int> Ticket::numbers() const {
    std::vector<int> result;
    for (std::uint64_t rest = mask_; rest != 0; rest &= rest - 1)
        result.push_back(std::countr_zero(rest));
    return result;
}

bool Ticket::fits(LotteryShape shape) const {
    if (!shape.isValid())
        return false;
    // Bits 1..N only.
    const std::uint64_t allowed = ((std::uint64_t{1} << (shape.N + 1)) - 1) & ~std::uint64_t{1};
    return (mask_ & ~allowed) == 0 && count() == shape.K;
}

std::string Ticket::text() const {
    std::string result;
    for (const int number : numbers()) {
        if (!result.empty())
            result += ' ';
        result += std::to_string(number);
    }
    return result;
}

bool Ticket::operator<(const Ticket& other) const {
    // Among sets of one size, the one holding the lowest number they do not share comes first;
    // a shorter set that is a prefix of the other comes first as well.
    const std::uint64_t differ = mask_ ^ other.mask_;
    if (differ == 0)
        return false;
    const int lowest = std::countr_zero(differ);
    const std::uint64_t below = (std::uint64_t{1} << lowest) - 1;
    if (std::popcount(mask_ & ~below) == 0 || std::popcount(other.mask_ & ~below) == 0)
        return std::popcount(mask_ & ~below) == 0;
    return ((mask_ >> lowest) & 1U) != 0;
}

} // namespace lottery
