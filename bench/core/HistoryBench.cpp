#include "HistoryBench.h"

#include "BenchData.h"
#include "HistoryCsv.h"
#include "lottery/LotteryDocument.h"
#include "lottery/NumberStats.h"
#include "storage/DocumentFile.h"
#include "storage/DrawFile.h"
#include "tables/DrawTableReader.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace lottery::bench {
namespace {

void BM_HistoryReadCsv(benchmark::State& state, std::string path) {
    for (auto _ : state) {
        auto draws = test::ReadHistoryCsv(path);
        benchmark::DoNotOptimize(draws);
    }
}

// The same history through the table reader, as the import does it: layout, order, checks.
void BM_HistoryReadTable(benchmark::State& state, std::string path, std::size_t expected) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    const std::string text = bytes.str();
    for (auto _ : state) {
        const DrawTable table = ReadDrawTable(text);
        if (table.draws.size() != expected) {
            state.SkipWithError("the table reader lost draws");
            break;
        }
        benchmark::DoNotOptimize(table);
    }
}

void BM_HistoryStatAll(benchmark::State& state, std::vector<DrawRecord> draws) {
    StatsTable table{};
    SetUpperSentinel(table, 49);
    for (auto _ : state) {
        StatAll(table, draws, {6, 49});
        benchmark::DoNotOptimize(table);
    }
    state.counters["draws"] = static_cast<double>(draws.size());
}

// What the user waits for: open the history as a draw file and recompute; then save it.
void BM_HistoryOpenAndSave(benchmark::State& state, std::vector<DrawRecord> draws) {
    const std::string path = ScratchPath("history.dat");
    WriteDrawFile(path, draws, {6, 49}, TrailerReserved{});
    LotteryDocument doc;
    for (auto _ : state) {
        OpenDocument(doc, path);
        SaveDocument(doc);
    }
}

} // namespace

void RegisterHistoryBenchmarks(const std::string& sourceDir) {
    const auto path = test::FindHistoryCsv(sourceDir);
    const auto draws = path ? test::ReadHistoryCsv(*path) : std::nullopt;
    if (!draws) {
        std::fprintf(stderr, "Real draw history not found beside the project: its benchmarks are "
                             "left out.\n");
        return;
    }
    benchmark::RegisterBenchmark("BM_HistoryReadCsv", BM_HistoryReadCsv, *path)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_HistoryReadTable", BM_HistoryReadTable, *path, draws->size())
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_HistoryStatAll", BM_HistoryStatAll, *draws)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_HistoryOpenAndSave", BM_HistoryOpenAndSave, *draws)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

} // namespace lottery::bench
