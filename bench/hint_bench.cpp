// A hint on every puzzle of the shipped library: from an empty field, with
// half a layout on the field, and with two pieces of it misplaced. Each
// benchmark times one hint per puzzle and reports the median and the worst
// puzzle in milliseconds, as processor time (cpu_) and as elapsed time
// (wall_, which a busy machine stretches).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <memory>
#include <vector>

#include "library/puzzle_file.h"
#include "model/board.h"
#include "model/hints.h"
#include "model/pieces.h"
#include "model/rules.h"
#include "null_host.h"

namespace fs = std::filesystem;

namespace {

struct Puzzle {
    std::unique_ptr<PuzzleRecord> record;
    PieceSlot layout[kPieceCount];
};

const std::vector<Puzzle>& Library() {
    static const std::vector<Puzzle> puzzles = [] {
        auto pieces = std::make_unique<GameState>();
        BuildPieceSet(pieces.get());
        std::vector<fs::path> files;
        for (const auto& group :
             fs::directory_iterator(fs::path(POLYSHARD_SOURCE_DIR) / "data/Puzzles"))
            for (const auto& file : fs::directory_iterator(group.path()))
                files.push_back(file.path());
        std::sort(files.begin(), files.end());
        std::vector<Puzzle> out;
        for (const fs::path& f : files) {
            Puzzle p{std::make_unique<PuzzleRecord>(), {}};
            if (!ReadPuzzleFile(f.string().c_str(), p.record.get())) continue;
            const SolveOutcome o = SolvePuzzle(*pieces, *p.record);
            if (!o.solved) continue;
            std::copy(std::begin(o.layout), std::end(o.layout), p.layout);
            out.push_back(std::move(p));
        }
        return out;
    }();
    return puzzles;
}

void Lay(GameState* s, const PieceSlot& slot) {
    for (PieceSlot& st : s->storeSlots)
        if (st.piece == slot.piece) st.piece = 0;
    for (PieceSlot& f : s->fieldSlots)
        if (f.piece == 0) {
            f = slot;
            return;
        }
}

// True when no layout keeps the field pieces, leaving out one piece.
bool Blocked(GameState* s, const PuzzleRecord& record, int without) {
    PieceSlot fixed[kPieceCount];
    int n = 0;
    for (const PieceSlot& f : s->fieldSlots)
        if (f.piece != 0 && f.piece != without) fixed[n++] = f;
    SolveRequest request;
    request.fixed = fixed;
    request.fixedCount = n;
    return !SolvePuzzle(*s, record, request).solved;
}

// Lays a piece, in any orientation, at the position nearest to its place in
// the layout where it fits on the field but no layout keeps the field
// pieces, even without the piece `without`; false when there is none.
bool LayMisplaced(GameState* s, const PuzzleRecord& record, const PieceSlot& right, int without) {
    for (int d = 0; d <= 40; ++d)
        for (int dr = -d; dr <= d; ++dr)
            for (int dc = -d; dc <= d; ++dc) {
                if (std::max(std::abs(dc), std::abs(dr)) != d) continue;
                for (int o = 0; o < s->orientationCounts[right.piece - 1]; ++o) {
                    const PieceSlot at{right.col + dc, right.row + dr, right.piece, o};
                    if (!CanPlace(s, at.piece, at.orientation, at.col, at.row)) continue;
                    Lay(s, at);
                    if (Blocked(s, record, without)) return true;
                    for (PieceSlot& f : s->fieldSlots)
                        if (f.piece == at.piece) f.piece = 0;
                }
            }
    return false;
}

enum class Start { Empty, HalfLaid, TwoMisplaced };

// Half laid: pieces 1 to 4 of a layout. Two misplaced: pieces 1 to 3 of a
// layout, and two of the others each where no layout keeps it.
void Setup(GameState* s, const Puzzle& p, Start start) {
    ApplyPuzzle(s, *p.record);
    if (start == Start::Empty) return;
    for (int piece : {1, 2, 3}) Lay(s, p.layout[piece - 1]);
    if (start == Start::HalfLaid) {
        Lay(s, p.layout[3]);
        return;
    }
    int first = 0;
    for (int piece : {7, 6, 5, 4}) {
        if (!LayMisplaced(s, *p.record, p.layout[piece - 1], first)) continue;
        if (first != 0) return;
        first = piece;
    }
}

void Hint(benchmark::State& state, Start start) {
    NullHost host;
    auto s = std::make_unique<GameState>();
    BuildPieceSet(s.get());
    s->mainWindow = &host;
    s->view.scale = 8;
    std::vector<double> ms, cpu;
    int sentBack = 0, timedOut = 0;
    for (auto _ : state) {
        double total = 0;
        for (const Puzzle& p : Library()) {
            Setup(s.get(), p, start);
            const std::clock_t c0 = std::clock();
            const auto t0 = std::chrono::steady_clock::now();
            const HintOutcome o = GiveHint(s.get());
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - t0;
            cpu.push_back(1000.0 * static_cast<double>(std::clock() - c0) / CLOCKS_PER_SEC);
            total += took.count();
            ms.push_back(took.count() * 1000);
            sentBack += o == HintOutcome::PiecesSentBack;
            timedOut += o == HintOutcome::TimedOut || o == HintOutcome::NoLayout;
        }
        state.SetIterationTime(total);
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpu.begin(), cpu.end());
    state.counters["puzzles"] = static_cast<double>(Library().size());
    state.counters["wall_median_ms"] = ms[ms.size() / 2];
    state.counters["wall_worst_ms"] = ms.back();
    state.counters["cpu_median_ms"] = cpu[cpu.size() / 2];
    state.counters["cpu_worst_ms"] = cpu.back();
    state.counters["sent_back"] = sentBack / static_cast<double>(state.iterations());
    state.counters["failed"] = timedOut;
}

BENCHMARK_CAPTURE(Hint, empty_field, Start::Empty)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Hint, half_laid, Start::HalfLaid)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Hint, two_misplaced, Start::TwoMisplaced)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
