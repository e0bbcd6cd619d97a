// One paint of a full-screen board and one rebuild of the scaled skin
// texture, the two drawing jobs that have timing goals (3 ms and 30 ms).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <memory>

#include "display/board_painter.h"
#include "display/drawing_resources.h"
#include "display/layout.h"
#include "display/skins.h"
#include "model/board.h"
#include "model/pieces.h"

namespace {

// A board in the textured look on a wood pattern: the default square with
// six pieces on the field and the seventh carried with its shadow.
std::unique_ptr<GameState> MakeBusyBoard() {
    auto s = std::make_unique<GameState>();
    s->view = {0xFFFFFF, 0x969696, 8, 1, 0xFF8000, 0x804000, 1, 1, 1, 0, 1, 2};
    CreateDrawingResources(s.get());
    CreateBackBuffer(s.get(), QSize(1920, 1080));
    if (s->drawing->skin.isNull()) {
        // Without the picture files: a busy synthetic skin of the same size.
        QImage skin(1024, 768, QImage::Format_RGB32);
        for (int y = 0; y < 768; ++y)
            for (int x = 0; x < 1024; ++x) skin.setPixel(x, y, qRgb(x * 7, y * 5, (x ^ y) * 3));
        s->drawing->skin = skin;
        s->drawing->menuTexture = ScaleSkinCanvas(skin, 2);
        RebuildScaledTexture(s.get());
    }
    auto square = std::make_unique<PuzzleRecord>();
    MakeDefaultSquare(square.get());
    ApplyPuzzle(s.get(), *square);
    LayoutBoard(s.get(), 1920, 1080);
    for (int i = 0; i < 6; ++i) {
        s->fieldSlots[i] = s->storeSlots[i];
        s->storeSlots[i].piece = 0;
    }
    s->carriedPiece = s->storeSlots[6].piece;
    s->carriedOrientation = s->storeSlots[6].orientation;
    s->storeSlots[6].piece = 0;
    return s;
}

void BM_PaintBoard(benchmark::State& state) {
    auto s = MakeBusyBoard();
    QImage window(1920, 1080, QImage::Format_RGB32);
    const Rect field = FieldRect(s.get());
    const QPoint pointer(field.left + 200, field.top + 150);
    for (auto _ : state) {
        QPainter p(&window);
        PaintBoard(s.get(), p, pointer, window.size());
        benchmark::DoNotOptimize(window.constBits());
    }
    ReleaseDrawingResources(s.get());
}
BENCHMARK(BM_PaintBoard)->Unit(benchmark::kMillisecond);

void BM_RebuildScaledTexture(benchmark::State& state) {
    auto s = MakeBusyBoard();
    s->view.scale = static_cast<int>(state.range(0));
    for (auto _ : state) {
        RebuildScaledTexture(s.get());
        benchmark::DoNotOptimize(s->drawing->texture.constBits());
    }
    ReleaseDrawingResources(s.get());
}
BENCHMARK(BM_RebuildScaledTexture)->DenseRange(4, 8)->Unit(benchmark::kMillisecond);

}  // namespace
