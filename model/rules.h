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

// Where a press at client position (x, y) would drop the carried piece:
// false when no piece is carried or the press would not reach the field.
bool DropCell(const GameState* state, int x, int y, int* col, int* row);
// Lays a piece waiting in the store at a field position as a drop would:
// "drop", then the win test. The position must pass CanPlace.
void LayStorePiece(GameState* state, const PieceSlot& slot);
// Sends the carried piece home, as a press on an empty part of the store.
void SendCarriedPieceHome(GameState* state);
// The client position of a piece's grip cell where it lies (store or
// field), such that HandlePrimaryClick there takes it; false if the piece
// is carried or unknown.
bool GripPosition(const GameState* state, int piece, int* x, int* y);

// Adds a puzzle to the solved list unless it is there already, the list is
// full, or a name is blank or holds a line break (the settings file could
// not keep it).
void RecordSolved(GameState* state, const char* group, const char* puzzle);
