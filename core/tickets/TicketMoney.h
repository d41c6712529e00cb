#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace lottery {

// Money in kopecks, so that prices like 2,50 stay exact.
using Kopecks = std::int64_t;

// What the user pays for one ticket and wins at each match level; kept with the set. Nothing
// given means the set has no prices and no money is shown.
struct TicketMoney {
    // The largest amount taken: a billion roubles, far above any prize, far below overflow.
    static constexpr Kopecks kLargest = 100'000'000'000;

    Kopecks price = 0;
    std::vector<Kopecks> prizes; // element m: the prize for m matches; missing levels win 0

    bool priced() const {
        if (price != 0)
            return true;
        for (const Kopecks prize : prizes)
            if (prize != 0)
                return true;
        return false;
    }
    Kopecks prize(int matches) const {
        return matches >= 0 && static_cast<std::size_t>(matches) < prizes.size()
                   ? prizes[static_cast<std::size_t>(matches)]
                   : 0;
    }
    // Levels not named win nothing, named or not.
    bool operator==(const TicketMoney& other) const {
        const std::size_t levels = std::max(prizes.size(), other.prizes.size());
        for (std::size_t m = 0; m < levels; ++m)
            if (prize(static_cast<int>(m)) != other.prize(static_cast<int>(m)))
                return false;
        return price == other.price;
    }
};

} // namespace lottery
