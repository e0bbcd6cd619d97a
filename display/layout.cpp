#include "display/layout.h"

#include <QApplication>
#include <algorithm>

#include "display/drawing_resources.h"
#include "display/skins.h"
#include "model/game_host.h"

namespace {

constexpr int kMinScale = 4;
constexpr int kMaxScale = 8;

void SystemBeep() {
    QApplication::beep();
}
BeepFunction g_beep = SystemBeep;

}  // namespace

BeepFunction SetZoomBeep(BeepFunction beep) {
    BeepFunction old = g_beep;
    g_beep = beep ? beep : SystemBeep;
    return old;
}

QSize BoardExtent(const GameState* s, int scale) {
    // The store (42 cells) and the field (DX + 2 cells) side by side with
    // 32 pixels before, between and after them; the taller of the two with
    // 32 pixels above and below.
    const int width = (s->silhouetteWidth + 44) * scale + 96;
    const int height = (std::max(s->silhouetteHeight, 40) + 2) * scale + 64;
    return QSize(width, height);
}

void LayoutBoard(GameState* s, int clientWidth, int clientHeight) {
    if (s->view.autoSize != 0) {
        int scale = kMinScale;
        for (int candidate = kMaxScale; candidate > kMinScale; --candidate) {
            const QSize need = BoardExtent(s, candidate);
            if (need.width() <= clientWidth && need.height() <= clientHeight) {
                scale = candidate;
                break;
            }
        }
        if (scale != s->view.scale) {
            s->view.scale = scale;
            RebuildScaledTexture(s);
        }
    }
    const QSize need = BoardExtent(s, s->view.scale);
    s->originX = clientWidth >= need.width() ? (clientWidth - need.width()) / 2 : 0;
    s->originY = clientHeight >= need.height() ? (clientHeight - need.height()) / 2 : 0;
}

void ZoomBy(GameState* s, int step) {
    const int scale = std::clamp(s->view.scale + step, kMinScale, kMaxScale);
    if (scale == s->view.scale) {
        g_beep();
        return;
    }
    s->view.scale = scale;
    PrepareSkinAndBackground(s);
    if (s->mainWindow) {
        s->mainWindow->LayoutBoard();
        s->mainWindow->Invalidate(false);
    }
}

QSize BoardMinClientSize(const GameState* s) {
    return BoardExtent(s, s->view.autoSize != 0 ? kMinScale : s->view.scale);
}

void CreateBackBuffer(GameState* s, QSize screen) {
    s->bufferWidth = screen.width();
    s->bufferHeight = screen.height();
    DrawingResources* d = s->drawing;
    if (!d) return;
    if (d->backBuffer.size() != screen) d->backBuffer = QImage(screen, QImage::Format_RGB32);
}
