#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A wheel to find: tickets of K numbers over the chosen numbers so that whenever m of the
// drawn numbers are among the chosen ones, some ticket holds t of them ("t если m"), every
// ticket holding the key numbers.
namespace wheels {

struct WheelProblem {
    std::vector<int> numbers; // the chosen numbers, each once
    int ticketSize = 6;       // K
    int t = 3;
    int m = 3;
    std::vector<int> keys; // among the chosen numbers; in every ticket
};

// Why the problem cannot be wheeled, in Russian, or "" when it can. largestNumber is the
// lottery's N: every number must lie in 1..N.
std::string ProblemError(const WheelProblem& problem, int largestNumber);

// The search keeps a counter for every m-set of the chosen numbers; beyond this many it
// refuses rather than exhaust memory and time (C(30, 7) is about two million).
constexpr std::uint64_t kLargestSearch = 8'000'000;
// Why the search would not take this (valid) problem, or "".
std::string SearchSizeError(const WheelProblem& problem);

// The number of tickets of a full wheel: every K-set of the chosen numbers that holds the keys.
std::uint64_t FullWheelSize(const WheelProblem& problem);

} // namespace wheels
