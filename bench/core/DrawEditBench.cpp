#include "BenchData.h"
#include "lottery/LotteryDocument.h"
#include "storage/DocumentFile.h"

#include <benchmark/benchmark.h>

namespace lottery::bench {
namespace {

// A document holding the million draws of 6/49, opened once.
LotteryDocument& MillionDocument() {
    static LotteryDocument document = [] {
        LotteryDocument doc;
        OpenDocument(doc, MillionDrawFile());
        return doc;
    }();
    return document;
}

// Target for each: under 50 ms at 1,000,000 draws of 6/49, statistics recomputed. Each
// iteration does the step and takes it back, so the history stays the same; both halves
// are what a user waits for (the step, then its undo).
void BM_DeleteDrawAndUndo(benchmark::State& state) {
    LotteryDocument& doc = MillionDocument();
    int index = 0;
    for (auto _ : state) {
        const std::vector<DrawEdit> undo = doc.DeleteDraws({index});
        for (const DrawEdit& edit : undo)
            doc.ApplyEdit(edit);
        index = (index + 99'991) % doc.drawCount(); // all over the history
    }
}
BENCHMARK(BM_DeleteDrawAndUndo)->Unit(benchmark::kMillisecond);

void BM_EditDrawAndUndo(benchmark::State& state) {
    LotteryDocument& doc = MillionDocument();
    int index = 0;
    for (auto _ : state) {
        const DrawEdit undo = doc.ReplaceDraw(index, {1, 2, 3, 4, 5, 6, 0});
        doc.ApplyEdit(undo);
        index = (index + 99'991) % doc.drawCount();
    }
}
BENCHMARK(BM_EditDrawAndUndo)->Unit(benchmark::kMillisecond);

// The last draw holds numbers whose previous draw lies furthest back: the look back is at
// its longest when a number came out only there.
void BM_DeleteLastDrawAndUndo(benchmark::State& state) {
    LotteryDocument& doc = MillionDocument();
    for (auto _ : state) {
        const std::vector<DrawEdit> undo = doc.DeleteDraws({doc.drawCount() - 1});
        for (const DrawEdit& edit : undo)
            doc.ApplyEdit(edit);
    }
}
BENCHMARK(BM_DeleteLastDrawAndUndo)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lottery::bench
