#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace lottery {

// One draw as stored: byte p-1 holds position p. Positions 1..K carry the numbers in
// entry order; bytes K..6 carry no meaning but are kept as they came.
using DrawRecord = std::array<std::uint8_t, 7>;

// The text of a draw in the list of past draws: each of the first K numbers followed by two
// blanks, in entry order ("3  17  22  30  41  45  ").
std::string DrawLine(const DrawRecord& record, int K);

} // namespace lottery
