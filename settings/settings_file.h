// The settings file "<title>.ini" in the current directory: view options,
// the last puzzle, the sound events, the solved puzzles and the window.
#pragma once

#include <string>

#include "model/game_state.h"

struct IniFile;

// Reads the settings file (defaults when it is missing) into the state. The
// stored window rectangle goes to state->windowRect unchecked; the window
// passes it through ChooseWindowRect before using it.
void LoadSettings(GameState* state);
// Fills the settings fields from an indexed file (missing keys give defaults).
void ReadSettings(GameState* state, const IniFile& ini);

// Writes the whole settings file, replacing the old one only when the write
// succeeds; failures are silent. The caller stores the window's current
// rectangle in state->windowRect first.
void SaveSettings(GameState* state);
// The text SaveSettings writes.
std::string BuildSettingsText(const GameState* state);

// The saved rectangle when it lies wholly on the screen, else the work area.
Rect ChooseWindowRect(Rect saved, Rect screen, Rect workArea);
