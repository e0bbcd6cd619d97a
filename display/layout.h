// The board's scale and its place in the client area, zoom, and the back
// buffer size.
#pragma once

#include <QSize>

#include "model/game_state.h"

// Client pixels the board needs at a scale: W(s) x H(s).
QSize BoardExtent(const GameState* state, int scale);

// With autoSize on picks the largest scale 8..5 that fits (else 4) and
// rebuilds the scaled texture when the scale changes; then centres the
// board in the client area.
void LayoutBoard(GameState* state, int clientWidth, int clientHeight);

// The sound of a zoom at a limit; the system beep unless replaced.
using BeepFunction = void (*)();
// Replaces it (null restores the system beep) and returns the previous one.
BeepFunction SetZoomBeep(BeepFunction beep);

// Changes the scale by step (+1 zoom in, -1 zoom out) within 4..8; beeps
// and does nothing else at a limit.
void ZoomBy(GameState* state, int step);

// The smallest client area that holds the board: at scale 4 when autoSize
// is on, else at the current scale.
QSize BoardMinClientSize(const GameState* state);

// (Re)creates the back buffer at the screen size.
void CreateBackBuffer(GameState* state, QSize screen);
