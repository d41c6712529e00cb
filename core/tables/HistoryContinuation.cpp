#include "tables/HistoryContinuation.h"

#include "lottery/NumberSet.h"

#include <algorithm>
#include <vector>

namespace lottery {
namespace {

NumberSet NumbersOf(const DrawRecord& draw, int K) {
    NumberSet numbers;
    for (int p = 0; p < K; ++p)
        numbers.add(draw[static_cast<std::size_t>(p)]);
    return numbers;
}

// Whether newer[0, length) equals current[at, at + length).
bool SameRun(const std::vector<NumberSet>& current, const std::vector<NumberSet>& newer,
             std::size_t at, std::size_t length) {
    return std::equal(newer.begin(), newer.begin() + static_cast<std::ptrdiff_t>(length),
                      current.begin() + static_cast<std::ptrdiff_t>(at));
}

} // namespace

TableOverlap OverlapWithHistory(std::span<const DrawRecord> current,
                                std::span<const DrawRecord> newer, int K) {
    TableOverlap overlap;
    if (current.empty() || newer.empty())
        return overlap;
    std::vector<NumberSet> a, b;
    a.reserve(current.size());
    b.reserve(newer.size());
    for (const DrawRecord& draw : current)
        a.push_back(NumbersOf(draw, K));
    for (const DrawRecord& draw : newer)
        b.push_back(NumbersOf(draw, K));
    // Only places where newer's first draw stands in current are tried.
    for (std::size_t at = 0; at < a.size(); ++at) {
        if (!(a[at] == b.front()))
            continue;
        const std::size_t length = std::min(b.size(), a.size() - at);
        if (!SameRun(a, b, at, length))
            continue;
        if (length == b.size()) {
            overlap.nothingNew = true;
            overlap.newFrom.reset();
            return overlap;
        }
        // newer runs past the end of current: the longest such overlap is the first found.
        if (!overlap.newFrom)
            overlap.newFrom = length;
    }
    return overlap;
}

std::optional<std::size_t> NewDrawsStartAt(std::span<const DrawRecord> current,
                                           std::span<const DrawRecord> newer, int K) {
    return OverlapWithHistory(current, newer, K).newFrom;
}

} // namespace lottery
