// The rule book: taking, turning, dropping and winning.
#pragma once

#include "model/game_state.h"

// A press of the primary button at client position (x, y).
void HandlePrimaryClick(GameState* state, int x, int y);
// A key press; only 'A' (0x41) and 'S' (0x53) turn the carried piece.
void TurnCarriedPiece(GameState* state, int key);
// The context-menu request at a screen position.
void ShowOrientationMenu(GameState* state, int screenX, int screenY);
// An orientation command chosen in the popup.
void SetOrientationFromMenu(GameState* state, int command);
int OrientationForCommand(int command);
void ResetGrabToGrip(GameState* state);

// Index of the store slot hit at rounded position (px, py), or -1.
int HitStorePiece(const GameState* state, int px, int py);
// Index of the field slot hit at rounded position (px, py), or -1.
int HitFieldPiece(const GameState* state, int px, int py);
// The drop test of a piece at a grid position of the silhouette.
bool CanPlace(GameState* state, int piece, int orientation, int col, int row);
// Sets every quarter that a placed piece covers in a grid to value.
void StampPiece(const GameState* state, const PieceSlot& slot, Grid& grid, std::uint8_t value);

// Adds a puzzle to the solved list unless it is there already, the list is
// full, or a name is blank or holds a line break (the settings file could
// not keep it).
void RecordSolved(GameState* state, const char* group, const char* puzzle);
