#include "tables/DrawOrder.h"

#include <algorithm>
#include <cstdint>

namespace lottery {
namespace {

// Indices (into keys, readable ones only) of a longest non-decreasing run of keys read
// oldest first; everything else is out of place.
std::vector<bool> InPlace(std::span<const OrderKey> keys, bool newestFirst) {
    const auto valueAt = [&](std::size_t i) { return newestFirst ? -keys[i].key : keys[i].key; };
    std::vector<std::size_t> tails;   // index of the smallest tail of each run length
    std::vector<long long> tailValue; // its value, for the binary search
    std::vector<std::uint32_t> parent(keys.size(), UINT32_MAX); // a table holds < 4G lines
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (!keys[i].readable)
            continue;
        const long long value = valueAt(i);
        const std::size_t length = static_cast<std::size_t>(
            std::upper_bound(tailValue.begin(), tailValue.end(), value) - tailValue.begin());
        if (length > 0)
            parent[i] = static_cast<std::uint32_t>(tails[length - 1]);
        if (length == tails.size()) {
            tails.push_back(i);
            tailValue.push_back(value);
        } else {
            tails[length] = i;
            tailValue[length] = value;
        }
    }
    std::vector<bool> inPlace(keys.size(), false);
    for (std::size_t i = tails.empty() ? UINT32_MAX : tails.back(); i != UINT32_MAX; i = parent[i])
        inPlace[i] = true;
    return inPlace;
}

} // namespace

OrderFinding FindOrder(std::span<const OrderKey> keys) {
    OrderFinding finding;
    std::size_t up = 0, down = 0;
    const OrderKey* previous = nullptr;
    for (const OrderKey& key : keys) {
        if (!key.readable)
            continue;
        if (previous != nullptr) {
            up += key.key > previous->key;
            down += key.key < previous->key;
        }
        previous = &key;
    }
    // A direction needs a clear majority of the steps: keys that go both ways about as often
    // (a prize column named like a draw number) tell nothing.
    finding.decided = up * 3 >= (up + down) * 2 || down * 3 >= (up + down) * 2;
    finding.newestFirst = down > up;
    const std::vector<bool> inPlace =
        finding.decided ? InPlace(keys, finding.newestFirst) : std::vector<bool>();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (!keys[i].readable)
            finding.unreadable.push_back(i);
        else if (finding.decided && !inPlace[i])
            finding.outOfPlace.push_back(i);
    }
    return finding;
}

} // namespace lottery
