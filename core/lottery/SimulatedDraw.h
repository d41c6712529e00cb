#pragma once

#include "lottery/LotteryShape.h"
#include "lottery/NumberSet.h"
#include "lottery/RandomSource.h"

#include <array>
#include <cstdint>

namespace lottery {

// One ball of a home draw: its number, where its picture goes on the draw-entry page,
// and whether it matches the ticket.
struct PlayBall {
    std::uint8_t number = 0;
    std::int32_t left = 0;
    std::int32_t top = 0;
    bool hit = false;
};

struct PlayDraw {
    int count = 0; // K
    std::array<PlayBall, LotteryShape::kMaxK> balls{};
    NumberSet drawnSet;
    NumberSet matchedSet; // ticket ∩ drawn
};

// Height of the horizontal band each ball falls in: trunc(219 / K).
int BallBand(int K);

// Draws K distinct numbers 1..N against the ticket. Per ball the generator is called for the
// number (once per attempt), then the left position, then the top position.
PlayDraw SimulatedDraw(LotteryShape shape, const NumberSet& ticket, RandomSource& random);

} // namespace lottery
