// Start-up measurement: with POLYSHARD_EXIT_AFTER_FIRST_PAINT=1 the program
// prints how long it took from process start to the first painted board
// and quits.
#pragma once

class QWidget;

// Notes the time at entry to main; call first thing.
void StartStartupClock();
// When the variable is set, watches the board's first paint, then prints
// "first paint: <ms since process start> ms (<ms since main> ms since main)"
// on standard output and quits the application.
void ExitAfterFirstPaintIfAsked(QWidget* board);
