// A game state with its drawing resources, in a fixed look that tests can
// change field by field, and helpers to read pixels as COLORREF values.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <memory>

#include "display/board_painter.h"
#include "display/drawing_resources.h"
#include "display/layout.h"
#include "display/skins.h"
#include "model/board.h"
#include "support/recording_host.h"

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kInk = 0x969696;
constexpr std::uint32_t kFigure = 0xFF8000;
constexpr std::uint32_t kBorder = 0x804000;

inline std::uint32_t RefAt(const QImage& image, int x, int y) {
    return RefFromColor(image.pixelColor(x, y));
}

// A skin whose every pixel is different enough to tell where a piece's
// picture came from: red = x, green = y, blue = x ^ y (low bytes).
inline QImage GradientSkin() {
    QImage skin(1024, 768, QImage::Format_RGB32);
    for (int y = 0; y < skin.height(); ++y)
        for (int x = 0; x < skin.width(); ++x)
            skin.setPixel(x, y, qRgb(x & 0xff, y & 0xff, (x ^ y) & 0xff));
    return skin;
}

class DisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        s->view = {int(kWhite), int(kInk), 8, 0, int(kFigure), int(kBorder), 1, 0, 1, 0, 0, 1};
        CreateDrawingResources(s.get());
        CreateBackBuffer(s.get(), QSize(1024, 768));
        MakeDefaultSquare(square.get());
        ApplyPuzzle(s.get(), *square);
        LayoutBoard(s.get(), 768, 400);  // scale 8, origin (0, 0)
    }
    void TearDown() override { ReleaseDrawingResources(s.get()); }

    // Switches to textured pieces cut from the gradient skin.
    void UseGradientSkin() {
        s->view.skinType = 1;
        s->drawing->skin = GradientSkin();
        s->drawing->menuTexture = ScaleSkinCanvas(s->drawing->skin, 2);
        RebuildScaledTexture(s.get());
    }

    // Paints the board into a client-sized image with the pointer at p.
    QImage Paint(QPoint pointer = QPoint(), QSize client = QSize(1024, 768)) {
        QImage window(client, QImage::Format_RGB32);
        window.fill(Qt::magenta);
        QPainter p(&window);
        PaintBoard(s.get(), p, pointer, client);
        return window;
    }

    // Takes a piece out of the store and carries it with no grab offset.
    void Carry(int piece, int orientation) {
        for (PieceSlot& slot : s->storeSlots)
            if (slot.piece == piece) slot.piece = 0;
        s->carriedPiece = piece;
        s->carriedOrientation = orientation;
        s->grabOffsetX = s->grabOffsetY = 0;
    }

    RecordingHost host;
    std::unique_ptr<GameState> s = MakeGameState(&host);
    std::unique_ptr<PuzzleRecord> square = std::make_unique<PuzzleRecord>();
};
