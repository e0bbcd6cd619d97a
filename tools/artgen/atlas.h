// A skin is an atlas of piece pictures: every piece orientation shows the
// part of the skin canvas under its mask, placed at its texture origin, and
// these regions do not overlap. The atlas painter fills each region with the
// skin's material, turned with the piece, and bevels its rim so that every
// piece shows its edges wherever it lies.
#pragma once

#include <QImage>
#include <functional>

#include "shading.h"

// Where a pixel of a region lies on its piece: (u, v) in pixels from the
// piece's centre, turned back into the piece's orientation 0 (and mirrored
// back for the parallelogram's mirror images), so a material drawn in (u, v)
// turns with the piece. x, y are the canvas pixel.
struct PiecePixel {
    int piece;  // 1..7; the second piece of a pair never appears (same region)
    int orientation;
    float u, v;
    float x, y;
    float dx, dy;  // from the piece's centre, not turned: for light effects
};

struct AtlasLook {
    // The material of a piece at one of its pixels.
    std::function<Rgb(const PiecePixel&)> material;
    // The canvas outside every region, which no piece shows.
    Rgb plain;
    // Bevel: the light rim blends toward highlight, the dark rim darkens by
    // shadow (0..1); both fade out over width pixels (at 8 pixels per cell).
    Rgb highlight{255, 255, 255};
    float highlightAmount = 0.5f;
    float shadow = 0.45f;
    float width = 6.0f;
};

// The skin picture of width x height pixels: the canvas of the piece
// tables, 8 pixels per cell, painted as an atlas; the rest plain.
QImage PaintAtlas(const AtlasLook& look, int width, int height);
