// Placement files: one line "piece orientation col row" per piece, giving
// where each of the seven pieces lies on the open 160 x 160 board (col and
// row of its mask cell (0,0)). Blank lines and lines starting with '#' are
// ignored. make reads them; a solver prints its answer in the same form.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/game_state.h"

struct Placement {
    PieceSlot slot;
    int line;  // 1-based line of the text it came from
};

struct PlacementError {
    int line;  // 0 when the fault belongs to no single line
    std::string message;
};

// Reads the lines of a placement text; only the form is checked here.
bool ParsePlacements(std::string_view text, std::vector<Placement>* out, PlacementError* error);
bool ReadPlacementsFile(const char* path, std::vector<Placement>* out, PlacementError* error);

// Starts create mode on state (whose piece tables are built) and drops the
// placements onto the open board as the game would: each piece exactly
// once, in an orientation it has, inside the board, overlapping nothing.
// The first fault stops it; missing pieces are reported last.
bool LayOutPlacements(GameState* state, const std::vector<Placement>& placements,
                      PlacementError* error);

// "piece orientation col row"
std::string FormatPlacement(const PieceSlot& slot);
// One line per non-empty slot, each ended by '\n'.
std::string FormatPlacements(const PieceSlot (&slots)[kPieceCount]);
