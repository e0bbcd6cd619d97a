#include "display/drawing_resources.h"

#include <QGuiApplication>
#include <QScreen>

#include "display/layout.h"
#include "display/mask_images.h"
#include "display/skins.h"
#include "model/pieces.h"

namespace {

QSize PrimaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1920, 1080);
}

}  // namespace

void CreateDrawingResources(GameState* s) {
    ReleaseDrawingResources(s);
    auto* d = new DrawingResources;
    s->drawing = d;
    d->texture = QImage(kCanvasColumns * 8, kCanvasRows * 8, QImage::Format_RGB32);
    d->menuTexture =
        QImage(kCanvasColumns * kMenuScale, kCanvasRows * kMenuScale, QImage::Format_RGB32);
    CreateBackBuffer(s, PrimaryScreenSize());
    BuildPieceSet(s);
    for (int k = 0; k < kTableSize; ++k) {
        d->maskBitmaps[k] = BlankMaskImage(kMaskBitmapSize);
        d->smallMaskBitmaps[k] = BlankMaskImage(kSmallMaskBitmapSize);
    }
    // After the piece tables: it draws the masks from them.
    PrepareSkinAndBackground(s);
    // The scale-2 masks serve the popup pictures and never change.
    for (int k = 0; k < kTableSize; ++k)
        DrawMaskImage(&d->smallMaskBitmaps[k], s->pieceMasks[k], s->pieceSizes[k], kMenuScale);
}

void ReleaseDrawingResources(GameState* s) {
    delete s->drawing;
    s->drawing = nullptr;
}
