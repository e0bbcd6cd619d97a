// The long-lived drawing objects of the game window: back buffer, skin
// textures, piece mask bitmaps and the background brush. Created once when
// the main window is created and released when it is destroyed.
#pragma once

#include <QBrush>
#include <QImage>

#include "model/game_state.h"

constexpr int kCanvasColumns = 124;  // the skin canvas, in cells
constexpr int kCanvasRows = 92;
constexpr int kMaskBitmapSize = 320;      // 40 cells at scale 8
constexpr int kSmallMaskBitmapSize = 80;  // 40 cells at scale 2
constexpr int kMenuScale = 2;             // popup pictures and previews

struct DrawingResources {
    // The back buffer, the size of the primary screen; every paint fills it
    // completely and then copies the client area to the window.
    QImage backBuffer;
    // The loaded skin picture (1024 x 768; only 992 x 736 are used). Null
    // when no skin has been loaded or the picture is missing.
    QImage skin;
    // The skin canvas scaled to the board scale: 124 x scale by 92 x scale
    // pixels at (0, 0) of a 992 x 736 image.
    QImage texture;
    // The skin canvas at scale 2 (248 x 184), for the popup pictures.
    QImage menuTexture;
    // Piece masks at the board scale (320 x 320) and at scale 2 (80 x 80),
    // index TableIndex(piece, orientation). Format_Grayscale8: 255 where the
    // piece is, 0 elsewhere, mask cell (0, 0) at pixel (0, 0).
    QImage maskBitmaps[kTableSize];
    QImage smallMaskBitmaps[kTableSize];
    // Fills the back buffer: a solid colour or a pattern image tiled from
    // the client area's top-left corner.
    QBrush backgroundBrush;
};

// Builds the piece tables, the back buffer for the primary screen, the
// textures and masks and the background brush; sets state->drawing.
void CreateDrawingResources(GameState* state);
// Frees everything CreateDrawingResources made; state->drawing becomes null.
void ReleaseDrawingResources(GameState* state);
