#pragma once

#include "wheels/CoverageState.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

// One seed's search for a small wheel over positions 0..v-1: a greedy wheel first, then
// simulated annealing on the number of uncovered m-sets with one block fewer each time the
// count reaches zero. Everything it does follows from the seed; only the clock and the stop
// flag can end it earlier than its patience.
namespace wheels {

enum class SearchEnd { Patience, ReachedBound, TimeLimit, Cancelled };

struct RunLimits {
    std::uint64_t patience = 0; // steps without a smaller wheel before giving up
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
    const std::atomic<bool>* stop = nullptr;
    const std::atomic<bool>* stopToo = nullptr;
};

class AnnealingRun {
public:
    AnnealingRun(int v, int K, int t, int m, Mask keys, std::uint64_t lowerBound,
                 std::uint64_t seed);

    // onBetter(blocks) is called with every smaller complete wheel, the greedy one first.
    SearchEnd Run(const RunLimits& limits,
                  const std::function<void(const std::vector<Mask>&)>& onBetter);
    const std::vector<Mask>& Best() const { return best_; }

private:
    void Greedy();
    // The block whose loss opens the fewest m-sets, or any block.
    void DropOneBlock(bool anyBlock);
    // One annealing step aimed at a random uncovered m-set.
    void Step();
    bool Accept(long delta);

    std::uint64_t Below(std::uint64_t n) { return random_() % n; }
    int RandomPosition(Mask from) {
        return NthPosition(from, static_cast<int>(Below(Count(from))));
    }

    int v_, K_, t_, m_;
    Mask keys_;
    std::uint64_t lowerBound_;
    std::mt19937_64 random_;
    CoverageState state_;
    std::vector<Mask> best_;
    double temperature_ = 1;
};

} // namespace wheels
