#include "display/skins.h"

#include <QtGlobal>
#include <cstring>

#include "display/board_painter.h"
#include "display/drawing_resources.h"
#include "display/mask_images.h"

// The pictures are compiled into the same static library; a static library
// drops their registration unless someone asks for it.
static void RegisterImages() {
    static const bool once = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)once;
}

namespace {

struct ImageEntry {
    int id;
    const char* name;
};

constexpr ImageEntry kSkins[kSkinCount] = {
    {134, "1. Plastic"},        {135, "2. Wood ashen"},     {147, "3. Wood ash"},
    {149, "4. Stone benedeti"}, {154, "5. Stone travertn"}, {155, "6. Tiles"},
    {156, "6. Light"},
};

constexpr ImageEntry kPatterns[kPatternCount] = {
    {137, "1. Snow"},   {142, "2. Checkers"}, {146, "3. Light wood"}, {148, "4. Wall paper"},
    {157, "5. Marble"}, {158, "6. Wood"},     {159, "7. Flowers"},
};

bool InRange(int index) {
    return index >= 0 && index < 7;
}

bool IsSkinId(int id) {
    for (const ImageEntry& e : kSkins)
        if (e.id == id) return true;
    return false;
}

bool IsPatternId(int id) {
    for (const ImageEntry& e : kPatterns)
        if (e.id == id) return true;
    return false;
}

}  // namespace

int SkinBitmapId(int index) {
    return InRange(index) ? kSkins[index].id : 0;
}
int BackgroundBitmapId(int index) {
    return InRange(index) ? kPatterns[index].id : 0;
}
const char* SkinName(int index) {
    return InRange(index) ? kSkins[index].name : "";
}
const char* PatternName(int index) {
    return InRange(index) ? kPatterns[index].name : "";
}

QString ImageResourcePath(int bitmapId) {
    if (IsSkinId(bitmapId)) return QStringLiteral(":/images/skin_%1.png").arg(bitmapId);
    if (IsPatternId(bitmapId)) return QStringLiteral(":/images/pattern_%1.png").arg(bitmapId);
    return QString();
}

QImage LoadBitmapResource(int bitmapId) {
    const QString path = ImageResourcePath(bitmapId);
    if (path.isEmpty()) return QImage();
    RegisterImages();
    QImage image(path);
    if (image.isNull()) return image;
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage ScaleSkinCanvas(const QImage& skin, int scale) {
    if (skin.isNull() || scale <= 0) return QImage();
    // Only the top-left 124 x 92 cells of 8 pixels are used, so the canvas
    // is a whole number of cells at every scale.
    QImage canvas =
        skin.copy(0, 0, kCanvasColumns * 8, kCanvasRows * 8).convertToFormat(QImage::Format_RGB32);
    if (scale == 8) return canvas;
    return canvas.scaled(kCanvasColumns * scale, kCanvasRows * scale, Qt::IgnoreAspectRatio,
                         Qt::SmoothTransformation);
}

QBrush MakeBackgroundBrush(const ViewOptions& look) {
    if (look.backType != 0) {
        const QImage pattern = LoadBitmapResource(BackgroundBitmapId(look.backIndex));
        if (!pattern.isNull()) return QBrush(pattern);
    }
    return QBrush(ColorFromRef(look.colorBack));
}

void RebuildScaledTexture(GameState* s) {
    DrawingResources* d = s->drawing;
    if (!d || s->view.skinType == 0) return;
    const int scale = s->view.scale;
    const QImage scaled = ScaleSkinCanvas(d->skin, scale);
    if (scaled.isNull()) {
        d->texture = QImage();
    } else {
        // The texture keeps room for scale 8, so a change of scale only
        // rewrites its top-left corner.
        const QSize full(kCanvasColumns * 8, kCanvasRows * 8);
        if (d->texture.size() != full || d->texture.format() != QImage::Format_RGB32)
            d->texture = QImage(full, QImage::Format_RGB32);
        const qsizetype bytes = qsizetype(scaled.width()) * 4;
        for (int y = 0; y < scaled.height(); ++y)
            std::memcpy(d->texture.scanLine(y), scaled.constScanLine(y), bytes);
    }
    for (int k = 0; k < kTableSize; ++k) {
        if (d->maskBitmaps[k].isNull()) continue;
        DrawMaskImage(&d->maskBitmaps[k], s->pieceMasks[k], s->pieceSizes[k], scale);
    }
}

void PrepareSkinAndBackground(GameState* s) {
    DrawingResources* d = s->drawing;
    if (!d) return;
    if (s->view.skinType != 0) {
        d->skin = LoadBitmapResource(SkinBitmapId(s->view.skinIndex));
        d->menuTexture = ScaleSkinCanvas(d->skin, kMenuScale);
        RebuildScaledTexture(s);
    }
    d->backgroundBrush = MakeBackgroundBrush(s->view);
}
