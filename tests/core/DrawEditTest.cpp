#include "RandomDraws.h"
#include "ReferenceStats.h"
#include "TempDir.h"
#include "lottery/LotteryDocument.h"
#include "storage/DocumentFile.h"
#include "storage/DrawFile.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <stdexcept>
#include <vector>

namespace lottery {
namespace {

// One undoable step: its edits are applied in order, and what comes back, in reverse, is the
// step that takes it back.
std::vector<DrawEdit> Apply(LotteryDocument& doc, const std::vector<DrawEdit>& edits) {
    std::vector<DrawEdit> inverses;
    for (const DrawEdit& edit : edits)
        inverses.insert(inverses.begin(), doc.ApplyEdit(edit));
    return inverses;
}

// Random deletions, replacements and appends, undone, redone and saved at random, checked
// against a plain list, the statistics of that list computed afresh, and the saved state.
TEST(DrawEdit, DeleteReplaceAppendUndoAndRedoKeepDrawsStatisticsAndChangedExact) {
    std::mt19937 rng(13);
    const LotteryShape shape{5, 12};
    test::TempDir dir;
    // Opened from a file, whose draws may repeat a number.
    dir.write("opened.dat", EncodeDrawFile(test::RandomDraws(rng, shape, 20, 0.2), shape, {}));
    LotteryDocument doc;
    OpenDocument(doc, dir.file("opened.dat"));
    std::vector<std::vector<DrawRecord>> states{{doc.draws().begin(), doc.draws().end()}};
    std::vector<std::vector<DrawEdit>> undo, redo;
    std::size_t at = 0;
    std::size_t saved = 0;
    constexpr std::size_t kGone = ~std::size_t{0}; // the saved state was undone and replaced
    for (int step = 0; step < 400; ++step) {
        const int roll = static_cast<int>(rng() % 9);
        const int count = doc.drawCount();
        if (roll <= 2 && !undo.empty()) {
            redo.push_back(Apply(doc, undo.back()));
            undo.pop_back();
            --at;
        } else if (roll <= 4 && !redo.empty()) {
            undo.push_back(Apply(doc, redo.back()));
            redo.pop_back();
            ++at;
        } else {
            if (roll == 5 && count > 0)
                undo.push_back(doc.DeleteDraws({static_cast<int>(rng() % count),
                                                static_cast<int>(rng() % count), count - 1, count,
                                                -1})); // the last two stray
            else if (roll == 6 && count > 0)
                undo.push_back({doc.ReplaceDraw(static_cast<int>(rng() % count),
                                                test::RandomDraws(rng, shape, 1)[0])});
            else if (roll == 7)
                undo.push_back({doc.AppendDraws(test::RandomDraws(rng, shape, 1 + rng() % 3))});
            else {
                SaveDocumentAs(doc, dir.file("saved.dat"));
                saved = at;
                continue;
            }
            redo.clear();
            if (saved != kGone && saved > at)
                saved = kGone;
            states.resize(++at);
            states.emplace_back(doc.draws().begin(), doc.draws().end());
        }
        ASSERT_EQ(std::vector<DrawRecord>(doc.draws().begin(), doc.draws().end()), states[at]);
        StatsTable expected{};
        test::ReferenceStatAll(expected, states[at], shape);
        for (int i = 1; i <= shape.N; ++i) {
            ASSERT_EQ(doc.stats()[i].frequency, expected[i].frequency);
            ASSERT_EQ(doc.stats()[i].drawsSince, expected[i].drawsSince);
            ASSERT_EQ(doc.stats()[i].together, expected[i].together);
            ASSERT_EQ(doc.stats()[i].mostWith, expected[i].mostWith);
            ASSERT_EQ(doc.stats()[i].leastWith, expected[i].leastWith);
        }
        // Only the saved state is unchanged.
        ASSERT_EQ(doc.changed(), at != saved) << step;
    }
}

TEST(DrawEdit, AnEditLeavingAStrayOrRepeatedNumberIsRefusedAndChangesNothing) {
    LotteryDocument doc;
    doc.StartLottery({6, 49});
    doc.AppendDraws({{1, 2, 3, 4, 5, 6, 0}});
    for (const DrawRecord& bad : {DrawRecord{1, 2, 3, 4, 5, 5, 0}, DrawRecord{0, 2, 3, 4, 5, 6, 0},
                                  DrawRecord{1, 2, 3, 4, 5, 50, 0}}) {
        EXPECT_THROW(doc.ReplaceDraw(0, bad), std::invalid_argument);
        EXPECT_THROW(doc.AppendDraws({{7, 8, 9, 10, 11, 12, 0}, bad}), std::invalid_argument);
    }
    EXPECT_EQ(doc.drawCount(), 1);
    EXPECT_EQ(doc.draws()[0], (DrawRecord{1, 2, 3, 4, 5, 6, 0}));
}

} // namespace
} // namespace lottery
