// The puzzle solver: finds one way to lay the seven pieces, in the game's own
// orientations and grid, so that they cover a silhouette exactly.
#pragma once

#include <cstdint>
#include <functional>

#include "model/game_state.h"

struct SolveOutcome {
    bool solved;
    // When solved: slot i holds piece i + 1, at a position of the puzzle's own
    // grid exactly as a field slot would hold it.
    PieceSlot slots[kPieceCount];
    // Placements tried by the search (for measuring the pruning).
    std::int64_t nodes;
};

// Searches all layouts of the seven pieces; solved is false only when no
// layout covers every set quarter once and nothing outside. pieces is a
// state whose piece tables are built (BuildPieceSet); it is only read.
SolveOutcome SolvePuzzle(const GameState& pieces, const PuzzleRecord& puzzle);

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
