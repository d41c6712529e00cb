#pragma once

#include "TableHistories.h"
#include "tables/DrawTable.h"

#include <random>
#include <string>
#include <vector>

namespace lottery::test {

// A history rendered as a table in a randomly drawn layout, with what a reader must get back.
struct Rendering {
    std::string bytes;
    std::string layout;                  // the choices made, for a failure's message
    std::vector<std::vector<int>> draws; // oldest first, or as listed when nothing tells
    TableOrder order = TableOrder::AsListed;
    LotteryShape shape;
    TableChoice choice;    // what a user passes where the layout is truly ambiguous
    std::size_t lines = 0; // non-blank lines
};

// Renders a slice of the history: separator, quoting, header (none, partial, in one of several
// languages and scripts), titles, numbers packed or in columns, sorted or as drawn, a bonus
// from the same drum or another, draw numbers, dates in many forms, extra columns, newest or
// oldest first, junk, repeated and typo lines, blank lines, encodings and line ends.
Rendering RenderHistory(const History& history, std::mt19937& rng);

} // namespace lottery::test
