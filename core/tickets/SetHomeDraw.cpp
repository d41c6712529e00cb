#include "tickets/SetHomeDraw.h"

#include <algorithm>
#include <bit>

namespace lottery {

SetHomeDraw DrawForSet(std::span<const Ticket> tickets, LotteryShape shape, RandomSource& random) {
    SetHomeDraw result;
    result.draw = SimulatedDraw(shape, NumberSet(), random);
    std::uint64_t drawn = 0;
    for (int i = 0; i < result.draw.count; ++i)
        drawn |= std::uint64_t{1} << result.draw.balls[static_cast<std::size_t>(i)].number;
    result.levels.assign(static_cast<std::size_t>(std::max<int>(shape.K, 0)) + 1, 0);
    for (const Ticket& ticket : tickets) {
        const std::uint64_t hit = ticket.mask() & drawn;
        const int m = std::min<int>(std::popcount(hit), shape.K);
        result.hits.push_back(hit);
        result.matches.push_back(m);
        result.levels[static_cast<std::size_t>(m)] += 1;
    }
    return result;
}

} // namespace lottery
