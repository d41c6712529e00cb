#pragma once

#include "lottery/LotteryShape.h"
#include "lottery/RandomSource.h"
#include "lottery/SimulatedDraw.h"
#include "tickets/Ticket.h"

#include <cstdint>
#include <span>
#include <vector>

namespace lottery {

// A home draw for the whole set: the balls as the play mode draws them, and each ticket's hits.
struct SetHomeDraw {
    PlayDraw draw;
    std::vector<std::uint64_t> hits; // per ticket: its numbers that were drawn, as bits
    std::vector<int> matches;        // per ticket: how many
    std::vector<long long> levels;   // tickets per match level 0..K
};

// Draws with the play mode's generator, calling it exactly as the play mode does, so one seed
// gives the same balls on both.
SetHomeDraw DrawForSet(std::span<const Ticket> tickets, LotteryShape shape, RandomSource& random);

} // namespace lottery
