#pragma once

#include "wheels/AnnealingRun.h"
#include "wheels/WheelProblem.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

// The wheel search as the program uses it: checks the problem, runs one seed per thread,
// keeps the smallest complete wheel and proves it with the verifier before handing it out.
namespace wheels {

struct WheelProgress {
    std::size_t bestSize = 0; // tickets in the smallest complete wheel found so far
    std::uint64_t lowerBound = 0;
    double seconds = 0;
};

struct WheelSearchOptions {
    std::uint64_t seed = 1;
    // Seeds seed, seed + 1, ... run side by side; the smallest wheel wins, ties going to the
    // earliest seed, so the outcome does not depend on which thread ran faster.
    int threads = 2;
    // Steps without a smaller wheel before a seed gives up; 0 picks one from the problem's
    // size. The result follows from the seed only when the search ends this way (or at the
    // bound), not by the clock or a cancel.
    std::uint64_t patience = 0;
    double secondsLimit = 10;
    const std::atomic<bool>* cancel = nullptr;
    // Called from the search threads, one call at a time, whenever the smallest size so far
    // shrinks.
    std::function<void(const WheelProgress&)> onProgress;
};

struct WheelResult {
    std::vector<std::vector<int>> tickets; // each ascending, in the order found
    std::uint64_t lowerBound = 0;
    std::uint64_t fullWheelSize = 0;
    SearchEnd end = SearchEnd::Patience;
    double seconds = 0;
    std::uint64_t winningSeed = 0;
};

// The patience used when the options leave it 0.
std::uint64_t DefaultPatience(const WheelProblem& problem);

// Throws std::invalid_argument with the Russian reason when ProblemError (against the
// largest chosen number) or SearchSizeError refuse the problem. The tickets always meet the
// guarantee: the verifier has checked them (std::logic_error otherwise).
WheelResult FindWheel(const WheelProblem& problem, const WheelSearchOptions& options = {});

} // namespace wheels
