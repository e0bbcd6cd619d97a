// The five sound events and how one is played.
#pragma once

#include "model/game_state.h"

// The fixed event names, in table order.
extern const char* const kSoundNames[kSoundCount];

// ".\Sound\" + name + ".wav" for event i (0..4); empty text for another i.
void DefaultSoundPath(int i, char (&out)[kNameSize]);
// Sets the five names, default files and enabled flags.
void ResetSoundEvents(GameState* state);
