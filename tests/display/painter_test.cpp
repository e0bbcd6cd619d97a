// The board as painted: background, frames, silhouette, pieces, the carried
// piece with its shadow, and the orientation popup pictures.
#include "display_fixture.h"

namespace {

constexpr std::uint32_t kShadedWhite = 0xBEBEBE;  // 255 -> 190

TEST_F(DisplayTest, SquareCastsAnLShapedShadowTwoCellsDownAndRight) {
    Carry(6, 0);
    const QPoint at(100, 400);  // below the board, on plain white
    const QImage board = Paint(at);
    s->view.shadow = 0;
    const QImage noShadow = Paint(at);
    int shaded = 0;
    for (int y = at.y() - 8; y < at.y() + 140; ++y) {
        for (int x = at.x() - 8; x < at.x() + 140; ++x) {
            const int i = x - at.x(), j = y - at.y();
            const bool inPiece = i >= 0 && j >= 0 && i < 112 && j < 112;
            const bool inShadow = !inPiece && i >= 16 && j >= 16 && i < 128 && j < 128;
            if (inPiece) {
                ASSERT_EQ(board.pixel(x, y), noShadow.pixel(x, y)) << x << "," << y;
            } else {
                ASSERT_EQ(RefAt(board, x, y), inShadow ? kShadedWhite : kWhite) << x << "," << y;
                ASSERT_EQ(RefAt(noShadow, x, y), kWhite);
                shaded += inShadow;
            }
        }
    }
    EXPECT_EQ(shaded, 16 * 112 + 96 * 16);
}

TEST_F(DisplayTest, ShadowKeepsBlackBlackAndDarkensColoursByAQuarter) {
    Carry(6, 0);
    s->view.colorBack = kBlack;
    PrepareSkinAndBackground(s.get());
    QImage board = Paint(QPoint(100, 400));
    EXPECT_EQ(RefAt(board, 100 + 120, 400 + 120), kBlack);
    EXPECT_EQ(RefAt(board, 100 + 50, 400 + 120), kBlack);

    // Over the silhouette (ink 150 in every channel): 37 + 75 = 112.
    board = Paint(QPoint(408, 40));
    EXPECT_EQ(RefAt(board, 408 + 120, 40 + 60), 0x707070u);
    EXPECT_EQ(RefAt(board, 408 + 60, 40 + 120), 0x707070u);
    EXPECT_EQ(RefAt(board, 408 + 130, 40 + 60), kInk);
}

TEST_F(DisplayTest, CarriedPieceFollowsThePointerLessTheGrabOffset) {
    Carry(6, 0);
    s->view.shadow = 0;
    s->grabOffsetX = 48;
    s->grabOffsetY = 24;
    const QImage board = Paint(QPoint(148, 424));
    EXPECT_EQ(RefAt(board, 100, 450), kBorder);
    EXPECT_EQ(RefAt(board, 99, 450), kWhite);
    EXPECT_EQ(RefAt(board, 150, 400), kBorder);
    EXPECT_EQ(RefAt(board, 150, 399), kWhite);
    EXPECT_EQ(RefAt(board, 150, 450), kFigure);
}

TEST_F(DisplayTest, FramesAndSilhouetteAreInInk) {
    for (auto& slot : s->storeSlots) slot.piece = 0;
    const QImage board = Paint();
    // Store (32, 32)-(368, 368): the 2-pixel frame straddles its edges.
    for (int x : {31, 32, 367, 368}) EXPECT_EQ(RefAt(board, x, 200), kInk) << x;
    for (int x : {30, 33, 366, 369}) EXPECT_EQ(RefAt(board, x, 200), kWhite) << x;
    for (int y : {31, 32, 367, 368}) EXPECT_EQ(RefAt(board, 200, y), kInk) << y;
    // Field (400, 32)-(736, 368) with the 40 x 40 silhouette one cell in.
    for (int x : {399, 400, 735, 736}) EXPECT_EQ(RefAt(board, x, 200), kInk) << x;
    EXPECT_EQ(RefAt(board, 407, 200), kWhite);
    EXPECT_EQ(RefAt(board, 401 + 1, 200), kWhite);
    for (int x = 408; x < 728; ++x) ASSERT_EQ(RefAt(board, x, 200), kInk) << x;
    for (int y = 40; y < 360; ++y) ASSERT_EQ(RefAt(board, 500, y), kInk) << y;
    EXPECT_EQ(RefAt(board, 728, 200), kWhite);
    EXPECT_EQ(RefAt(board, 500, 360), kWhite);
    // Nothing is drawn outside the board.
    EXPECT_EQ(RefAt(board, 900, 600), kWhite);
}

TEST_F(DisplayTest, SolidPieceHasATwoPixelBorderInsideItsOutline) {
    s->fieldSlots[0] = {0, 0, 6, 0};  // the square on the silhouette
    const QImage board = Paint();
    const int x = 408, y = 40, side = 112;
    EXPECT_EQ(RefAt(board, x, y + 50), kBorder);
    EXPECT_EQ(RefAt(board, x + 1, y + 50), kBorder);
    EXPECT_EQ(RefAt(board, x + 2, y + 50), kFigure);
    EXPECT_EQ(RefAt(board, x + side - 1, y + 50), kBorder);
    EXPECT_EQ(RefAt(board, x + side - 2, y + 50), kBorder);
    EXPECT_EQ(RefAt(board, x + side - 3, y + 50), kFigure);
    EXPECT_EQ(RefAt(board, x + side, y + 50), kInk);  // silhouette again
    EXPECT_EQ(RefAt(board, x + 50, y), kBorder);
    EXPECT_EQ(RefAt(board, x + 50, y + 1), kBorder);
    EXPECT_EQ(RefAt(board, x + 50, y + 2), kFigure);
    EXPECT_EQ(RefAt(board, x + 50, y + side - 1), kBorder);
    EXPECT_EQ(RefAt(board, x + 50, y + side), kInk);
    EXPECT_EQ(RefAt(board, x + 56, y + 56), kFigure);
}

TEST_F(DisplayTest, SolidTriangleFollowsItsDiagonal) {
    s->fieldSlots[0] = {0, 0, 4, 0};  // (0,0) (0,28) (28,28): 224 pixels
    const QImage board = Paint();
    const int x = 408, y = 40;
    EXPECT_EQ(RefAt(board, x + 100, y + 200), kFigure);  // below the diagonal
    EXPECT_EQ(RefAt(board, x + 200, y + 100), kInk);     // above it
    EXPECT_EQ(RefAt(board, x + 100, y + 223), kBorder);
    EXPECT_EQ(RefAt(board, x + 100, y + 224), kInk);
}

TEST_F(DisplayTest, TexturedPieceShowsTheSkinThroughItsMask) {
    UseGradientSkin();
    for (auto& slot : s->storeSlots)
        if (slot.piece != 4) slot.piece = 0;
    // Piece 4 lies in orientation 5 at store cell (0, 0): 20 x 40 cells
    // with its picture at canvas cell (60, 28).
    for (int scale : {8, 5}) {
        s->view.scale = scale;
        RebuildScaledTexture(s.get());
        const QImage board = Paint();
        const Rect store = StoreRect(s.get());
        const QImage& mask = s->drawing->maskBitmaps[TableIndex(4, 5)];
        const QImage& texture = s->drawing->texture;
        int inside = 0;
        for (int j = 0; j < 40 * scale; ++j) {
            for (int i = 0; i < 20 * scale; ++i) {
                const QPoint p(store.left + scale + i, store.top + scale + j);
                if (qGray(mask.pixel(i, j)) != 0) {
                    ASSERT_EQ(board.pixel(p), texture.pixel(60 * scale + i, 28 * scale + j))
                        << scale << ": " << i << "," << j;
                    ++inside;
                } else {
                    ASSERT_EQ(RefAt(board, p.x(), p.y()), kWhite) << i << "," << j;
                }
            }
        }
        // About half of the box, the triangle's diagonal pixels included.
        EXPECT_GT(inside, 20 * 40 * scale * scale / 2);
        EXPECT_LT(inside, 20 * 40 * scale * scale / 2 + 40 * scale * 2);
    }
    // At scale 8 the texture is the skin itself, 1:1.
    s->view.scale = 8;
    RebuildScaledTexture(s.get());
    EXPECT_EQ(Paint().pixel(40, 40 + 100), s->drawing->skin.pixel(480, 224 + 100));
}

TEST_F(DisplayTest, TexturedPieceCarriedPastTheBufferCornerIsCutOff) {
    UseGradientSkin();
    Carry(4, 5);  // 20 x 40 cells, picture at canvas cell (60, 28)
    s->view.shadow = 0;
    const QPoint at(-60, -200);  // only its lower right part is on the buffer
    const QImage board = Paint(at);
    const QImage& mask = s->drawing->maskBitmaps[TableIndex(4, 5)];
    const QImage& texture = s->drawing->texture;
    int inside = 0;
    for (int y = 0; y < 40 * 8 + at.y(); ++y) {
        for (int x = 0; x < 20 * 8 + at.x(); ++x) {
            const int i = x - at.x(), j = y - at.y();
            if (qGray(mask.pixel(i, j)) == 0) continue;
            ASSERT_EQ(board.pixel(x, y), texture.pixel(480 + i, 224 + j)) << x << "," << y;
            ++inside;
        }
    }
    EXPECT_GT(inside, 0);
}

TEST_F(DisplayTest, FieldPiecesCoverTheSilhouetteInSlotOrder) {
    s->fieldSlots[0] = {0, 0, 6, 0};
    s->fieldSlots[1] = {0, 0, 4, 0};  // drawn later, over the square
    const QImage board = Paint();
    // The triangle's diagonal border runs across the square's fill.
    EXPECT_EQ(RefAt(board, 408 + 60, 40 + 62), kBorder);
    EXPECT_EQ(RefAt(board, 408 + 60, 40 + 57), kFigure);
    s->fieldSlots[1].piece = 0;
    EXPECT_EQ(RefAt(Paint(), 408 + 60, 40 + 62), kFigure);
}

TEST_F(DisplayTest, PaintCopiesOnlyTheClientArea) {
    const QImage board = Paint(QPoint(), QSize(300, 200));
    EXPECT_EQ(board.size(), QSize(300, 200));
    QImage wide(1200, 900, QImage::Format_RGB32);
    wide.fill(Qt::magenta);
    {
        QPainter p(&wide);
        PaintBoard(s.get(), p, QPoint(), QSize(500, 300));
    }
    const QImage full = Paint();
    EXPECT_EQ(wide.copy(0, 0, 500, 300), full.copy(0, 0, 500, 300));
    EXPECT_EQ(wide.pixelColor(500, 100), QColor(Qt::magenta));
    EXPECT_EQ(wide.pixelColor(100, 300), QColor(Qt::magenta));
}

TEST_F(DisplayTest, ClientBeyondTheBufferShowsBackgroundNotGarbage) {
    // The buffer is 1024 x 768; the client area is larger.
    const QImage board = Paint(QPoint(), QSize(1200, 900));
    EXPECT_EQ(board.copy(0, 0, 1024, 768), Paint().copy(0, 0, 1024, 768));
    for (QPoint p : {QPoint(1100, 100), QPoint(100, 800), QPoint(1199, 899)})
        EXPECT_EQ(RefAt(board, p.x(), p.y()), kWhite) << p.x() << "," << p.y();
}

TEST_F(DisplayTest, CheckersPatternRepeatsFromTheClientCorner) {
    s->view.backType = 1;
    s->view.backIndex = 1;
    PrepareSkinAndBackground(s.get());
    const QImage pattern = LoadBitmapResource(BackgroundBitmapId(1));
    ASSERT_EQ(pattern.size(), QSize(16, 16));
    for (auto [w, h] : {std::pair{768, 400}, std::pair{1000, 700}}) {
        LayoutBoard(s.get(), w, h);
        const QImage board = Paint();
        // The top-left corner and a stretch right of and below the board.
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x)
                ASSERT_EQ(board.pixel(x, y), pattern.pixel(x % 16, y % 16)) << x << "," << y;
        for (int y = 740; y < 768; ++y)
            for (int x = 950; x < 1024; ++x)
                ASSERT_EQ(board.pixel(x, y), pattern.pixel(x % 16, y % 16)) << x << "," << y;
    }
}

TEST_F(DisplayTest, OrientationPicturesAreCentredInTheirItems) {
    s->carriedPiece = 4;
    s->menuTargetPair = {&s->carriedPiece, &s->carriedOrientation};
    s->menuTarget = &s->menuTargetPair;
    QImage menu(200, 150, QImage::Format_RGB32);
    menu.fill(Qt::magenta);
    const QRect item(10, 20, 122, 82);
    {
        QPainter p(&menu);
        DrawOrientationItem(s.get(), p, item, 0, false);  // 28 x 28 cells
    }
    EXPECT_EQ(RefAt(menu, 10, 20), kWhite);
    EXPECT_EQ(RefAt(menu, 10 + 121, 20 + 81), kWhite);
    EXPECT_EQ(menu.pixelColor(10 + 122, 20), QColor(Qt::magenta));
    EXPECT_EQ(menu.pixelColor(10, 20 + 82), QColor(Qt::magenta));
    // Orientation 0 has its right angle at the bottom left of (33, 13)-(89, 69).
    EXPECT_EQ(RefAt(menu, 10 + 33, 20 + 40), kBorder);
    EXPECT_EQ(RefAt(menu, 10 + 32, 20 + 40), kWhite);
    EXPECT_EQ(RefAt(menu, 10 + 60, 20 + 13 + 55), kBorder);
    EXPECT_EQ(RefAt(menu, 10 + 60, 20 + 13 + 56), kWhite);
    EXPECT_EQ(RefAt(menu, 10 + 40, 20 + 60), kFigure);

    {
        QPainter p(&menu);
        DrawOrientationItem(s.get(), p, item, 3, true);  // 40 x 20 cells
    }
    const std::uint32_t highlight = 0xCCCCCC;
    EXPECT_EQ(RefAt(menu, 10, 20), highlight);
    // The apex at (21 + 40, 21), the long side along y = 21 + 40.
    EXPECT_EQ(RefAt(menu, 10 + 60, 20 + 20), highlight);
    EXPECT_EQ(RefAt(menu, 10 + 60, 20 + 22), kBorder);
    EXPECT_EQ(RefAt(menu, 10 + 60, 20 + 21 + 39), kBorder);
    EXPECT_EQ(RefAt(menu, 10 + 60, 20 + 21 + 40), highlight);
    EXPECT_EQ(RefAt(menu, 10 + 60, 20 + 40), kFigure);
}

TEST_F(DisplayTest, TexturedPopupPicturesUseTheScaleTwoTexture) {
    UseGradientSkin();
    s->carriedPiece = 6;
    s->menuTargetPair = {&s->carriedPiece, &s->carriedOrientation};
    s->menuTarget = &s->menuTargetPair;
    QImage menu(122, 82, QImage::Format_RGB32);
    {
        QPainter p(&menu);
        DrawOrientationItem(s.get(), p, menu.rect(), 0, false);  // 14 x 14 cells at (47, 27)
    }
    // Square 0 takes its picture at canvas cell (110, 14).
    for (int j = 0; j < 28; ++j)
        for (int i = 0; i < 28; ++i)
            ASSERT_EQ(menu.pixel(47 + i, 27 + j), s->drawing->menuTexture.pixel(220 + i, 28 + j));
    EXPECT_EQ(RefAt(menu, 46, 27), kWhite);
    EXPECT_EQ(RefAt(menu, 47 + 28, 27), kWhite);
}

TEST(HighlightColour, MatchesTheThreeDocumentedCases) {
    EXPECT_EQ(HighlightColour(0xFFFFFF, 0x969696), 0xCCCCCCu);  // 204
    EXPECT_EQ(HighlightColour(0x000000, 0x969696), 0x5A5A5Au);  // 90
    EXPECT_EQ(HighlightColour(0x808080, 0xC8C8C8), 0x606060u);  // 96
    // Mixed channels: two darker, one lighter gives t = 1; not all below 90.
    EXPECT_EQ(HighlightColour(0x0010FF, 0x8080F0), 0x000CC0u);
}

TEST(ColourRefs, RedIsTheLowByte) {
    EXPECT_EQ(ColorFromRef(0xFF8000), QColor(0, 128, 255));
    EXPECT_EQ(RefFromColor(QColor(0, 64, 128)), 0x804000u);
    EXPECT_EQ(RefFromColor(ColorFromRef(0x123456)), 0x123456u);
}

}  // namespace
