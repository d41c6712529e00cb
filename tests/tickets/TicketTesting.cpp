#include "TicketTesting.h"

#include <algorithm>
#include <numeric>

namespace lottery::test {

LotteryShape RandomShape(std::mt19937& rng) {
    const int K = std::uniform_int_distribution(1, LotteryShape::kMaxK)(rng);
    const int N =
        std::uniform_int_distribution(K + 1, std::min(LotteryShape::kMaxN, 3 * K + 4))(rng);
    return {static_cast<std::uint8_t>(K), static_cast<std::uint8_t>(N)};
}

std::vector<DrawRecord> FairDraws(std::mt19937& rng, LotteryShape shape, int count) {
    std::vector<int> numbers(shape.N);
    std::iota(numbers.begin(), numbers.end(), 1);
    std::vector<DrawRecord> draws;
    for (int i = 0; i < count; ++i) {
        std::shuffle(numbers.begin(), numbers.end(), rng);
        DrawRecord draw{};
        for (int p = 0; p < shape.K; ++p)
            draw[static_cast<std::size_t>(p)] =
                static_cast<std::uint8_t>(numbers[static_cast<std::size_t>(p)]);
        draws.push_back(draw);
    }
    return draws;
}

std::vector<Ticket> RandomTickets(std::mt19937& rng, LotteryShape shape, int count) {
    std::vector<Ticket> tickets;
    for (const DrawRecord& draw : FairDraws(rng, shape, count)) {
        const std::vector<int> numbers(draw.begin(), draw.begin() + shape.K);
        tickets.push_back(*Ticket::FromNumbers(numbers));
    }
    return tickets;
}

int SharedNumbers(const Ticket& ticket, const DrawRecord& draw, int K) {
    int shared = 0;
    for (int p = 0; p < K; ++p)
        shared += ticket.contains(draw[static_cast<std::size_t>(p)]) ? 1 : 0;
    return shared;
}

} // namespace lottery::test
