// Undo and redo of a whole-memory step (a 128 KiB file load or READ), on varied data.

#include <benchmark/benchmark.h>

#include "HexText.h"
#include "ImageEdit.h"

namespace {

void fillVaried(ProgramState& state, uint32_t seed) {
    ImageEdit edit(state, 0, DataImage::Size);
    for (int a = 0; a < DataImage::Size; ++a) {
        seed = seed * 1664525u + 1013904223u;
        state.Image.set(a, hexByte(static_cast<uint8_t>(seed >> 24)));
        state.EditMarks[static_cast<std::size_t>(a)] = (seed & 0x100) != 0;
    }
}

void BM_UndoRedoWholeMemoryStep(benchmark::State& bench) {
    ProgramState state;
    fillVaried(state, 1);
    fillVaried(state, 2);
    for (auto _ : bench) {
        state.History.undo(state.Image, state.EditMarks, DataImage::Size);
        state.History.redo(state.Image, state.EditMarks, DataImage::Size);
        benchmark::DoNotOptimize(state.Image.view(0));
    }
    bench.SetLabel("one undo and one redo");
}
BENCHMARK(BM_UndoRedoWholeMemoryStep)->Unit(benchmark::kMillisecond);

// What recording costs the change itself: keeping the cells before and after, and trimming.
void BM_RecordWholeMemoryStep(benchmark::State& bench) {
    ProgramState state;
    fillVaried(state, 1);
    uint32_t seed = 2;
    for (auto _ : bench) {
        state.History.willChange(state.Image, state.EditMarks, 0, DataImage::Size);
        state.Image.set(static_cast<int>(++seed % DataImage::Size), u"5A");
        state.History.endStep(state.Image, state.EditMarks);
    }
}
BENCHMARK(BM_RecordWholeMemoryStep)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
