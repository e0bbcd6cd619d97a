// Creation and release of the drawing resources, skins, patterns and the
// behaviour when a picture is missing.
#include "display_fixture.h"

namespace {

int WhitePixels(const QImage& mask) {
    int n = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) n += qGray(mask.pixel(x, y)) == 255;
    return n;
}

TEST_F(DisplayTest, SmallMasksShowThePieceInWhiteAtScaleTwo) {
    const DrawingResources* d = s->drawing;
    for (int k = 0; k < kTableSize; ++k) {
        const QImage& mask = d->smallMaskBitmaps[k];
        ASSERT_EQ(mask.size(), QSize(80, 80));
        // Every full cell gives 4 pixels, every half cell 3 (its diagonal
        // belongs to the half); nothing else is white.
        int full = 0, half = 0;
        for (int r = 0; r < kMaskSize; ++r)
            for (int c = 0; c < kMaskSize; ++c) {
                const std::uint8_t* q = s->pieceMasks[k][r][c];
                const int n = q[0] + q[1] + q[2] + q[3];
                full += n == 4;
                half += n == 2;
            }
        EXPECT_EQ(WhitePixels(mask), 4 * full + 3 * half) << k;
        EXPECT_EQ(WhitePixels(mask) == 0, k >= TableIndex(6, 2) && k < TableIndex(7, 0)) << k;
    }
    // Small triangle 0: row r has r full cells and a lower-left half.
    const QImage& small = d->smallMaskBitmaps[TableIndex(1, 0)];
    EXPECT_EQ(qGray(small.pixel(0, 0)), 255);
    EXPECT_EQ(qGray(small.pixel(1, 0)), 0);
    EXPECT_EQ(qGray(small.pixel(1, 1)), 255);
    EXPECT_EQ(qGray(small.pixel(27, 27)), 255);
    EXPECT_EQ(qGray(small.pixel(28, 27)), 0);
}

TEST_F(DisplayTest, ReleaseLeavesNoResources) {
    ReleaseDrawingResources(s.get());
    EXPECT_EQ(s->drawing, nullptr);
    ReleaseDrawingResources(s.get());  // twice is harmless
    CreateDrawingResources(s.get());
    EXPECT_NE(s->drawing, nullptr);
}

TEST_F(DisplayTest, TextureKeepsRoomForScaleEight) {
    UseGradientSkin();
    s->view.scale = 4;
    RebuildScaledTexture(s.get());
    const QImage scaled = ScaleSkinCanvas(s->drawing->skin, 4);
    ASSERT_EQ(scaled.size(), QSize(496, 368));
    EXPECT_EQ(s->drawing->texture.size(), QSize(992, 736));
    EXPECT_EQ(s->drawing->texture.copy(0, 0, 496, 368), scaled);
    EXPECT_EQ(s->drawing->menuTexture.size(), QSize(248, 184));
    EXPECT_EQ(ScaleSkinCanvas(s->drawing->skin, 8), s->drawing->skin.copy(0, 0, 992, 736));
}

TEST_F(DisplayTest, SolidLookLeavesTheTexturesAlone) {
    UseGradientSkin();
    const QImage before = s->drawing->texture;
    s->view.skinType = 0;
    s->view.scale = 5;
    PrepareSkinAndBackground(s.get());
    EXPECT_EQ(s->drawing->texture, before);
    EXPECT_EQ(s->drawing->backgroundBrush.color(), ColorFromRef(kWhite));
}

TEST_F(DisplayTest, MissingPicturesFallBackToSolidColours) {
    s->view.skinType = 1;
    s->view.skinIndex = 9;  // no such skin
    s->view.backType = 1;
    s->view.backIndex = -1;
    s->view.colorBack = 0x203040;
    PrepareSkinAndBackground(s.get());
    EXPECT_TRUE(s->drawing->skin.isNull());
    EXPECT_TRUE(s->drawing->texture.isNull());
    s->fieldSlots[0] = {0, 0, 6, 0};
    const QImage board = Paint();
    EXPECT_EQ(RefAt(board, 5, 5), 0x203040u);
    EXPECT_EQ(RefAt(board, 408 + 50, 40 + 50), kFigure);
}

TEST(SkinTables, IdsNamesAndPaths) {
    const int skins[] = {134, 135, 147, 149, 154, 155, 156};
    const int patterns[] = {137, 142, 146, 148, 157, 158, 159};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(SkinBitmapId(i), skins[i]);
        EXPECT_EQ(BackgroundBitmapId(i), patterns[i]);
    }
    EXPECT_EQ(SkinBitmapId(7), 0);
    EXPECT_EQ(BackgroundBitmapId(-1), 0);
    EXPECT_STREQ(SkinName(5), "6. Tiles");
    EXPECT_STREQ(SkinName(6), "6. Light");
    EXPECT_STREQ(SkinName(3), "4. Stone benedeti");
    EXPECT_STREQ(PatternName(1), "2. Checkers");
    EXPECT_STREQ(PatternName(7), "");
    EXPECT_EQ(ImageResourcePath(135), QString(":/images/skin_135.png"));
    EXPECT_EQ(ImageResourcePath(142), QString(":/images/pattern_142.png"));
    EXPECT_TRUE(ImageResourcePath(0).isEmpty());
}

TEST(SkinImages, EveryPictureLoadsWithItsSize) {
    const QSize patternSizes[] = {{125, 171}, {16, 16},   {256, 256}, {181, 93},
                                  {150, 170}, {256, 256}, {180, 180}};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(LoadBitmapResource(SkinBitmapId(i)).size(), QSize(1024, 768)) << i;
        EXPECT_EQ(LoadBitmapResource(BackgroundBitmapId(i)).size(), patternSizes[i]) << i;
    }
}

}  // namespace
