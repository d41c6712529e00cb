#include "TicketTesting.h"
#include "tickets/TicketSetCheck.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

namespace lottery {
namespace {

// P(m matches) from integer binomials, not the library's route through logarithms.
double ExactChance(int K, int N, int m) {
    const auto choose = [](int n, int k) {
        if (k < 0 || k > n)
            return 0.0L;
        long double result = 1;
        for (int i = 1; i <= k; ++i)
            result = result * (n - k + i) / i;
        return result;
    };
    return static_cast<double>(choose(K, m) * choose(N - K, K - m) / choose(N, K));
}

void ExpectCheckMatchesBruteForce(const std::vector<Ticket>& tickets,
                                  const std::vector<DrawRecord>& draws, LotteryShape shape,
                                  DrawRange range, const TicketMoney& money, int listed) {
    const int K = shape.K;
    const TicketSetCheck check =
        CheckTicketSet(tickets, DrawMasks(draws, shape), shape, range, money, listed);
    const DrawRange played = range.clamped(static_cast<long long>(draws.size()));
    ASSERT_EQ(check.range, played);

    std::vector<long long> perTicket(tickets.size() * (K + 1), 0), total(K + 1, 0);
    std::vector<std::tuple<int, long long, int>> hits; // matches, draw, -ticket: best is largest
    double won = 0;
    for (long long d = played.first; d < played.last; ++d)
        for (std::size_t t = 0; t < tickets.size(); ++t) {
            const int m = test::SharedNumbers(tickets[t], draws[static_cast<std::size_t>(d)], K);
            perTicket[t * (K + 1) + m] += 1;
            total[m] += 1;
            won += static_cast<double>(money.prize(m));
            hits.emplace_back(m, d, -static_cast<int>(t));
        }
    EXPECT_EQ(check.perTicket, perTicket);
    EXPECT_EQ(check.matches, total);

    std::sort(hits.rbegin(), hits.rend());
    hits.resize(std::min<std::size_t>(hits.size(), static_cast<std::size_t>(listed)));
    ASSERT_EQ(check.best.size(), hits.size());
    for (std::size_t i = 0; i < hits.size(); ++i)
        EXPECT_EQ(check.best[i],
                  (SetHit{-std::get<2>(hits[i]), std::get<1>(hits[i]), std::get<0>(hits[i])}));

    const double ticketDraws = static_cast<double>(tickets.size() * played.size());
    double expectedWon = 0;
    for (int m = 0; m <= K; ++m) {
        const double expected = ExactChance(K, shape.N, m) * ticketDraws;
        EXPECT_NEAR(check.expected[m], expected, 1e-9 * std::max(1.0, expected));
        expectedWon += expected * static_cast<double>(money.prize(m));
    }
    ASSERT_EQ(check.money.has_value(), money.priced());
    if (check.money) {
        const double spent = static_cast<double>(money.price) * ticketDraws;
        EXPECT_DOUBLE_EQ(check.money->spent, spent);
        EXPECT_DOUBLE_EQ(check.money->won, won);
        EXPECT_NEAR(check.money->expectedBalance, expectedWon - spent,
                    1e-6 * std::max(1.0, expectedWon + spent));
    }
}

TEST(TicketCheck, CountsHitsAndMoneyAsBruteForceDoes) {
    std::mt19937 rng(21);
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE(round);
        const LotteryShape shape = test::RandomShape(rng);
        const auto tickets =
            test::RandomTickets(rng, shape, std::uniform_int_distribution(0, 25)(rng));
        auto draws = test::FairDraws(rng, shape, std::uniform_int_distribution(0, 700)(rng));
        const auto size = static_cast<long long>(draws.size());
        std::uniform_int_distribution<long long> place(-3, size + 3);
        long long a = place(rng), b = place(rng);
        // One draw again and again puts each ticket at one level in every draw of a block.
        if (round % 7 == 0) {
            draws.assign(600, test::FairDraws(rng, shape, 1).front());
            std::tie(a, b) = std::pair(0, 600);
        }
        TicketMoney money;
        if (round % 3 != 0) {
            money.price = std::uniform_int_distribution<Kopecks>(0, 500)(rng);
            for (int m = 0; m <= shape.K; ++m)
                money.prizes.push_back(std::uniform_int_distribution<Kopecks>(0, 100000)(rng));
        }
        ExpectCheckMatchesBruteForce(tickets, draws, shape, {std::min(a, b), std::max(a, b)}, money,
                                     std::uniform_int_distribution(0, 12)(rng));
    }
}

TEST(TicketCheck, TwoThreadsCountAsOne) {
    // Large enough to be split between two threads.
    std::mt19937 rng(4);
    const LotteryShape shape{6, 49};
    ExpectCheckMatchesBruteForce(test::RandomTickets(rng, shape, 250),
                                 test::FairDraws(rng, shape, 20000), shape, {0, 20000}, {}, 30);
}

} // namespace
} // namespace lottery
