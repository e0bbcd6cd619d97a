#include "model/game_host.h"

#include "model/game_state.h"

void PlaySoundEvent(GameState* state, int event) {
    if (event < 0 || event >= kSoundCount) return;
    const SoundEvent& sound = state->sounds[event];
    if (sound.enabled != 0 && state->mainWindow) state->mainWindow->PlaySoundFile(sound.file);
}
