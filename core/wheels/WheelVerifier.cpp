#include "wheels/WheelVerifier.h"

#include "wheels/Combinatorics.h"

#include <algorithm>
#include <stdexcept>
#include <thread>

namespace wheels {

namespace {

// Below this many set-ticket tests a second thread costs more than it saves.
constexpr std::uint64_t kWorkPerThread = 4'000'000;
// How many sets pass between looks at the watch: rare enough to cost nothing.
constexpr std::uint64_t kSetsPerLook = 1 << 14;

struct Slice {
    bool cancelled = false;
    std::uint64_t holeCount = 0;
    std::vector<Mask> holes;
};

// The m-sets of colex ranks first..first+count-1, each against the tickets.
Slice CheckSlice(const std::vector<Mask>& tickets, int t, int m, std::uint64_t first,
                 std::uint64_t count, std::size_t holeLimit, const VerifyWatch& watch) {
    Slice slice;
    Mask set = ColexUnrank(first, m);
    std::size_t lastHit = 0; // neighbouring sets are mostly covered by the same ticket
    for (std::uint64_t i = 0; i < count; ++i, set = NextColex(set)) {
        if (i % kSetsPerLook == 0 && i > 0) {
            if (watch.setsDone != nullptr)
                *watch.setsDone += kSetsPerLook;
            if (watch.cancel != nullptr && *watch.cancel) {
                slice.cancelled = true;
                break;
            }
        }
        bool covered = !tickets.empty() && Count(set & tickets[lastHit]) >= t;
        for (std::size_t j = 0; !covered && j < tickets.size(); ++j)
            if (Count(set & tickets[j]) >= t) {
                covered = true;
                lastHit = j;
            }
        if (!covered) {
            ++slice.holeCount;
            if (slice.holes.size() < holeLimit)
                slice.holes.push_back(set);
        }
        if (i + 1 == count) {
            if (watch.setsDone != nullptr)
                *watch.setsDone += count % kSetsPerLook == 0 ? kSetsPerLook : count % kSetsPerLook;
            break; // the step past the last set may overflow
        }
    }
    return slice;
}

} // namespace

Verdict VerifyWheel(const std::vector<std::vector<int>>& tickets, const std::vector<int>& numbers,
                    int t, int m, std::size_t holeLimit, int threads, const VerifyWatch& watch) {
    std::vector<int> sorted = numbers;
    std::sort(sorted.begin(), sorted.end());
    const int v = static_cast<int>(sorted.size());
    if (v > kMaxPositions || std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end() ||
        t < 0 || m < 0 || m > v)
        throw std::invalid_argument("VerifyWheel: bad numbers or guarantee");

    // Tickets as masks over the positions of the chosen numbers; one that cannot reach t
    // never covers anything.
    std::vector<Mask> masks;
    for (const auto& ticket : tickets) {
        Mask mask = 0;
        for (const int number : ticket) {
            const auto at = std::lower_bound(sorted.begin(), sorted.end(), number);
            if (at != sorted.end() && *at == number)
                mask |= Bit(static_cast<int>(at - sorted.begin()));
        }
        if (Count(mask) >= t)
            masks.push_back(mask);
    }
    std::sort(masks.begin(), masks.end());
    masks.erase(std::unique(masks.begin(), masks.end()), masks.end());

    Verdict verdict;
    verdict.setsChecked = Binomial(v, m);
    const std::uint64_t work = verdict.setsChecked * std::max<std::uint64_t>(1, masks.size());
    const int used = work >= 2 * kWorkPerThread ? std::clamp(threads, 1, 2) : 1;
    std::vector<Slice> slices(used);
    const std::uint64_t share = verdict.setsChecked / used;
    std::vector<std::thread> helpers;
    for (int i = 1; i < used; ++i) {
        const std::uint64_t first = share * i;
        const std::uint64_t count = i + 1 == used ? verdict.setsChecked - first : share;
        helpers.emplace_back([&, i, first, count] {
            slices[i] = CheckSlice(masks, t, m, first, count, holeLimit, watch);
        });
    }
    slices[0] =
        CheckSlice(masks, t, m, 0, used == 1 ? verdict.setsChecked : share, holeLimit, watch);
    for (auto& helper : helpers)
        helper.join();

    for (const Slice& slice : slices) {
        verdict.cancelled = verdict.cancelled || slice.cancelled;
        verdict.holeCount += slice.holeCount;
        for (const Mask hole : slice.holes) {
            if (verdict.holes.size() >= holeLimit)
                break;
            std::vector<int> set;
            for (Mask rest = hole; rest != 0; rest &= rest - 1)
                set.push_back(sorted[Lowest(rest)]);
            verdict.holes.push_back(std::move(set));
        }
    }
    verdict.holds = verdict.holeCount == 0 && !verdict.cancelled;
    return verdict;
}

} // namespace wheels
