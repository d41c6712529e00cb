#include "lottery/TypedNumberEntry.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lottery {
namespace {

// Types the keys on a card kept here, as the draw-entry page would apply the outcomes.
struct Typed {
    std::vector<int> card;
    int beeps = 0;
    int presses = 0;
    std::string pending;
};

Typed Type(int K, int N, const std::string& keys) {
    TypedNumberEntry entry;
    Typed result;
    for (char key : keys) {
        Card card({static_cast<std::uint8_t>(K), static_cast<std::uint8_t>(N)});
        for (int n : result.card)
            card.mark(n);
        const TypedKeyOutcome outcome = entry.feed(key, card);
        EXPECT_TRUE(outcome.handled) << keys;
        result.beeps += outcome.refused ? 1 : 0;
        if (outcome.mark != 0)
            result.card.push_back(outcome.mark);
        if (outcome.unmark != 0)
            result.card.erase(std::find(result.card.begin(), result.card.end(), outcome.unmark));
        result.presses += outcome.press ? 1 : 0;
    }
    result.pending = entry.pending();
    return result;
}

TEST(TypedNumberEntry, TypedKeysMarkRefuseUnmarkAndPressAsTheTableSays) {
    const struct {
        int K, N;
        std::string keys;
        std::vector<int> card;
        int beeps, presses;
        std::string pending;
    } rows[] = {
        {6, 49, "5", {}, 0, 0, "5"},             // a second digit may follow
        {6, 49, "50", {}, 1, 0, ""},             // and makes one number, beyond N: refused whole
        {6, 49, "99 5", {}, 1, 0, "5"},          // nothing of it is marked
        {6, 49, "45", {45}, 0, 0, ""},           // two digits always end a number
        {6, 49, "4 ", {4}, 0, 0, ""},            // a blank ends it
        {6, 49, "1,2,3", {1, 2}, 0, 0, "3"},     // as does a comma
        {6, 20, "25", {}, 1, 0, ""},             // beyond N
        {6, 49, "05 0 00", {5}, 2, 0, ""},       // a leading zero is no number of its own
        {3, 8, "780", {7, 8}, 1, 0, ""},         // one-digit numbers are taken at once
        {6, 49, "7 7 ", {7}, 1, 0, ""},          // already marked
        {6, 49, "  ,", {}, 0, 0, ""},            // separators alone do nothing
        {6, 49, "9 8 \b", {9}, 0, 0, ""},        // Backspace unmarks the last marked
        {6, 49, "9 4\b", {9}, 0, 0, ""},         // or takes back a digit not yet taken
        {6, 49, "\b", {}, 0, 0, ""},             // nothing to unmark
        {6, 49, "1 2 3\n", {1, 2, 3}, 0, 0, ""}, // Enter on a card not full
        {6, 49, "10 20 30 40 45 49\n", {10, 20, 30, 40, 45, 49}, 0, 1, ""},
        {6, 49, "10 20 30 40 45 4\n", {10, 20, 30, 40, 45, 4}, 0, 1, ""}, // Enter ends the 4
        {6, 49, "10 20 30 40 45 10\n", {10, 20, 30, 40, 45}, 1, 0, ""},   // refused: no press
        {6, 49, "1 2 3 4 5 6 6\n", {1, 2, 3, 4, 5, 6}, 1, 0, ""},         // on a full card too
        {1, 9, "9 8\n", {9}, 0, 1, ""},      // a full card ignores more numbers silently
        {2, 3, "3 2\n\n", {3, 2}, 0, 2, ""}, // each Enter on a full card presses
    };
    for (const auto& row : rows) {
        const Typed typed = Type(row.K, row.N, row.keys);
        EXPECT_EQ(typed.card, row.card) << row.keys;
        EXPECT_EQ(typed.beeps, row.beeps) << row.keys;
        EXPECT_EQ(typed.presses, row.presses) << row.keys;
        EXPECT_EQ(typed.pending, row.pending) << row.keys;
    }
    TypedNumberEntry entry;
    EXPECT_FALSE(entry.feed('x', Card{}).handled);
}

} // namespace
} // namespace lottery
