#include "lottery/RandomSource.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace lottery {
namespace {

// An independent transcription of the generator, to compare against over many values.
struct TinyLcg {
    std::uint32_t seed;
    std::uint32_t next(std::uint32_t range) {
        seed = static_cast<std::uint32_t>(static_cast<std::uint64_t>(seed) * 134775813u + 1u);
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed) * range) >> 32);
    }
};

TEST(LcgRandom, FollowsTheFormulaBitForBit) {
    for (std::uint32_t seed : {0u, 1u, 12345u, 86399999u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        LcgRandom random(seed);
        TinyLcg tiny{seed};
        for (int i = 0; i < 1000; ++i) {
            const std::uint32_t range =
                static_cast<std::uint32_t>(i % 5 == 0 ? 0xFFFFFFFFu : i + 1);
            ASSERT_EQ(random.Random(range), tiny.next(range)) << "seed " << seed << " call " << i;
            ASSERT_EQ(random.seed(), tiny.seed);
        }
    }
}

struct GoldenCase {
    std::uint32_t seed;
    std::uint32_t range;
    std::vector<std::uint32_t> values; // the first six
    std::uint32_t seedAfter;
};

class LcgGolden : public ::testing::TestWithParam<GoldenCase> {};

// Worked out once outside the program (python3, the formula as written) and pinned here, so a
// change to the formula is caught even if both transcriptions above changed together.
TEST_P(LcgGolden, GivesThePinnedFirstValues) {
    const GoldenCase& c = GetParam();
    LcgRandom random(c.seed);
    std::vector<std::uint32_t> values;
    for (int i = 0; i < 6; ++i)
        values.push_back(random.Random(c.range));
    EXPECT_EQ(values, c.values);
    EXPECT_EQ(random.seed(), c.seedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Seeds, LcgGolden,
    ::testing::Values(GoldenCase{0, 49, {0, 1, 42, 9, 13, 32}, 2884733762u},
                      GoldenCase{1, 49, {1, 42, 9, 13, 32, 15}, 1368768587u},
                      GoldenCase{12345, 100, {38, 28, 7, 55, 63, 34}, 1467157059u},
                      GoldenCase{86399999, 65, {47, 64, 21, 15, 9, 5}, 364024377u},
                      GoldenCase{0xFFFFFFFFu, 1000, {968, 201, 519, 132, 874, 24}, 105731641u}));

TEST(LcgRandom, TheSeedAdvancesByTheMultiplierAndOne) {
    LcgRandom random(0);
    random.Random(10);
    EXPECT_EQ(random.seed(), 1u);
    random.Random(10);
    EXPECT_EQ(random.seed(), 134775814u);
    random.Random(10);
    EXPECT_EQ(random.seed(), 3698175007u);
}

TEST(LcgRandom, ARangeOfZeroGivesZeroAndStillAdvances) {
    LcgRandom random(777);
    TinyLcg tiny{777};
    EXPECT_EQ(random.Random(0), 0u);
    tiny.next(0);
    EXPECT_EQ(random.seed(), tiny.seed);
}

TEST(LcgRandom, StaysInsideTheRange) {
    LcgRandom random(4242);
    for (std::uint32_t range : {1u, 2u, 7u, 49u, 65u, 219u}) {
        for (int i = 0; i < 2000; ++i)
            ASSERT_LT(random.Random(range), range);
    }
}

TEST(LcgRandom, TheSameSeedGivesTheSameSequence) {
    LcgRandom a(99);
    LcgRandom b(99);
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(a.Random(49), b.Random(49));
}

TEST(SeedFromClock, IsTheMillisecondsOfTheDay) {
    for (int i = 0; i < 5; ++i)
        EXPECT_LT(SeedFromClock(), 86400000u);
}

} // namespace
} // namespace lottery
