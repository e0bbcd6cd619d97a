// Painting the board and the drawing primitives that other windows reuse.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>

#include "model/game_state.h"

class QImage;
class QPainter;

// Paints the whole board into the back buffer, then copies the client area
// to the window. pointer is the pointer's client position at paint time; it
// places the carried piece.
void PaintBoard(GameState* state, QPainter& window, QPoint pointer, QSize client);

// Draws one piece with its mask cell (0, 0) at pixel (x, y) of the target.
// From look only skinType, colorFigure and colorBorder are used; tables
// gives the piece tables and (through tables.drawing) the mask bitmaps;
// texture is the skin canvas at this scale. Pieces outside 1..7 draw nothing.
void DrawPiece(const ViewOptions& look, const GameState& tables, int scale, int piece,
               int orientation, QPainter& target, const QImage& texture, int x, int y);

// Draws the non-empty slots in slot order at (col * scale + originX,
// row * scale).
void DrawPieceSet(const PieceSlot (&set)[kPieceCount], const ViewOptions& look,
                  const GameState& tables, int scale, QPainter& target, const QImage& texture,
                  int originX);

// Fills the full and half cells of a cell grid (4 bytes per cell, rowStride
// cells per row) in one colour, cell (c, r) at (x + c * scale, y + r * scale).
void FillCellGrid(QPainter& target, QColor colour, const std::uint8_t* grid, int rowStride, int x,
                  int y, int columns, int rows, int scale);

// Draws one item of the orientation popup: the carried piece in the given
// orientation at scale 2, centred in the item, on colorBack or on the
// highlight colour when selected.
void DrawOrientationItem(GameState* state, QPainter& p, const QRect& item, int orientation,
                         bool selected);

// Background of a selected popup item for a background and an ink colour.
std::uint32_t HighlightColour(std::uint32_t back, std::uint32_t ink);

// COLORREF (0x00BBGGRR) to and from QColor.
QColor ColorFromRef(std::uint32_t colorref);
std::uint32_t RefFromColor(QColor colour);
