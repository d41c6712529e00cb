#pragma once

#include "tickets/TicketSetCheck.h"

#include <cstddef>
#include <vector>

namespace lottery {

// Keeps the `listed` best hits seen: most matches first, then the latest draw, then the first
// ticket. A min-heap, so that offering a hit no better than the worst kept is one comparison.
class BestHits {
public:
    explicit BestHits(int listed) : listed_(listed > 0 ? static_cast<std::size_t>(listed) : 0) {}

    // The fewest matches a hit needs to be worth offering.
    int floor() const;
    void offer(const SetHit& hit);
    void merge(const BestHits& other);
    // Best first.
    std::vector<SetHit> sorted() const;

    static bool better(const SetHit& a, const SetHit& b);

private:
    std::size_t listed_;
    std::vector<SetHit> heap_;
};

} // namespace lottery
