// The default look of the game: the values a missing settings key takes and
// the values "Set to default" puts into the options dialog.
#pragma once

#include "model/game_state.h"

// Fills all twelve view settings with their defaults.
void DefaultViewOptions(ViewOptions* block);
