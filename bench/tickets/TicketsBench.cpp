#include "lottery/RandomSource.h"
#include "tickets/Backtest.h"
#include "tickets/TicketSet.h"
#include "tickets/TicketSetCheck.h"

#include <benchmark/benchmark.h>

namespace lottery {
namespace {

constexpr LotteryShape k649{6, 49};

std::vector<std::uint64_t> RandomDrawMasks(long long count) {
    LcgRandom random(2026);
    std::vector<std::uint64_t> masks;
    masks.reserve(static_cast<std::size_t>(count));
    for (long long i = 0; i < count; ++i)
        masks.push_back(TicketSet::RandomTicket(k649, random).mask());
    return masks;
}

std::vector<Ticket> RandomTickets(int count) {
    LcgRandom random(49);
    std::vector<Ticket> tickets;
    for (int i = 0; i < count; ++i)
        tickets.push_back(TicketSet::RandomTicket(k649, random));
    return tickets;
}

// 1,000 tickets against as many draws as the argument; the goal is a million under a second.
void BM_CheckTicketSet(benchmark::State& state) {
    const auto draws = RandomDrawMasks(state.range(0));
    const auto tickets = RandomTickets(1000);
    const TicketMoney money{100, {0, 0, 0, 300, 2000, 100000, 10000000}};
    for (auto _ : state) {
        const TicketSetCheck check =
            CheckTicketSet(tickets, draws, k649, {0, state.range(0)}, money, 20);
        benchmark::DoNotOptimize(check.matches.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * 1000);
}
BENCHMARK(BM_CheckTicketSet)
    ->Arg(1000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

// Five ways (the set of 10 tickets among them) over as many draws as the argument, after
// 1,000 draws of history; the goal is ten thousand under a second.
void BM_Backtest(benchmark::State& state) {
    const auto draws = RandomDrawMasks(1000 + state.range(0));
    const auto set = RandomTickets(10);
    BacktestRequest request;
    request.range = {1000, 1000 + state.range(0)};
    request.set = set;
    for (auto _ : state) {
        const Backtest backtest = RunBacktest(draws, k649, request);
        benchmark::DoNotOptimize(backtest.ways.data());
    }
}
BENCHMARK(BM_Backtest)->Arg(1000)->Arg(10'000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lottery
