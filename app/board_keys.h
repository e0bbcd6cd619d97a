// Playing from the keyboard on the board: the keys 1 to 7 take that piece,
// the arrows move the carried piece a cell (five with Shift), Space or
// Enter drops it, Escape sends it home. Each goes through the same rules as
// the mouse.
#pragma once

#include <QPoint>

#include "model/game_state.h"

class QKeyEvent;

enum class PlayKey {
    None,     // not a key of keyboard play
    Handled,  // done (the board repaints)
    Drop,     // the caller presses the primary button at the pointer
};

// One key press. pointer is where the board draws the carried piece: a take
// puts it on the piece's grip cell and the arrows move it.
PlayKey HandlePlayKey(GameState* state, const QKeyEvent& event, QPoint* pointer);
