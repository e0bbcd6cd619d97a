// Skins, background patterns and the resources that follow from the view
// settings.
#pragma once

#include <QBrush>
#include <QImage>
#include <QString>

#include "model/game_state.h"

constexpr int kSkinCount = 7;
constexpr int kPatternCount = 7;

// Loads the chosen skin and rebuilds textures and masks (textured pieces
// only), then rebuilds the background brush.
void PrepareSkinAndBackground(GameState* state);
// Rescales the skin into the texture and redraws the mask bitmaps at the
// current scale (textured pieces only).
void RebuildScaledTexture(GameState* state);

// Resource ids of skin and pattern index 0..6; 0 for any other index.
int SkinBitmapId(int index);
int BackgroundBitmapId(int index);
// List entries of the options dialog ("1. Plastic", "2. Checkers" ...);
// empty for an index outside 0..6.
const char* SkinName(int index);
const char* PatternName(int index);
// ":/images/skin_134.png", ":/images/pattern_142.png"; empty for id 0.
QString ImageResourcePath(int bitmapId);

// A bitmap resource by id; a null image when it is missing.
QImage LoadBitmapResource(int bitmapId);
// The top-left 992 x 736 of a skin scaled to 124 x 92 cells at a scale
// (smooth scaling; 1:1 at scale 8). A null skin gives a null image.
QImage ScaleSkinCanvas(const QImage& skin, int scale);
// The background brush of a look: solid colorBack, or the pattern image
// (solid colorBack when the image is missing).
QBrush MakeBackgroundBrush(const ViewOptions& look);
