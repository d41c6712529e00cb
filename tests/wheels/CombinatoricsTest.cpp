#include "wheels/Combinatorics.h"

#include "wheels/WheelBounds.h"

#include <gtest/gtest.h>

using namespace wheels;

// Every subset of {0..v-1} of each size, in mask order, is the colex order: its ranks run
// 0, 1, 2, ... and unrank back, and Gosper's step visits them in that order.
TEST(Combinatorics, ColexRanksCountEverySubsetInOrder) {
    const int v = 10;
    for (int m = 1; m <= 6; ++m) {
        std::uint64_t next = 0;
        Mask stepped = FirstPositions(m);
        for (Mask set = 0; set < Bit(v); ++set) {
            if (Count(set) != m)
                continue;
            ASSERT_EQ(ColexRank(set), next);
            ASSERT_EQ(ColexUnrank(next, m), set);
            ASSERT_EQ(stepped, set);
            stepped = NextColex(stepped);
            ++next;
        }
        EXPECT_EQ(next, Binomial(v, m));
    }
}

// Values from the literature where the Schönheim bound is met: the Fano plane (7 lines
// cover every pair of 7 points), the Steiner triple system on 9 points (12) and 7 tickets
// of 6 for every 4 of 8; the counting bound for a 2-if-3 on 7 with triples: 35 triples, each
// ticket meets 1 + 3*4 = 13 of them in 2 or more.
TEST(WheelBounds, KnownValues) {
    EXPECT_EQ(SchoenheimBound(7, 3, 2), 7u);
    EXPECT_EQ(SchoenheimBound(9, 3, 2), 12u);
    EXPECT_EQ(SchoenheimBound(8, 6, 4), 7u);
    EXPECT_EQ(CountingBound(7, 3, 2, 3), 3u);
    EXPECT_EQ(WheelLowerBound(8, 6, 4, 4), 7u);
}
