#include "BenchData.h"
#include "ReferenceStats.h"
#include "lottery/NumberStats.h"

#include <benchmark/benchmark.h>
#include <span>

namespace lottery::bench {
namespace {

// Target: 1,000,000 draws of 6/49 in under 40 ms.
void BM_StatAll(benchmark::State& state) {
    const auto draws = std::span(MillionDraws()).first(static_cast<std::size_t>(state.range(0)));
    StatsTable table{};
    SetUpperSentinel(table, 49);
    for (auto _ : state) {
        StatAll(table, draws, {6, 49});
        benchmark::DoNotOptimize(table);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_StatAll)->Arg(1000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The literal N x draws x K loop on the same data: StatAll must be at least 10 times faster.
void BM_ReferenceStatAll(benchmark::State& state) {
    const auto draws = std::span(MillionDraws()).first(static_cast<std::size_t>(state.range(0)));
    StatsTable table{};
    SetUpperSentinel(table, 49);
    for (auto _ : state) {
        test::ReferenceStatAll(table, draws, {6, 49});
        benchmark::DoNotOptimize(table);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReferenceStatAll)->Arg(1000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceStatAll)->Arg(1'000'000)->Iterations(2)->Unit(benchmark::kMillisecond);

void BM_Rankings(benchmark::State& state) {
    StatsTable table{};
    StatAll(table, std::span(MillionDraws()).first(100'000), {6, 49});
    SetUpperSentinel(table, 49);
    for (auto _ : state)
        benchmark::DoNotOptimize(Rankings(table, 49));
}
BENCHMARK(BM_Rankings);

} // namespace
} // namespace lottery::bench
