// The About box: the picture, "Polyshard version 1.3" and two further lines.
#pragma once

class QWidget;
struct GameState;

// The first text line: title + " version " + the version.
const char* AboutVersionLine(const GameState* state, char* buf, int size);

int AboutDialog(QWidget* parent, const GameState* state);
