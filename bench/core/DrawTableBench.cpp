#include "BenchData.h"
#include "tables/DrawTableReader.h"

#include <benchmark/benchmark.h>

namespace lottery::bench {
namespace {

// A million draws as another source would publish them: semicolons, the draw number (a
// million draws would span more years than dates are read for), newest first, the numbers and
// a bonus. Made once.
const std::string& MillionLineTable() {
    static const std::string text = [] {
        const std::vector<DrawRecord>& draws = MillionDraws();
        std::string out = "Nr;Zahl 1;Zahl 2;Zahl 3;Zahl 4;Zahl 5;Zahl 6;Zusatzzahl\n";
        out.reserve(draws.size() * 30);
        for (std::size_t i = draws.size(); i-- > 0;) {
            out += std::to_string(i + 1);
            for (int p = 0; p < 6; ++p)
                out += ";" + std::to_string(draws[i][static_cast<std::size_t>(p)]);
            out += ";7\n";
        }
        return out;
    }();
    return text;
}

void BM_ReadMillionLineTable(benchmark::State& state) {
    const std::string& text = MillionLineTable();
    for (auto _ : state) {
        const DrawTable table = ReadDrawTable(text);
        if (table.draws.size() + table.refused.size() != MillionDraws().size()) {
            state.SkipWithError("the table reader lost lines");
            break;
        }
        benchmark::DoNotOptimize(table);
    }
    state.counters["lines"] = static_cast<double>(MillionDraws().size());
}
BENCHMARK(BM_ReadMillionLineTable)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace lottery::bench
