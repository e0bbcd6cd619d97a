// The board: silhouette, slots, the two rectangles, and starting a game.
#pragma once

#include "model/game_state.h"

Rect StoreRect(const GameState* state);
Rect FieldRect(const GameState* state);
bool IsFullCell(const std::uint8_t cell[4]);
bool RectContains(const Rect& r, int x, int y);

// The 40 x 40 solid square used when no puzzle can be read.
void MakeDefaultSquare(PuzzleRecord* puzzle);
// The 160 x 160 open board of create-puzzle mode.
void MakeOpenBoard(PuzzleRecord* puzzle);

// Starts a fresh game on a puzzle; keeps no reference to it.
void ApplyPuzzle(GameState* state, const PuzzleRecord& puzzle);
void StartCreatePuzzle(GameState* state);

// Copies a string into a fixed buffer, cutting it to fit.
void CopyName(char (&dest)[kNameSize], const char* src);
