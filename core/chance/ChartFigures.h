#pragma once

#include "chance/ChanceMath.h"
#include "chance/HistoryIndex.h"
#include "lottery/NumberSet.h"

#include <cstdint>
#include <vector>

// What each chart of the analysis window shows, for the last `window` draws, beside what
// chance alone would give.
namespace lottery {

struct FrequencyFigure {
    long long draws = 0;
    std::vector<long long> counts; // element n - 1 for number n
    double expected = 0;
    CountBand band;
    double expectedOutside = 0; // numbers chance puts outside the band, on average
    EqualFrequencyTest test;
    std::vector<int> outsideBand; // numbers whose count lies outside the band, ascending
};
FrequencyFigure FrequencyFigureOf(const HistoryIndex& index, long long window);

struct OverdueFigure {
    LotteryShape shape;
    long long draws = 0; // the draws looked at: a number missing from all of them has waited
                         // at least this long
    long long all = 0;   // the draws of the whole list
    std::vector<long long> drawsSince; // element n - 1 for number n
    double expectedGap = 0;
    // Numbers that have waited at least one draw, by descending draws since seen (the lower
    // number first among equals).
    std::vector<int> mostOverdue;
    // P(gap >= drawsSince) for the numbers of mostOverdue, in the same order.
    std::vector<double> tail;
};
OverdueFigure OverdueFigureOf(const HistoryIndex& index, long long window, int listed);

struct PairFigure {
    long long draws = 0;
    int N = 0;
    std::vector<long long> together; // (i - 1) * N + (j - 1); own frequency on the diagonal
    double expected = 0;             // draws holding a given pair, under chance
    CountBand band;                  // 95 % of chance's counts for one pair
    int pairsOutsideBand = 0;        // of the N(N-1)/2 pairs
    double expectedOutside = 0;      // pairs chance puts outside the band, on average
    long long at(int i, int j) const {
        return together[static_cast<std::size_t>((i - 1) * N + (j - 1))];
    }
};
PairFigure PairFigureOf(const HistoryIndex& index, long long window);

struct TicketMatch {
    long long position = 0; // 1-based, in the order of the list of past draws
    int matches = 0;
};
struct TicketCheck {
    std::vector<long long> drawsMatching; // element m: draws sharing exactly m numbers
    std::vector<double> expected;         // the same under chance
    std::vector<TicketMatch> best;        // most matches first, the latest first among equals
};
// The ticket against every draw of the list.
TicketCheck CheckTicket(const HistoryIndex& index, const NumberSet& ticket, int listed);

} // namespace lottery
