#include "lottery/NumberStats.h"

#include "RandomDraws.h"
#include "ReferenceStats.h"
#include "storage/DrawFile.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace lottery {
namespace {

using test::RandomDraws;
using test::ReferenceStatAll;

StatsTable FreshTable(int N) {
    StatsTable table{};
    SetUpperSentinel(table, N);
    return table;
}

StatsTable StatsOf(const std::vector<DrawRecord>& draws, LotteryShape shape) {
    StatsTable table = FreshTable(shape.N);
    StatAll(table, draws, shape);
    return table;
}

TEST(NumberStatsEdges, WithoutDrawsEveryFrequencyAndDrawsSinceIsZero) {
    const StatsTable table = StatsOf({}, {6, 49});
    for (int i = 1; i <= 49; ++i) {
        EXPECT_EQ(table[i].frequency, 0) << i;
        EXPECT_EQ(table[i].drawsSince, 0) << i;
    }
    const RankingSlots slots = Rankings(table, 49);
    EXPECT_EQ(slots.mostFrequent, (std::array<int, 5>{}));
    EXPECT_EQ(slots.leastFrequent, (std::array<int, 5>{}));
}

TEST(NumberStatsEdges, OneDrawOfOneToSixIn6Of49) {
    const StatsTable table = StatsOf({{1, 2, 3, 4, 5, 6, 0}}, {6, 49});
    for (int i = 1; i <= 49; ++i) {
        EXPECT_EQ(table[i].frequency, i <= 6 ? 1 : 0) << i;
        EXPECT_EQ(table[i].drawsSince, i <= 6 ? 0 : 1) << i;
    }
    EXPECT_EQ(table[1].mostWith, 2);
    EXPECT_EQ(table[1].leastWith, 7); // the first j != 1 seen 0 times
    EXPECT_EQ(table[6].mostWith, 1);
    EXPECT_EQ(table[1].together[1], 1);

    const RankingSlots slots = Rankings(table, 49);
    EXPECT_EQ(slots.mostFrequent, (std::array<int, 5>{6, 5, 4, 3, 2}));
    EXPECT_EQ(slots.leastFrequent, (std::array<int, 5>{49, 48, 47, 46, 45}));
}

TEST(NumberStatsEdges, TwoDrawsIn3Of10CountPartnersAndDrawsSince) {
    const StatsTable table = StatsOf({{1, 2, 3, 0, 0, 0, 0}, {1, 4, 5, 0, 0, 0, 0}}, {3, 10});
    EXPECT_EQ(table[1].together[1], 2);
    for (int j = 2; j <= 5; ++j)
        EXPECT_EQ(table[1].together[j], 1) << j;
    for (int j = 6; j <= 10; ++j)
        EXPECT_EQ(table[1].together[j], 0) << j;
    EXPECT_EQ(table[1].mostWith, 2);
    EXPECT_EQ(table[1].leastWith, 6);
    EXPECT_EQ(table[1].frequency, 2);
    EXPECT_EQ(table[1].drawsSince, 0);
    EXPECT_EQ(table[2].drawsSince, 1);
    EXPECT_EQ(table[4].drawsSince, 0);
    EXPECT_EQ(table[10].drawsSince, 2);
    EXPECT_EQ(table[2].mostWith, 1);
    EXPECT_EQ(table[2].leastWith, 4);
}

TEST(NumberStatsEdges, AOneNumberLotteryNeverAssignsMostWith) {
    StatsTable table = FreshTable(5);
    for (int i = 1; i <= 5; ++i) {
        table[i].mostWith = 77;
        table[i].leastWith = 77;
    }
    StatAll(table, std::vector<DrawRecord>{{3, 9, 9, 9, 9, 9, 9}, {1, 0, 0, 0, 0, 0, 0}, {3}},
            {1, 5});
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(table[i].mostWith, 77) << i;
    EXPECT_EQ(table[3].frequency, 2);
    EXPECT_EQ(table[3].together[3], 2);
    EXPECT_EQ(table[3].together[1], 0);
    EXPECT_EQ(table[3].leastWith, 1);
    EXPECT_EQ(table[1].leastWith, 2);
    EXPECT_EQ(table[2].leastWith, 77); // never came out: kept
    EXPECT_EQ(table[1].drawsSince, 1);
    EXPECT_EQ(table[5].drawsSince, 3);
}

TEST(NumberStatsEdges, NumbersThatNeverCameOutKeepTheirEarlierPartners) {
    StatsTable table = FreshTable(10);
    for (int i = 1; i <= 10; ++i) {
        table[i].mostWith = 40 + i;
        table[i].leastWith = 20 + i;
    }
    StatAll(table, std::vector<DrawRecord>{{1, 2, 3, 0, 0, 0, 0}}, {3, 10});
    for (int i = 4; i <= 10; ++i) {
        EXPECT_EQ(table[i].mostWith, 40 + i) << i;
        EXPECT_EQ(table[i].leastWith, 20 + i) << i;
    }
    EXPECT_EQ(table[1].mostWith, 2);
    EXPECT_EQ(table[1].leastWith, 4);
}

TEST(NumberStatsEdges, ARepeatedNumberWithinADrawCountsEveryPosition) {
    // Some files repeat a number inside a record; each position counts, as in the original loop.
    const auto content = DecodeDrawFile(std::vector<std::uint8_t>{1, 1, 2, 0, 0, 0, 0, //
                                                                  3, 10, 0, 0, 0, 0, 0});
    ASSERT_EQ(content.draws.size(), 1u);
    const StatsTable table = StatsOf(content.draws, content.shape);
    EXPECT_EQ(table[1].frequency, 2);
    EXPECT_EQ(table[1].together[1], 2);
    EXPECT_EQ(table[1].together[2], 1);
    EXPECT_EQ(table[2].frequency, 1);
    EXPECT_EQ(table[2].together[1], 2);
    EXPECT_EQ(table[2].together[2], 1);
    EXPECT_EQ(table[2].mostWith, 1);
    EXPECT_EQ(table[1].mostWith, 2);
    EXPECT_EQ(table[1].leastWith, 3);
    EXPECT_EQ(table[1].drawsSince, 0);
    EXPECT_EQ(table[3].drawsSince, 1);
}

TEST(NumberStatsTable, ZeroRecordsClearsRecordsOneToNOnly) {
    StatsTable table{};
    for (int i = 0; i <= 50; ++i) {
        table[i].frequency = 5;
        table[i].mostWith = 6;
        table[i].leastWith = 7;
        table[i].drawsSince = 8;
        table[i].together.fill(9);
    }
    ZeroRecords(table, 10);
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(table[i].frequency, 0);
        EXPECT_EQ(table[i].mostWith, 0);
        EXPECT_EQ(table[i].leastWith, 0);
        EXPECT_EQ(table[i].drawsSince, 0);
        for (int j = 1; j <= 10; ++j)
            EXPECT_EQ(table[i].together[j], 0) << i << "," << j;
    }
    for (int i : {0, 11, 50}) {
        EXPECT_EQ(table[i].frequency, 5) << i;
        EXPECT_EQ(table[i].drawsSince, 8) << i;
    }
}

TEST(NumberStatsTable, UpperSentinelIsTheLargestFrequencyRightAfterN) {
    for (int N : {2, 10, 49}) {
        StatsTable table{};
        SetUpperSentinel(table, N);
        EXPECT_EQ(table[N + 1].frequency, 2147483647) << N;
        EXPECT_EQ(table[N].frequency, 0) << N;
        EXPECT_EQ(table[0].frequency, 0) << N;
    }
}

// The fast StatAll against the literal loop on random documents of every shape. Both start
// from the same leftover table, so kept mostWith/leastWith values are compared as well.
TEST(NumberStatsCrossCheck, StatAllGivesExactlyTheResultsOfTheLiteralLoop) {
    std::mt19937 rng(1982);
    std::uniform_int_distribution<int> garbage(-5, 60);
    int documents = 0;
    for (int K = 1; K <= 7; ++K) {
        std::vector<int> Ns{K + 1, 49};
        for (int extra = 0; extra < 4; ++extra)
            Ns.push_back(std::uniform_int_distribution<int>(K + 1, 49)(rng));
        for (int N : Ns) {
            for (double repeatChance : {0.0, 0.25}) {
                const LotteryShape shape{static_cast<std::uint8_t>(K),
                                         static_cast<std::uint8_t>(N)};
                const int count = documents % 5 == 0
                                      ? documents % 2
                                      : std::uniform_int_distribution<int>(0, 2000)(rng);
                const auto draws = RandomDraws(rng, shape, count, repeatChance);

                StatsTable leftover{};
                for (auto& record : leftover) {
                    record.frequency = garbage(rng);
                    record.mostWith = garbage(rng);
                    record.leastWith = garbage(rng);
                    record.drawsSince = garbage(rng);
                    for (auto& t : record.together)
                        t = garbage(rng);
                }
                StatsTable fast = leftover;
                StatsTable reference = leftover;
                StatAll(fast, draws, shape);
                ReferenceStatAll(reference, draws, shape);
                ++documents;

                SCOPED_TRACE(::testing::Message() << "K=" << K << " N=" << N << " draws=" << count
                                                  << " repeats=" << repeatChance);
                for (int i = 1; i <= N; ++i) {
                    ASSERT_EQ(fast[i].frequency, reference[i].frequency) << "number " << i;
                    ASSERT_EQ(fast[i].drawsSince, reference[i].drawsSince) << "number " << i;
                    ASSERT_EQ(fast[i].mostWith, reference[i].mostWith) << "number " << i;
                    ASSERT_EQ(fast[i].leastWith, reference[i].leastWith) << "number " << i;
                    for (int j = 1; j <= N; ++j)
                        ASSERT_EQ(fast[i].together[j], reference[i].together[j])
                            << "number " << i << " partner " << j;
                }
                // The sentinels are not StatAll's to write.
                ASSERT_EQ(fast[0].frequency, leftover[0].frequency);
                ASSERT_EQ(fast[0].mostWith, leftover[0].mostWith);
                ASSERT_EQ(fast[0].together, leftover[0].together);
                ASSERT_EQ(fast[N + 1].frequency, leftover[N + 1].frequency);
            }
        }
    }
    EXPECT_EQ(documents, 7 * 6 * 2);
}

} // namespace
} // namespace lottery
