// The seven tangram pieces: shapes, masks and the per-orientation tables.
#pragma once

#include "model/game_state.h"

struct PiecePoint {
    int x;
    int y;
};

// The outline polygon of one piece orientation, in cells from the mask's
// top-left corner. count is 0 for orientations the piece lacks.
struct PieceOutline {
    int count;
    PiecePoint points[4];
};

// Fills pieceMasks, pieceSizes, gripCells, shadowMasks, orientationCounts,
// textureOrigins and storeHome.
void BuildPieceSet(GameState* state);

// Bounding size of a 40 x 40 mask.
CellSize MeasurePiece(const PieceMask& mask);

// Outline polygon of a piece (1..7) in an orientation (0..7).
PieceOutline PieceOutlineOf(int piece, int orientation);

// The number of covered quarters in a mask.
int CountQuarters(const PieceMask& mask);
