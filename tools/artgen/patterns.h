// The background patterns, tiled over the window.
#pragma once

#include <QImage>

struct PatternInfo {
    int bitmapId;
    const char* name;
    int width, height;
};

constexpr int kPatternCount = 7;
extern const PatternInfo kPatterns[kPatternCount];

// The seamless pattern picture of a bitmap id of kPatterns, in the size the
// table gives; a null image for any other id.
QImage MakePattern(int bitmapId);
