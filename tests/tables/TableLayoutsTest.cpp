// The reader against the family, not the samples: real and random histories rendered in
// random layouts must come back as exactly the draws, in the order and of the shape rendered.
// ZHREBIKON_TABLE_SEED and ZHREBIKON_TABLE_RENDERINGS run any other or more renderings; a
// failure names the seed that renders it alone.
#include "TableHistories.h"
#include "TableRendering.h"
#include "tables/DrawTableReader.h"
#include "tables/DrawTableSummary.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace lottery::test {
namespace {

unsigned long EnvNumber(const char* name, unsigned long fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != 0 ? std::strtoul(value, nullptr, 10) : fallback;
}

std::vector<std::vector<int>> NumbersOf(const DrawTable& table) {
    std::vector<std::vector<int>> draws;
    for (const DrawRecord& record : table.draws)
        draws.emplace_back(record.begin(), record.begin() + table.shape.K);
    return draws;
}

TEST(TableLayouts, EveryRenderingOfTheHistoriesReadsBack) {
    const unsigned long seed = EnvNumber("ZHREBIKON_TABLE_SEED", 19);
    const unsigned long count = EnvNumber("ZHREBIKON_TABLE_RENDERINGS", 1500);
    const std::vector<History> real = RealHistories(ZHREBIKON_SOURCE_DIR);
    if (real.empty())
        std::cout << "The real histories are not beside the project: random ones only.\n";
    unsigned long i = 0;
    for (; i < count; ++i) {
        std::mt19937 rng(static_cast<std::mt19937::result_type>(seed + i));
        const History history =
            !real.empty() && rng() % 2 == 0 ? real[rng() % real.size()] : SyntheticHistory(rng);
        const Rendering r = RenderHistory(history, rng);
        const DrawTable table = ReadDrawTable(r.bytes, r.choice);
        if (const char* dump = std::getenv("ZHREBIKON_TABLE_DUMP"); dump != nullptr && count == 1)
            std::ofstream(dump, std::ios::binary) << r.bytes;
        SCOPED_TRACE("ZHREBIKON_TABLE_SEED=" + std::to_string(seed + i) + " " + history.name +
                     ": " + r.layout + "\n" + DrawTableSummary(table, 5) + r.bytes.substr(0, 600));
        EXPECT_TRUE(table.usable()) << table.error;
        EXPECT_EQ(table.shape.K, r.shape.K);
        int seen = 0;
        for (const auto& draw : r.draws)
            seen = std::max(seen, *std::max_element(draw.begin(), draw.end()));
        // N is the largest number seen once the draws settle it; guessed only from a few.
        EXPECT_EQ(table.guessedN ? std::max(seen, int(table.shape.N)) : seen, table.shape.N);
        EXPECT_FALSE(table.guessedN && r.draws.size() * r.shape.K >= 1000);
        EXPECT_EQ(table.order, r.order);
        EXPECT_TRUE(table.warnings.empty()) << table.warnings.front().text;
        EXPECT_EQ(table.draws.size() + table.refused.size() + table.headerLines, r.lines);
        if (NumbersOf(table) != r.draws)
            ADD_FAILURE() << "the draws differ";
        if (HasFailure())
            break;
    }
    std::cout << "Renderings read back: " << i << " from seed " << seed << "\n";
}

} // namespace
} // namespace lottery::test
