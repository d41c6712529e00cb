#include "BenchData.h"
#include "lottery/LotteryDocument.h"
#include "storage/DocumentFile.h"

#include <benchmark/benchmark.h>
#include <fstream>
#include <malloc.h>
#include <string>
#include <unistd.h>

namespace lottery::bench {
namespace {

double ResidentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / 1048576.0;
}

// Peak resident size since the last reset, in MB (VmHWM).
double PeakMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            long kilobytes = 0;
            status >> kilobytes;
            return static_cast<double>(kilobytes) / 1024.0;
        }
        status.ignore(1 << 16, '\n');
    }
    return 0.0;
}

bool ResetPeak() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    return static_cast<bool>(clear);
}

// Target: 1,000,000 draws held by a document in under 16 MB beyond the process's base, both
// once loaded and at the peak while loading.
void BM_MemoryOfMillionDrawDocument(benchmark::State& state) {
    const std::string& path = MillionDrawFile();
    double kept = 0.0;
    double peak = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        // Memory freed earlier but kept by the allocator would be reused unseen: give it back.
        ::malloc_trim(0);
        const double before = ResidentMegabytes();
        const bool peakReset = ResetPeak();
        state.ResumeTiming();
        {
            LotteryDocument doc;
            OpenDocument(doc, path);
            state.PauseTiming();
            kept = ResidentMegabytes() - before;
            peak = peakReset ? PeakMegabytes() - before : -1.0;
            benchmark::DoNotOptimize(doc.drawCount());
            state.ResumeTiming();
        }
    }
    state.counters["kept_MB"] = kept;
    state.counters["peak_MB"] = peak;
}
BENCHMARK(BM_MemoryOfMillionDrawDocument)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lottery::bench
