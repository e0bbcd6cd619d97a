// The skins from which textured pieces are cut.
#pragma once

#include <QImage>

struct SkinInfo {
    int bitmapId;
    const char* name;
};

constexpr int kSkinCount = 7;
extern const SkinInfo kSkins[kSkinCount];

// The 1024 x 768 skin picture of a bitmap id of kSkins; a null image otherwise.
QImage MakeSkin(int bitmapId);
