#include "wheels/WheelSearch.h"

#include "wheels/WheelBounds.h"
#include "wheels/WheelVerifier.h"

#include <algorithm>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace wheels {

namespace {

struct SeedOutcome {
    std::vector<Mask> best;
    SearchEnd end = SearchEnd::Patience;
};

} // namespace

std::uint64_t DefaultPatience(const WheelProblem& p) {
    // Even small wheels need a few restarts' worth of wandering to reach their best; large
    // ones are ended by the clock sooner than by this.
    const std::uint64_t sets = Binomial(static_cast<int>(p.numbers.size()), p.m);
    return std::clamp<std::uint64_t>(2000 * sets, 1'500'000, 8'000'000);
}

WheelResult FindWheel(const WheelProblem& problem, const WheelSearchOptions& options) {
    const auto started = std::chrono::steady_clock::now();
    std::vector<int> numbers = problem.numbers;
    std::sort(numbers.begin(), numbers.end());
    const int largest = numbers.empty() ? 1 : numbers.back();
    for (const std::string& error :
         {ProblemError(problem, std::max(largest, problem.ticketSize)), SearchSizeError(problem)})
        if (!error.empty())
            throw std::invalid_argument(error);

    const int v = static_cast<int>(numbers.size());
    Mask keys = 0;
    for (const int key : problem.keys)
        keys |= Bit(static_cast<int>(std::lower_bound(numbers.begin(), numbers.end(), key) -
                                     numbers.begin()));
    WheelResult result;
    result.lowerBound = WheelLowerBound(v, problem.ticketSize, problem.t, problem.m);
    result.fullWheelSize = FullWheelSize(problem);

    RunLimits limits;
    limits.patience = options.patience != 0 ? options.patience : DefaultPatience(problem);
    limits.deadline = started + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                    std::chrono::duration<double>(options.secondsLimit));
    // The later seeds also stop when the first one reaches the bound: they can only tie it.
    std::atomic<bool> firstAtBound{false};
    std::mutex progressLock;
    std::size_t bestSoFar = SIZE_MAX;

    const int threads = std::max(1, options.threads);
    std::vector<SeedOutcome> outcomes(threads);
    auto runSeed = [&](int i) {
        AnnealingRun run(v, problem.ticketSize, problem.t, problem.m, keys, result.lowerBound,
                         options.seed + static_cast<std::uint64_t>(i));
        RunLimits own = limits;
        own.stop = options.cancel;
        own.stopToo = i == 0 ? nullptr : &firstAtBound;
        outcomes[i].end = run.Run(own, [&](const std::vector<Mask>& blocks) {
            const std::lock_guard lock(progressLock);
            if (blocks.size() >= bestSoFar)
                return;
            bestSoFar = blocks.size();
            if (options.onProgress)
                options.onProgress(
                    {bestSoFar, result.lowerBound,
                     std::chrono::duration<double>(std::chrono::steady_clock::now() - started)
                         .count()});
        });
        outcomes[i].best = run.Best();
        if (i == 0 && outcomes[i].end == SearchEnd::ReachedBound)
            firstAtBound = true;
    };
    std::vector<std::thread> helpers;
    for (int i = 1; i < threads; ++i)
        helpers.emplace_back(runSeed, i);
    runSeed(0);
    for (auto& helper : helpers)
        helper.join();

    std::size_t winner = 0;
    for (std::size_t i = 1; i < outcomes.size(); ++i)
        if (outcomes[i].best.size() < outcomes[winner].best.size())
            winner = i;
    result.winningSeed = options.seed + winner;
    result.end = outcomes[winner].end;
    if (options.cancel != nullptr && options.cancel->load())
        result.end = SearchEnd::Cancelled;
    for (const Mask block : outcomes[winner].best) {
        std::vector<int> ticket;
        for (Mask rest = block; rest != 0; rest &= rest - 1)
            ticket.push_back(numbers[Lowest(rest)]);
        result.tickets.push_back(std::move(ticket));
    }
    if (!VerifyWheel(result.tickets, numbers, problem.t, problem.m, 1, threads).holds)
        throw std::logic_error("wheel search produced a wheel with holes");
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return result;
}

} // namespace wheels
