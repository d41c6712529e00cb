#include "wheels/WheelSearch.h"

#include "wheels/WheelBounds.h"
#include "wheels/WheelVerifier.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <stdexcept>

using namespace wheels;

namespace {

WheelSearchOptions Quick(std::uint64_t seed = 1) {
    WheelSearchOptions options;
    options.seed = seed;
    options.patience = 30'000;
    return options;
}

// A random problem the search must take: chosen numbers out of 1..40, keys among them.
WheelProblem RandomProblem(std::mt19937& random) {
    WheelProblem p;
    std::vector<int> pool(40);
    std::iota(pool.begin(), pool.end(), 1);
    std::shuffle(pool.begin(), pool.end(), random);
    p.ticketSize = 3 + static_cast<int>(random() % 5);
    p.numbers.assign(pool.begin(), pool.begin() + p.ticketSize + random() % 8);
    p.m = 1 + static_cast<int>(random() % p.ticketSize);
    p.t = 1 + static_cast<int>(random() % p.m);
    if (random() % 2)
        p.keys.assign(p.numbers.begin(), p.numbers.begin() + random() % 3);
    return p;
}

} // namespace

// Every wheel found, for problems of every kind, meets its guarantee by the verifier, holds
// K distinct chosen numbers and the keys per ticket, and lies between the bounds.
TEST(WheelSearch, EveryWheelIsProvenAndWithinTheBounds) {
    std::mt19937 random(11);
    for (int round = 0; round < 60; ++round) {
        const WheelProblem p = RandomProblem(random);
        if (!ProblemError(p, 40).empty())
            continue;
        const WheelResult result = FindWheel(p, Quick(round));
        SCOPED_TRACE(::testing::Message() << "v=" << p.numbers.size() << " K=" << p.ticketSize
                                          << " " << p.t << "/" << p.m << " keys " << p.keys.size());
        EXPECT_TRUE(VerifyWheel(result.tickets, p.numbers, p.t, p.m).holds);
        for (const auto& ticket : result.tickets) {
            ASSERT_EQ(ticket.size(), static_cast<std::size_t>(p.ticketSize));
            ASSERT_TRUE(std::is_sorted(ticket.begin(), ticket.end()));
            ASSERT_EQ(std::adjacent_find(ticket.begin(), ticket.end()), ticket.end());
            for (const int n : ticket)
                ASSERT_NE(std::find(p.numbers.begin(), p.numbers.end(), n), p.numbers.end());
            for (const int key : p.keys)
                ASSERT_TRUE(std::binary_search(ticket.begin(), ticket.end(), key));
        }
        EXPECT_GE(result.tickets.size(), result.lowerBound);
        EXPECT_LE(result.tickets.size(), result.fullWheelSize);
    }
}

// The Fano plane and the Steiner triple system on 9 points meet the Schönheim bound: the
// search must find them, and stop there.
TEST(WheelSearch, FindsDesignsThatMeetTheBound) {
    for (const int v : {7, 9}) {
        WheelProblem p;
        p.numbers.resize(v);
        std::iota(p.numbers.begin(), p.numbers.end(), 1);
        p.ticketSize = 3;
        p.t = p.m = 2;
        const WheelResult result = FindWheel(p, Quick());
        EXPECT_EQ(result.tickets.size(), SchoenheimBound(v, 3, 2));
        EXPECT_EQ(result.end, SearchEnd::ReachedBound);
    }
}

// The same seed gives the same wheel though two threads race; progress only ever shrinks
// and ends at the size handed out.
TEST(WheelSearch, DeterministicForASeedWithShrinkingProgress) {
    WheelProblem p;
    p.numbers = {3, 5, 8, 13, 17, 21, 22, 30, 34, 41, 44, 49};
    p.ticketSize = 6;
    p.t = p.m = 4;
    p.keys = {13};
    std::vector<std::size_t> sizes;
    WheelSearchOptions options = Quick(5);
    options.onProgress = [&](const WheelProgress& progress) { sizes.push_back(progress.bestSize); };
    const WheelResult first = FindWheel(p, options);
    EXPECT_EQ(FindWheel(p, Quick(5)).tickets, first.tickets);
    ASSERT_FALSE(sizes.empty());
    EXPECT_TRUE(std::is_sorted(sizes.rbegin(), sizes.rend()));
    EXPECT_EQ(std::adjacent_find(sizes.begin(), sizes.end()), sizes.end());
    EXPECT_EQ(sizes.back(), first.tickets.size());
}

// A cancel before the start still hands out a complete (greedy) wheel.
TEST(WheelSearch, CancelledSearchStillGivesAProvenWheel) {
    WheelProblem p;
    p.numbers.resize(20);
    std::iota(p.numbers.begin(), p.numbers.end(), 1);
    p.ticketSize = 6;
    p.t = p.m = 4;
    std::atomic<bool> cancel{true};
    WheelSearchOptions options;
    options.cancel = &cancel;
    const WheelResult result = FindWheel(p, options);
    EXPECT_EQ(result.end, SearchEnd::Cancelled);
    EXPECT_LT(result.seconds, 5.0);
    EXPECT_TRUE(VerifyWheel(result.tickets, p.numbers, 4, 4).holds);
}

TEST(WheelSearch, RefusesImpossibleProblemsWithAReason) {
    const WheelProblem good{{1, 2, 3, 4, 5, 6, 7, 8}, 6, 3, 4, {}};
    EXPECT_EQ(ProblemError(good, 49), "");
    std::vector<WheelProblem> bad(6, good);
    bad[0].numbers.resize(5);      // fewer than K
    bad[1].t = 5;                  // t > m
    bad[2].numbers.push_back(50);  // outside 1..N
    bad[3].keys = {9};             // key not chosen
    bad[4].keys = {1, 2, 3, 4, 5}; // 6 - 5 free places cannot reach 3 of 4 outside the keys
    bad[5].numbers.push_back(8);   // twice
    for (const WheelProblem& p : bad)
        EXPECT_NE(ProblemError(p, 49), "");
    // The search knows no lottery: only N does not reach it.
    for (const int i : {0, 1, 3, 4, 5})
        EXPECT_THROW(FindWheel(bad[i]), std::invalid_argument);
}
