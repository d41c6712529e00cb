#include "tickets/DrawMasks.h"

#include <algorithm>

namespace lottery {

std::vector<std::uint64_t> DrawMasks(std::span<const DrawRecord> draws, LotteryShape shape) {
    std::vector<std::uint64_t> masks;
    masks.reserve(draws.size());
    const int K = std::clamp<int>(shape.K, 0, LotteryShape::kMaxK);
    for (const DrawRecord& draw : draws) {
        std::uint64_t mask = 0;
        for (int p = 0; p < K; ++p) {
            const int number = draw[static_cast<std::size_t>(p)];
            if (number >= 1 && number <= shape.N)
                mask |= std::uint64_t{1} << number;
        }
        masks.push_back(mask);
    }
    return masks;
}

DrawRange DrawRange::clamped(long long count) const {
    const long long from = std::clamp(first, 0LL, count);
    return {from, std::clamp(last, from, count)};
}

} // namespace lottery
