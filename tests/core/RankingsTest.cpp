#include "ReferenceStats.h"
#include "lottery/NumberStats.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace lottery {
namespace {

using Slots = std::array<int, 5>;

// A table whose records 1..N have the given frequencies, with both sentinels in place.
StatsTable TableOf(const std::vector<int>& frequencies) {
    const int N = static_cast<int>(frequencies.size());
    StatsTable table{};
    for (int i = 1; i <= N; ++i)
        table[i].frequency = frequencies[static_cast<std::size_t>(i - 1)];
    SetUpperSentinel(table, N);
    return table;
}

struct RankingCase {
    const char* name;
    std::vector<int> frequencies; // of 1..N
    Slots most;
    Slots least;
};

class RankingExamples : public ::testing::TestWithParam<RankingCase> {};

TEST_P(RankingExamples, RankTheFiveMostAndLeastFrequentWithStarsForEmptySlots) {
    const RankingCase& c = GetParam();
    const StatsTable table = TableOf(c.frequencies);
    const RankingSlots slots = Rankings(table, static_cast<int>(c.frequencies.size()));
    EXPECT_EQ(slots.mostFrequent, c.most);
    EXPECT_EQ(slots.leastFrequent, c.least);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RankingExamples,
    ::testing::Values(
        // Nothing came out: no ranking at all.
        RankingCase{"NoDraws", std::vector<int>(49, 0), {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},
        // N = 3: least slots 4 and 5 stay empty even with draws.
        RankingCase{"ThreeNumbers", {1, 1, 0}, {2, 1, 0, 0, 0}, {3, 2, 1, 0, 0}},
        // 3 out of 4 after the draw 1 2 3: the fifth least slot is empty.
        RankingCase{"FourNumbers", {1, 1, 1, 0}, {3, 2, 1, 0, 0}, {4, 3, 2, 1, 0}},
        // Equal frequencies: the higher number stands first in both lists.
        RankingCase{"TiesHigherFirst", {2, 2, 2, 2, 2, 2, 2, 2}, {8, 7, 6, 5, 4}, {8, 7, 6, 5, 4}},
        RankingCase{"Ordered", {5, 9, 1, 7, 7, 0, 3, 12, 4, 2}, {8, 2, 5, 4, 1}, {6, 3, 10, 7, 9}},
        // A single number came out: the others rank as least frequent.
        RankingCase{"OneNumberOut", {0, 0, 0, 0, 0, 0, 1}, {7, 0, 0, 0, 0}, {6, 5, 4, 3, 2}}),
    [](const ::testing::TestParamInfo<RankingCase>& info) { return info.param.name; });

TEST(RankingsCrossCheck, RankingsMatchTheLiteralInsertionOnRandomTables) {
    std::mt19937 rng(649);
    for (int round = 0; round < 3000; ++round) {
        const int N = std::uniform_int_distribution<int>(2, 49)(rng);
        const int spread =
            std::vector<int>{0, 1, 2, 3, 6, 1000}[static_cast<std::size_t>(round % 6)];
        std::uniform_int_distribution<int> frequency(0, spread);
        StatsTable table{};
        // Records above N + 1 are leftovers of a larger lottery and must not matter.
        for (int i = N + 2; i <= 50; ++i)
            table[i].frequency = std::uniform_int_distribution<int>(-100, 100)(rng);
        for (int i = 1; i <= N; ++i)
            table[i].frequency = frequency(rng);
        SetUpperSentinel(table, N);

        const RankingSlots fast = Rankings(table, N);
        const RankingSlots reference = test::ReferenceRankings(table, N);
        ASSERT_EQ(fast.mostFrequent, reference.mostFrequent) << "round " << round << " N=" << N;
        ASSERT_EQ(fast.leastFrequent, reference.leastFrequent) << "round " << round << " N=" << N;
    }
}

TEST(RankingsCrossCheck, TheReferenceItselfAgreesWithTheExamples) {
    // Guards the yardstick: a broken reference would make the cross-check meaningless.
    const StatsTable table = TableOf({5, 9, 1, 7, 7, 0, 3, 12, 4, 2});
    const RankingSlots reference = test::ReferenceRankings(table, 10);
    EXPECT_EQ(reference.mostFrequent, (Slots{8, 2, 5, 4, 1}));
    EXPECT_EQ(reference.leastFrequent, (Slots{6, 3, 10, 7, 9}));
}

} // namespace
} // namespace lottery
