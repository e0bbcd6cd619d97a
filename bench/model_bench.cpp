// The piece tables and the rules on the default 40 x 40 square.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "bench/null_host.h"
#include "model/board.h"
#include "model/pieces.h"
#include "model/rules.h"
#include "settings/sound_events.h"

namespace {

// The default square with the first six home pieces on the field at their
// home positions; only the seventh waits in the store.
std::unique_ptr<GameState> SixPiecesPlaced(GameHost* host) {
    auto s = std::make_unique<GameState>();
    BuildPieceSet(s.get());
    ResetSoundEvents(s.get());
    s->view.scale = 8;
    s->mainWindow = host;
    auto square = std::make_unique<PuzzleRecord>();
    MakeDefaultSquare(square.get());
    ApplyPuzzle(s.get(), *square);
    for (int i = 0; i < kPieceCount - 1; ++i) {
        s->fieldSlots[i] = s->storeHome[i];
        s->storeSlots[i].piece = 0;
    }
    return s;
}

void BM_BuildPieceSet(benchmark::State& state) {
    auto s = std::make_unique<GameState>();
    for (auto _ : state) {
        BuildPieceSet(s.get());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BuildPieceSet)->Unit(benchmark::kMillisecond);

// The drop test of the seventh piece with six on the field.
void BM_CanPlace(benchmark::State& state) {
    NullHost host;
    auto s = SixPiecesPlaced(&host);
    const PieceSlot last = s->storeHome[kPieceCount - 1];
    for (auto _ : state)
        benchmark::DoNotOptimize(
            CanPlace(s.get(), last.piece, last.orientation, last.col, last.row));
    if (!CanPlace(s.get(), last.piece, last.orientation, last.col, last.row))
        state.SkipWithError("the seventh piece should fit");
}
BENCHMARK(BM_CanPlace)->Unit(benchmark::kMicrosecond);

// Takes the sixth field piece by its grip cell and drops it back: two
// presses, the second one running the drop test.
void BM_TakeAndDrop(benchmark::State& state) {
    NullHost host;
    auto s = SixPiecesPlaced(&host);
    const PieceSlot slot = s->fieldSlots[kPieceCount - 2];
    const CellPoint grip = s->gripCells[TableIndex(slot.piece, slot.orientation)];
    const Rect field = FieldRect(s.get());
    const int x = field.left + (slot.col + grip.col + 1) * s->view.scale;
    const int y = field.top + (slot.row + grip.row + 1) * s->view.scale;
    for (auto _ : state) {
        HandlePrimaryClick(s.get(), x, y);
        HandlePrimaryClick(s.get(), x, y);
    }
    if (s->carriedPiece != 0 || std::memcmp(&s->fieldSlots[kPieceCount - 2], &slot, sizeof slot))
        state.SkipWithError("the piece did not land where it was");
}
BENCHMARK(BM_TakeAndDrop)->Unit(benchmark::kMicrosecond);

}  // namespace
