#include "lottery/SimulatedDraw.h"

namespace lottery {

int BallBand(int K) {
    // Computed in floating point and truncated, as the display rows were laid out.
    return K > 0 ? static_cast<int>(219.0 / K) : 0;
}

PlayDraw SimulatedDraw(LotteryShape shape, const NumberSet& ticket, RandomSource& random) {
    PlayDraw draw;
    const int K = shape.K;
    const int band = BallBand(K);
    draw.count = K;
    // K < N always leaves a free number, so the retry loop ends; an invalid shape draws nothing.
    if (!shape.isValid())
        return draw;
    for (int m = 1; m <= K; ++m) {
        int x = 0;
        do {
            x = static_cast<int>(random.Random(shape.N)) + 1;
        } while (draw.drawnSet.contains(x));
        PlayBall& ball = draw.balls[static_cast<std::size_t>(m - 1)];
        ball.number = static_cast<std::uint8_t>(x);
        draw.drawnSet.add(x);
        draw.matchedSet = ticket.intersection(draw.drawnSet);
        ball.left = static_cast<std::int32_t>(random.Random(65)) + (m % 2 == 1 ? 233 : 330);
        ball.top = band * (m - 1) +
                   static_cast<std::int32_t>(random.Random(static_cast<std::uint32_t>(band))) + 6;
        ball.hit = draw.matchedSet.contains(x);
    }
    return draw;
}

} // namespace lottery
