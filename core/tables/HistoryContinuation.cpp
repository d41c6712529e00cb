#include "tables/HistoryContinuation.h"

#include "lottery/NumberSet.h"

namespace lottery {
namespace {

NumberSet NumbersOf(const DrawRecord& draw, int K) {
    NumberSet numbers;
    for (int p = 0; p < K; ++p)
        numbers.add(draw[static_cast<std::size_t>(p)]);
    return numbers;
}

bool SameNumbers(const DrawRecord& a, const DrawRecord& b, int K) {
    return NumbersOf(a, K) == NumbersOf(b, K);
}

} // namespace

std::optional<std::size_t> NewDrawsStartAt(std::span<const DrawRecord> current,
                                           std::span<const DrawRecord> newer, int K) {
    if (current.empty() || newer.size() <= current.size())
        return std::nullopt;
    for (std::size_t i = 0; i < current.size(); ++i)
        if (!SameNumbers(current[i], newer[i], K))
            return std::nullopt;
    return current.size();
}

} // namespace lottery
