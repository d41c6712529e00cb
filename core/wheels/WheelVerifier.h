#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

// The proof of a wheel: every m-set of the chosen numbers, one by one, against every ticket.
namespace wheels {

struct Verdict {
    bool holds = false;
    std::uint64_t setsChecked = 0; // C(v, m)
    std::uint64_t holeCount = 0;
    // The first holes in the order of the chosen numbers (each ascending), at most the limit
    // asked for: an empty set of tickets has every m-set as a hole.
    std::vector<std::vector<int>> holes;
    // Stopped by the caller: the counts cover only the sets checked, and nothing holds.
    bool cancelled = false;
};

// Lets a caller on another thread follow a long check and stop it.
struct VerifyWatch {
    const std::atomic<bool>* cancel = nullptr;
    std::atomic<std::uint64_t>* setsDone = nullptr; // grows to C(v, m) as the check goes
};

// Checks "t если m" over the chosen numbers (each once, 1..64, at most 64 of them): a hole is
// an m-set of them that no ticket meets in t numbers or more. Tickets may hold any numbers;
// those outside the chosen ones never count. Uses up to `threads` threads when the work is
// large enough to pay for them; the verdict does not depend on it.
Verdict VerifyWheel(const std::vector<std::vector<int>>& tickets, const std::vector<int>& numbers,
                    int t, int m, std::size_t holeLimit = 1000, int threads = 2,
                    const VerifyWatch& watch = {});

} // namespace wheels
