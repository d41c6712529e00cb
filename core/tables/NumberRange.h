#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lottery {

// What the numbers of a history say about N.
struct RangeFinding {
    int N = 0;
    bool guessed = false;           // too few draws to settle N: the smallest usual N holding them
    std::vector<std::size_t> typos; // rows holding a number far above all the others
    std::optional<std::size_t> changeAt; // first row of the later era of another range
    int earlierTop = 0, laterTop = 0;    // the largest number before and from changeAt
};

// From the largest number of each row (in the table's order, none above 49), K numbers a draw:
// N is the largest number seen when the history is long enough that a larger N would almost
// surely have shown a larger number, else the smallest usual N holding it (guessed). A few rows
// with numbers that many draws below never reach are typos; a range that changes along the
// history, with enough rows on each side, is told by its row.
RangeFinding FindNumberRange(std::span<const std::uint8_t> rowTops, int K);

} // namespace lottery
