#include "Calibration.h"
#include "HistoryCsv.h"
#include "RandomDraws.h"
#include "audit/RandomnessAudit.h"

#include <benchmark/benchmark.h>
#include <random>

namespace {

using namespace lottery;

void RunBattery(benchmark::State& state, const std::vector<DrawRecord>& draws) {
    for (auto _ : state) {
        const audit::AuditReport report = audit::AuditHistory(draws, {6, 49});
        benchmark::DoNotOptimize(report.verdict);
    }
    state.counters["draws"] = static_cast<double>(draws.size());
}

// The whole battery, simulations included, on the real 6/49 history (3,622 draws).
void BM_AuditRealHistory(benchmark::State& state) {
    const auto path = test::FindHistoryCsv(ZHREBIKON_SOURCE_DIR);
    const auto draws = path ? test::ReadHistoryCsv(*path) : std::nullopt;
    if (!draws) {
        state.SkipWithError("the real 6/49 history is not beside the project");
        return;
    }
    RunBattery(state, *draws);
}
BENCHMARK(BM_AuditRealHistory)->Unit(benchmark::kMillisecond);

// And on a million fair draws.
void BM_AuditMillionDraws(benchmark::State& state) {
    static const std::vector<DrawRecord> draws = [] {
        std::mt19937 rng(1000000);
        return test::RandomDraws(rng, {6, 49}, 1'000'000);
    }();
    RunBattery(state, draws);
}
BENCHMARK(BM_AuditMillionDraws)->Unit(benchmark::kMillisecond)->Iterations(3);

// The calibration on demand: thousands of fair histories of one shape, with the audit's full
// simulation. Counters: Kolmogorov's distance of each test's p-values from uniform (its 1 %
// bound is 1.63 / sqrt(histories)) and the share of "not fair" verdicts (at most 0.01).
//   audit_bench --benchmark_filter=Calibration
void BM_Calibration(benchmark::State& state) {
    const LotteryShape shape{static_cast<std::uint8_t>(state.range(0)),
                             static_cast<std::uint8_t>(state.range(1))};
    const int draws = static_cast<int>(state.range(2));
    constexpr int kHistories = 2000;
    for (auto _ : state) {
        test::Calibration calibration;
        test::Calibrate(shape, draws, kHistories, 7, {}, calibration);
        for (int t = 0; t < audit::kTestCount; ++t) {
            std::vector<double>& p = calibration.pValues[static_cast<std::size_t>(t)];
            if (!p.empty())
                state.counters[std::string(audit::TestName(static_cast<audit::TestKind>(t)))] =
                    test::UniformDistance(p);
        }
        state.counters["not_fair"] = static_cast<double>(calibration.notFair) / kHistories;
    }
}
BENCHMARK(BM_Calibration)
    ->Args({6, 49, 3622})
    ->Args({5, 36, 300})
    ->Args({2, 10, 100})
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

} // namespace

BENCHMARK_MAIN();
