// The solver: every puzzle of the shipped library, and silhouettes that
// have no layout (where the whole search has to run).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include "library/puzzle_file.h"
#include "model/board.h"
#include "model/pieces.h"
#include "solver/solver.h"

namespace fs = std::filesystem;

namespace {

const GameState& Pieces() {
    static const std::unique_ptr<GameState> state = [] {
        auto s = std::make_unique<GameState>();
        BuildPieceSet(s.get());
        return s;
    }();
    return *state;
}

void Solve(benchmark::State& state, std::shared_ptr<PuzzleRecord> puzzle, bool expect) {
    for (auto _ : state) {
        const SolveOutcome o = SolvePuzzle(Pieces(), *puzzle);
        benchmark::DoNotOptimize(o.nodes);
        if (o.solved != expect) state.SkipWithError("unexpected answer");
    }
}

std::shared_ptr<PuzzleRecord> Square() {
    auto p = std::make_shared<PuzzleRecord>();
    MakeDefaultSquare(p.get());
    return p;
}

// Silhouettes with the tangram's area that cannot be laid.
void RegisterUnsolvable() {
    auto moved = Square();
    moved->width = 41;
    std::memset(moved->cells[39][39], 0, 4);
    std::memset(moved->cells[0][40], 1, 4);
    benchmark::RegisterBenchmark("Unsolvable/square_cell_moved", Solve, moved, false);

    auto thin = std::make_shared<PuzzleRecord>();
    thin->width = 80;
    thin->height = 20;
    for (int r = 0; r < 20; ++r) std::memset(thin->cells[r], 1, 80 * 4);
    benchmark::RegisterBenchmark("Unsolvable/rectangle_80x20", Solve, thin, false);

    auto hole = Square();
    hole->width = 42;
    for (int r = 19; r <= 20; ++r)
        for (int c = 19; c <= 20; ++c) {
            std::memset(hole->cells[r][c], 0, 4);
            std::memset(hole->cells[r][c + 21], 1, 4);
        }
    benchmark::RegisterBenchmark("Unsolvable/square_with_hole", Solve, hole, false);

    // Every puzzle of the library with its top-left set quarter moved to
    // just below the figure: right area, wrong shape.
    for (const auto& group :
         fs::directory_iterator(fs::path(POLYSHARD_SOURCE_DIR) / "data/Puzzles"))
        for (const auto& file : fs::directory_iterator(group.path())) {
            auto p = std::make_shared<PuzzleRecord>();
            if (!ReadPuzzleFile(file.path().string().c_str(), p.get()) || p->height >= 159)
                continue;
            bool moved = false;
            for (int r = 0; r < p->height && !moved; ++r)
                for (int c = 0; c < p->width && !moved; ++c)
                    for (int q = 0; q < 4 && !moved; ++q)
                        if (p->cells[r][c][q]) {
                            p->cells[r][c][q] = 0;
                            p->cells[p->height][c][kTop] = 1;
                            moved = true;
                        }
            p->height += 1;
            benchmark::RegisterBenchmark(
                ("Unsolvable/" + file.path().stem().string() + "_moved").c_str(), Solve, p, false);
        }
}

void RegisterLibrary() {
    std::vector<fs::path> files;
    for (const auto& group :
         fs::directory_iterator(fs::path(POLYSHARD_SOURCE_DIR) / "data/Puzzles"))
        for (const auto& file : fs::directory_iterator(group.path())) files.push_back(file.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& f : files) {
        auto p = std::make_shared<PuzzleRecord>();
        if (!ReadPuzzleFile(f.string().c_str(), p.get())) continue;
        benchmark::RegisterBenchmark(("Library/" + f.stem().string()).c_str(), Solve, p, true)
            ->Unit(benchmark::kMillisecond);
    }
}

const bool kRegistered = [] {
    RegisterLibrary();
    RegisterUnsolvable();
    return true;
}();

}  // namespace
