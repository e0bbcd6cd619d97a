// Piece mask images and the masked copy that cuts a textured piece out of
// the skin texture.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include "model/game_state.h"

// A blank (all black) Format_Grayscale8 mask of size x size pixels.
QImage BlankMaskImage(int size);

// Clears a mask image to black and draws the piece mask on it in white at
// scale pixels per cell, over size.width columns and size.height rows.
void DrawMaskImage(QImage* image, const PieceMask& mask, CellSize size, int scale);

// Copies the pixels of source's rectangle from to dest at at, only where
// the mask (Format_Grayscale8, its (0, 0) at the rectangle's corner) is set.
// dest and source are 32-bit images; everything is clipped to the images.
void CopyThroughMask(QImage* dest, QPoint at, const QImage& source, QRect from, const QImage& mask);
