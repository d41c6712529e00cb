#include "BenchData.h"
#include "storage/DrawFile.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace lottery::bench {
namespace {

// Page faults are most of the cost of fresh multi-megabyte buffers on a busy virtual machine.
long MinorFaults() {
    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// Target: reading and checking a 1,000,000-draw file (7 MB) in under 30 ms.
void BM_ReadDrawFile(benchmark::State& state) {
    const std::string& path = MillionDrawFile();
    const long faultsBefore = MinorFaults();
    for (auto _ : state) {
        DrawFileContent content = ReadDrawFile(path);
        benchmark::DoNotOptimize(content.draws.data());
    }
    state.counters["faults"] = benchmark::Counter(static_cast<double>(MinorFaults() - faultsBefore),
                                                  benchmark::Counter::kAvgIterations);
    state.SetBytesProcessed(state.iterations() * 7'000'007);
}
BENCHMARK(BM_ReadDrawFile)->Unit(benchmark::kMillisecond);

void BM_DecodeDrawFile(benchmark::State& state) {
    const auto bytes = EncodeDrawFile(MillionDraws(), {6, 49}, TrailerReserved{});
    for (auto _ : state) {
        DrawFileContent content = DecodeDrawFile(bytes);
        benchmark::DoNotOptimize(content.draws.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_DecodeDrawFile)->Unit(benchmark::kMillisecond);

// Target: writing it (temporary, flush to disk, rename) in under 50 ms.
void BM_WriteDrawFile(benchmark::State& state) {
    const auto& draws = MillionDraws();
    const std::string path = ScratchPath("written.dat");
    const long faultsBefore = MinorFaults();
    for (auto _ : state)
        WriteDrawFile(path, draws, {6, 49}, TrailerReserved{});
    state.counters["faults"] = benchmark::Counter(static_cast<double>(MinorFaults() - faultsBefore),
                                                  benchmark::Counter::kAvgIterations);
    state.SetBytesProcessed(state.iterations() * 7'000'007);
}
BENCHMARK(BM_WriteDrawFile)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace lottery::bench
