#include "RandomDraws.h"

#include <algorithm>
#include <numeric>

namespace lottery::test {

std::vector<DrawRecord> RandomDraws(std::mt19937& rng, LotteryShape shape, int count,
                                    double repeatChance) {
    std::vector<DrawRecord> draws;
    draws.reserve(static_cast<std::size_t>(count));
    std::vector<int> pool(shape.N);
    std::iota(pool.begin(), pool.end(), 1);
    std::uniform_int_distribution<int> anyNumber(1, shape.N);
    std::uniform_int_distribution<int> anyByte(0, 255);
    std::bernoulli_distribution repeat(repeatChance);
    for (int d = 0; d < count; ++d) {
        // A partial shuffle gives K distinct numbers.
        for (int p = 0; p < shape.K; ++p) {
            std::uniform_int_distribution<int> pick(p, shape.N - 1);
            std::swap(pool[static_cast<std::size_t>(p)], pool[static_cast<std::size_t>(pick(rng))]);
        }
        DrawRecord record{};
        for (int p = 0; p < 7; ++p) {
            if (p >= shape.K)
                record[p] = static_cast<std::uint8_t>(anyByte(rng));
            else if (repeatChance > 0.0 && repeat(rng))
                record[p] = static_cast<std::uint8_t>(anyNumber(rng));
            else
                record[p] = static_cast<std::uint8_t>(pool[static_cast<std::size_t>(p)]);
        }
        draws.push_back(record);
    }
    return draws;
}

} // namespace lottery::test
