// Reading and writing puzzle files at the largest sizes.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "library/file_access.h"
#include "library/puzzle_file.h"
#include "model/pieces.h"

namespace {

// A 159 x 159 puzzle of mixed cells, written once to a temporary file.
std::string WriteLargestReadablePuzzle() {
    static Grid cells;
    for (int r = 0; r < kMaxPuzzleSize; ++r)
        for (int c = 0; c < kMaxPuzzleSize; ++c)
            for (int q = 0; q < 4; ++q) cells[r][c][q] = ((r + c) % 3 != 0 || q < 2) ? 1 : 0;
    const std::string text = BuildPuzzleText(cells, kMaxPuzzleSize, kMaxPuzzleSize, "largest");
    const std::string path = "/tmp/polyshard-bench-" + std::to_string(getpid()) + ".pzk";
    WriteFileReplacing(path.c_str(), text.data(), text.size());
    return path;
}

void BM_ReadPuzzleFile159(benchmark::State& state) {
    const std::string path = WriteLargestReadablePuzzle();
    auto puzzle = std::make_unique<PuzzleRecord>();
    for (auto _ : state) benchmark::DoNotOptimize(ReadPuzzleFile(path.c_str(), puzzle.get()));
    if (!ReadPuzzleFile(path.c_str(), puzzle.get()))
        state.SkipWithError("the file should be valid");
    std::remove(path.c_str());
}
BENCHMARK(BM_ReadPuzzleFile159)->Unit(benchmark::kMicrosecond);

// The save text of a 160 x 160 figure with a 100-character name: the
// largest text the game builds.
void BM_SaveText160(benchmark::State& state) {
    static Grid cells;
    std::memset(cells, 1, sizeof cells);
    const std::string name(100, 'n');
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string text = BuildPuzzleText(cells, kGridSize, kGridSize, name.c_str());
        size = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    if (size != 56557) state.SkipWithError("unexpected text size");
}
BENCHMARK(BM_SaveText160)->Unit(benchmark::kMicrosecond);

// Extracting the figure from the field: the seven pieces in the bottom-right
// corner, so that normalising moves it the furthest.
void BM_ExtractFigure(benchmark::State& state) {
    auto s = std::make_unique<GameState>();
    BuildPieceSet(s.get());
    for (int i = 0; i < kPieceCount; ++i) {
        s->fieldSlots[i] = s->storeHome[i];
        s->fieldSlots[i].col += kGridSize - 40;
        s->fieldSlots[i].row += kGridSize - 40;
    }
    int dx = 0, dy = 0;
    for (auto _ : state) {
        ExtractFigure(s.get(), s->workGrid, &dx, &dy);
        benchmark::ClobberMemory();
    }
    if (dx != 40 || dy != 40) state.SkipWithError("the figure should be 40 x 40");
}
BENCHMARK(BM_ExtractFigure)->Unit(benchmark::kMicrosecond);

}  // namespace
