#include "tickets/BestHits.h"

#include <algorithm>
#include <limits>

namespace lottery {
namespace {

// The heap keeps the worst kept hit on top.
bool WorseOnTop(const SetHit& a, const SetHit& b) {
    return BestHits::better(a, b);
}

} // namespace

bool BestHits::better(const SetHit& a, const SetHit& b) {
    if (a.matches != b.matches)
        return a.matches > b.matches;
    if (a.draw != b.draw)
        return a.draw > b.draw;
    return a.ticket < b.ticket;
}

int BestHits::floor() const {
    if (listed_ == 0)
        return std::numeric_limits<int>::max();
    return heap_.size() < listed_ ? 0 : heap_.front().matches;
}

void BestHits::offer(const SetHit& hit) {
    if (listed_ == 0)
        return;
    if (heap_.size() < listed_) {
        heap_.push_back(hit);
        std::push_heap(heap_.begin(), heap_.end(), WorseOnTop);
    } else if (better(hit, heap_.front())) {
        std::pop_heap(heap_.begin(), heap_.end(), WorseOnTop);
        heap_.back() = hit;
        std::push_heap(heap_.begin(), heap_.end(), WorseOnTop);
    }
}

void BestHits::merge(const BestHits& other) {
    for (const SetHit& hit : other.heap_)
        offer(hit);
}

std::vector<SetHit> BestHits::sorted() const {
    std::vector<SetHit> hits = heap_;
    std::sort(hits.begin(), hits.end(), better);
    return hits;
}

} // namespace lottery
