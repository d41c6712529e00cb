#include "wheels/WheelVerifier.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>

using wheels::VerifyWheel;

namespace {

using Tickets = std::vector<std::vector<int>>;

// Every m-subset of `numbers` (ascending), by plain recursion.
void Subsets(const std::vector<int>& numbers, std::size_t from, int m, std::vector<int>& now,
             Tickets& out) {
    if (static_cast<int>(now.size()) == m) {
        out.push_back(now);
        return;
    }
    for (std::size_t i = from; i < numbers.size(); ++i) {
        now.push_back(numbers[i]);
        Subsets(numbers, i + 1, m, now, out);
        now.pop_back();
    }
}

// The holes, by the definition: m-sets none of whose tickets share t numbers with them.
Tickets BruteHoles(const Tickets& tickets, std::vector<int> numbers, int t, int m) {
    std::sort(numbers.begin(), numbers.end());
    Tickets all, holes;
    std::vector<int> now;
    Subsets(numbers, 0, m, now, all);
    for (const auto& set : all) {
        const bool covered = std::any_of(tickets.begin(), tickets.end(), [&](const auto& ticket) {
            return std::count_if(set.begin(), set.end(), [&](int n) {
                       return std::find(ticket.begin(), ticket.end(), n) != ticket.end();
                   }) >= t;
        });
        if (!covered)
            holes.push_back(set);
    }
    std::sort(holes.begin(), holes.end(), [](const auto& a, const auto& b) {
        return std::lexicographical_compare(a.rbegin(), a.rend(), b.rbegin(), b.rend());
    });
    return holes;
}

// Random tickets of random sizes over 1..N; some numbers outside the chosen ones.
Tickets RandomTickets(std::mt19937& random, int count, int N) {
    Tickets tickets(count);
    for (auto& ticket : tickets) {
        std::vector<int> pool(N);
        std::iota(pool.begin(), pool.end(), 1);
        std::shuffle(pool.begin(), pool.end(), random);
        ticket.assign(pool.begin(), pool.begin() + 1 + random() % 7);
    }
    return tickets;
}

} // namespace

TEST(WheelVerifier, AgreesWithBruteForceOnRandomCases) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        const int N = 8 + static_cast<int>(random() % 10);
        std::vector<int> numbers(N);
        std::iota(numbers.begin(), numbers.end(), 1);
        std::shuffle(numbers.begin(), numbers.end(), random);
        numbers.resize(3 + random() % (N - 3));
        const int m = 1 + static_cast<int>(random() % std::min<std::size_t>(5, numbers.size()));
        const int t = 1 + static_cast<int>(random() % m);
        const Tickets tickets = RandomTickets(random, static_cast<int>(random() % 12), N);
        const std::size_t limit = random() % 20;

        const Tickets expected = BruteHoles(tickets, numbers, t, m);
        const auto verdict = VerifyWheel(tickets, numbers, t, m, limit, 1);
        ASSERT_EQ(verdict.holds, expected.empty());
        ASSERT_EQ(verdict.holeCount, expected.size());
        const std::size_t listed = std::min(limit, expected.size());
        ASSERT_EQ(verdict.holes, Tickets(expected.begin(), expected.begin() + listed));
    }
}

// Large enough that two threads share the work: the verdict is the one of a single thread.
TEST(WheelVerifier, TwoThreadsGiveTheSameVerdict) {
    std::mt19937 random(3);
    std::vector<int> numbers(30);
    std::iota(numbers.begin(), numbers.end(), 1);
    const Tickets tickets = RandomTickets(random, 200, 30);
    const auto alone = VerifyWheel(tickets, numbers, 3, 5, 50, 1);
    std::atomic<std::uint64_t> done = 0;
    const auto shared = VerifyWheel(tickets, numbers, 3, 5, 50, 2, {nullptr, &done});
    EXPECT_GT(alone.holeCount, 50u);
    EXPECT_EQ(alone.holeCount, shared.holeCount);
    EXPECT_EQ(alone.holes, shared.holes);
    // A watcher's progress ends at the whole count; a cancelled check proves nothing.
    EXPECT_EQ(done, shared.setsChecked);
    const std::atomic<bool> cancel = true;
    const auto stopped = VerifyWheel({}, numbers, 1, 5, 50, 2, {&cancel, nullptr});
    EXPECT_TRUE(stopped.cancelled && !stopped.holds && stopped.holeCount < stopped.setsChecked);
}
