#include "HistoryCsv.h"
#include "ReferenceStats.h"
#include "TempDir.h"
#include "lottery/LotteryDocument.h"
#include "lottery/NumberStats.h"
#include "storage/DocumentFile.h"
#include "storage/DrawFile.h"

#include <gtest/gtest.h>

namespace lottery {
namespace {

// The real history, when it is there: a file built from it opens, and its statistics agree
// with the literal loop.
TEST(RealHistory, OpensAndGivesTheStatisticsOfTheLiteralLoop) {
    const auto path = test::FindHistoryCsv(ZHREBIKON_SOURCE_DIR);
    if (!path)
        GTEST_SKIP() << "the real draw history is not beside the project";
    const auto draws = test::ReadHistoryCsv(*path);
    ASSERT_TRUE(draws.has_value()) << *path;
    ASSERT_GT(draws->size(), 3000u);
    EXPECT_EQ((*draws)[0], (DrawRecord{3, 11, 12, 14, 41, 43, 0}));

    test::TempDir dir;
    WriteDrawFile(dir.file("649.dat"), *draws, {6, 49}, TrailerReserved{});
    LotteryDocument doc;
    OpenDocument(doc, dir.file("649.dat"));
    ASSERT_EQ(doc.drawCount(), static_cast<std::int32_t>(draws->size()));

    StatsTable reference{};
    test::ReferenceStatAll(reference, *draws, {6, 49});
    std::int32_t total = 0;
    for (int i = 1; i <= 49; ++i) {
        EXPECT_EQ(doc.stats()[i].frequency, reference[i].frequency) << i;
        EXPECT_EQ(doc.stats()[i].drawsSince, reference[i].drawsSince) << i;
        EXPECT_EQ(doc.stats()[i].mostWith, reference[i].mostWith) << i;
        EXPECT_EQ(doc.stats()[i].leastWith, reference[i].leastWith) << i;
        EXPECT_EQ(doc.stats()[i].together, reference[i].together) << i;
        total += doc.stats()[i].frequency;
    }
    EXPECT_EQ(total, 6 * doc.drawCount());
}

} // namespace
} // namespace lottery
