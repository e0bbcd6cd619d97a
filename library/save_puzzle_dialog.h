// The Save puzzle dialog: the player picks or creates a group and names the
// figure laid out in create-puzzle mode; it is saved as a puzzle file.
#pragma once

#include "model/game_state.h"

class QListWidget;
class QWidget;

// Fills the group list with the library's groups and selects the one named
// like the current group (case ignored), else the first.
void FillGroupList(const GameState* state, QListWidget* list);

// Runs the dialog modal over parent. When a piece is not on the field it
// only says so. Returns QDialog::Accepted after OK (whatever the save's
// outcome), otherwise QDialog::Rejected.
int SavePuzzleDialog(QWidget* parent, GameState* state);
