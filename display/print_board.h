// The printed puzzle sheet: the seven pieces assembled into their square,
// its mirror image beside it and the empty silhouette below, stretched onto
// the page as large as fits without distortion.
#pragma once

#include <QImage>
#include <QRect>

#include "model/game_state.h"

class QPrinter;
class QWidget;

// The printed picture at a scale: 160 x 201 cells of which the top-left
// PrintedSize() are printed. Null when the image cannot be made.
QImage BuildPrintPicture(const GameState* state, int scale);
// Width and height in pixels of the printed part of the picture.
QSize PrintedSize(const GameState* state, int scale);
// Where a picture of size picture lands on a printable area of size page:
// at the top-left corner, filling the width or the height.
QRect PrintDestination(QSize picture, QSize page);

// Prints the sheet on a printer that is already set up. False when the
// picture could not be made ("Error bitmap creation." has been shown).
bool PrintBoardOn(GameState* state, QPrinter& printer);
// The Print command: the print dialog, then the sheet. The current
// directory is the same afterwards.
void PrintBoard(GameState* state, QWidget* parent);
