// The puzzle solver: finds one way to lay the seven pieces, in the game's own
// orientations and grid, so that they cover a silhouette exactly.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

#include "model/game_state.h"

struct SolveOutcome {
    bool solved;
    // The search ran past its deadline and stopped; solved is false then.
    bool timedOut;
    // When solved: slot i holds piece i + 1, at a position of the puzzle's own
    // grid exactly as a field slot would hold it.
    PieceSlot layout[kPieceCount];
    // Placements tried by the search (for measuring the pruning).
    std::int64_t nodes;
};

using SolveClock = std::chrono::steady_clock;

// What a search starts from and how long it may take: fixed holds
// fixedCount slots (empty slots, piece 0, are skipped) of pieces that stay
// where they lie; the search gives up at deadline (none when it is the
// clock's largest time point).
struct SolveRequest {
    const PieceSlot* fixed = nullptr;
    int fixedCount = 0;
    SolveClock::time_point deadline = SolveClock::time_point::max();
};

// Searches all layouts of the seven pieces; solved is false only when no
// layout covers every set quarter once and nothing outside. pieces is a
// state whose piece tables are built (BuildPieceSet); it is only read.
SolveOutcome SolvePuzzle(const GameState& pieces, const PuzzleRecord& puzzle);
// The same search around pieces that stay where they lie: the layout keeps
// every fixed piece as given. A fixed piece that leaves the silhouette,
// overlaps another or repeats a piece number makes the answer "none".
SolveOutcome SolvePuzzle(const GameState& pieces, const PuzzleRecord& puzzle,
                         const SolveRequest& request);

// One silhouette searched again and again with different fixed pieces (a
// hint tries several sets): the placements are listed only once.
class QuarterSearch;
class LayoutSearch {
public:
    LayoutSearch(const GameState& pieces, const PuzzleRecord& puzzle);
    ~LayoutSearch();
    LayoutSearch(const LayoutSearch&) = delete;
    LayoutSearch& operator=(const LayoutSearch&) = delete;
    SolveOutcome Solve(const SolveRequest& request);

private:
    std::unique_ptr<QuarterSearch> search_;  // null for a record of no valid size
};

// Calls visit with the seven slots (indexed by piece - 1) of every layout
// that covers the silhouette, until visit returns false. Layouts that only
// swap the two small or the two large triangles are given once, with the
// lower-numbered piece nearer the top-left. Returns the placements tried.
using SolutionVisitor = std::function<bool(const PieceSlot (&slots)[kPieceCount])>;
std::int64_t ForEachSolution(const GameState& pieces, const PuzzleRecord& puzzle,
                             const SolutionVisitor& visit);

// Replays a layout the way the game would: applies the puzzle to state, drops
// the pieces one by one through CanPlace, and then checks that together
// they cover every quarter of the silhouette. state needs built piece tables
// and no main window; its board is overwritten.
bool VerifySolution(GameState* state, const PuzzleRecord& puzzle,
                    const PieceSlot (&slots)[kPieceCount]);
