// The outline of where a click would drop the carried piece, drawn over the
// board while the player has it turned on.
#pragma once

#include <QColor>
#include <QPoint>

#include "model/game_state.h"

class QPainter;

// The outline's colour when the drop would be refused.
QColor LandingWarningColour();

// Draws the outline of the carried piece at the field position a press at
// pointer would drop it: in the ink colour when it fits, in the warning
// colour when the drop would be refused. flash draws it filled and bolder
// (a refused drop). Nothing without a carried piece, with the option off,
// or when a press there would not reach the field.
void DrawLandingOutline(GameState* state, QPainter& p, QPoint pointer, bool flash);
