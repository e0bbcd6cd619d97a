#include "settings/sound_events.h"

#include <cstdio>

#include "model/board.h"

const char* const kSoundNames[kSoundCount] = {"drop", "error", "level is completed", "rotate",
                                              "take"};

void DefaultSoundPath(int i, char (&out)[kNameSize]) {
    if (i < 0 || i >= kSoundCount) {
        out[0] = '\0';
        return;
    }
    std::snprintf(out, kNameSize, ".\\Sound\\%s.wav", kSoundNames[i]);
}

void ResetSoundEvents(GameState* state) {
    for (int i = 0; i < kSoundCount; ++i) {
        CopyName(state->sounds[i].name, kSoundNames[i]);
        DefaultSoundPath(i, state->sounds[i].file);
        state->sounds[i].enabled = 1;
    }
}
