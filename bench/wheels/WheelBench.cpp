// Sizes and speed of the wheel search, run by hand:
//   build/bench/wheels/wheel_bench                 every case, K = 5..7, t = 3, 4, v = 10..20
//   build/bench/wheels/wheel_bench V K T           one case "T если T"
//   build/bench/wheels/wheel_bench --smoke         two tiny cases (the test suite runs this)
// Options: --threads N (1 by default: the speed on one core), --seed S, --patience STEPS,
// --seconds S (10 by default), --trace (every smaller wheel as found).
// Every wheel is proven by the verifier; a wheel with holes ends the run with exit code 1.
#include "wheels/WheelBounds.h"
#include "wheels/WheelSearch.h"
#include "wheels/WheelVerifier.h"

#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <string>
#include <vector>

namespace {

bool trace = false;

struct Case {
    int v, K, t;
};

// Sizes published for covering designs, to aim at; the search never sees them.
int KnownRecord(const Case& c) {
    static const struct {
        Case c;
        int size;
    } records[] = {{{8, 6, 4}, 7},   {{10, 6, 4}, 20}, {{12, 6, 4}, 41},
                   {{10, 6, 3}, 10}, {{12, 6, 3}, 15}, {{10, 5, 3}, 17},
                   {{12, 5, 3}, 29}, {{10, 7, 3}, 6},  {{12, 7, 4}, 24}};
    for (const auto& r : records)
        if (r.c.v == c.v && r.c.K == c.K && r.c.t == c.t)
            return r.size;
    return 0;
}

bool RunCase(const Case& c, int threads, std::uint64_t seed, std::uint64_t patience,
             double seconds) {
    wheels::WheelProblem problem;
    problem.numbers.resize(c.v);
    std::iota(problem.numbers.begin(), problem.numbers.end(), 1);
    problem.ticketSize = c.K;
    problem.t = problem.m = c.t;
    wheels::WheelSearchOptions options;
    options.threads = threads;
    options.seed = seed;
    options.patience = patience;
    options.secondsLimit = seconds;
    double foundAt = 0;
    options.onProgress = [&](const wheels::WheelProgress& progress) {
        foundAt = progress.seconds;
        if (trace)
            std::printf("  %.2f s: %zu\n", progress.seconds, progress.bestSize);
    };
    const wheels::WheelResult result = wheels::FindWheel(problem, options);
    const bool proven = wheels::VerifyWheel(result.tickets, problem.numbers, c.t, c.t, 1, 1).holds;
    const int record = KnownRecord(c);
    std::printf(
        "v=%2d K=%d t=%d  size %4zu  bound %4llu  record %4s  found %6.2f s  ended %6.2f s  %s\n",
        c.v, c.K, c.t, result.tickets.size(), static_cast<unsigned long long>(result.lowerBound),
        record ? std::to_string(record).c_str() : "-", foundAt, result.seconds,
        proven ? "проверено" : "ДЫРЫ");
    std::fflush(stdout);
    return proven;
}

} // namespace

int main(int argc, char** argv) {
    int threads = 1;
    std::uint64_t seed = 1;
    std::uint64_t patience = 0;
    double seconds = 10;
    std::vector<Case> cases;
    std::vector<int> plain;
    bool smoke = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--threads" && i + 1 < argc)
            threads = std::atoi(argv[++i]);
        else if (arg == "--seed" && i + 1 < argc)
            seed = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--patience" && i + 1 < argc)
            patience = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--seconds" && i + 1 < argc)
            seconds = std::atof(argv[++i]);
        else if (arg == "--trace")
            trace = true;
        else if (arg == "--smoke")
            smoke = true;
        else
            plain.push_back(std::atoi(argv[i]));
    }
    if (smoke) {
        cases = {{8, 6, 4}, {10, 5, 3}};
        patience = patience != 0 ? patience : 100'000;
    } else if (plain.size() == 3)
        cases = {{plain[0], plain[1], plain[2]}};
    else
        for (int K = 5; K <= 7; ++K)
            for (int t = 3; t <= 4; ++t)
                for (int v = 10; v <= 20; ++v)
                    cases.push_back({v, K, t});
    bool allProven = true;
    for (const Case& c : cases)
        allProven = RunCase(c, threads, seed, patience, seconds) && allProven;
    return allProven ? 0 : 1;
}
