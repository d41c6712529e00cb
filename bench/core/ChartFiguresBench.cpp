#include "BenchData.h"
#include "chance/ChartFigures.h"

#include <benchmark/benchmark.h>

namespace lottery::bench {
namespace {

const LotteryShape kShape{6, 49};

// Opening the analysis window: the index over every draw, then every chart's figures.
// Target at 1,000,000 draws: well under 200 ms together with the drawing.
void BM_OpenAllFigures(benchmark::State& state) {
    const auto draws = std::span(MillionDraws()).first(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        const HistoryIndex index(draws, kShape);
        benchmark::DoNotOptimize(FrequencyFigureOf(index, index.drawCount()));
        benchmark::DoNotOptimize(OverdueFigureOf(index, index.drawCount(), 5));
        benchmark::DoNotOptimize(PairFigureOf(index, index.drawCount()));
    }
}
BENCHMARK(BM_OpenAllFigures)->Arg(3622)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// Moving the window of last M draws: every chart's figures again from the same index.
// Target: well under 50 ms together with the redrawing, whatever M.
void BM_ChangeWindow(benchmark::State& state) {
    static const HistoryIndex index(MillionDraws(), kShape);
    const long long window = state.range(0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(FrequencyFigureOf(index, window));
        benchmark::DoNotOptimize(OverdueFigureOf(index, window, 5));
        benchmark::DoNotOptimize(PairFigureOf(index, window));
    }
}
BENCHMARK(BM_ChangeWindow)->Arg(50)->Arg(100'003)->Arg(999'999)->Unit(benchmark::kMicrosecond);

void BM_CheckTicket(benchmark::State& state) {
    static const HistoryIndex index(MillionDraws(), kShape);
    NumberSet ticket;
    for (int n : {3, 11, 12, 14, 41, 43})
        ticket.add(n);
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckTicket(index, ticket, 20));
}
BENCHMARK(BM_CheckTicket)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lottery::bench
