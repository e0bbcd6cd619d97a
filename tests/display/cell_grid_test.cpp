// FillCellGrid: runs of full cells and the four half-cell triangles, and the
// mask images drawn from the same rules.
#include <cstring>

#include "display/mask_images.h"
#include "display_fixture.h"

namespace {

using Cells = std::uint8_t[4][4];  // up to four cells of one row

QImage Fill(const std::uint8_t* grid, int stride, int columns, int rows, int scale,
            QSize size = QSize(64, 24)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    FillCellGrid(p, Qt::black, grid, stride, 2, 3, columns, rows, scale);
    return image;
}

bool Black(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(0, 0, 0);
}

// The pixels (i, j) of one 8 x 8 cell at (2, 3) that a covered pair fills.
void ExpectHalf(std::uint8_t a, std::uint8_t b, bool (*inside)(int i, int j)) {
    std::uint8_t cell[4] = {0, 0, 0, 0};
    cell[a] = cell[b] = 1;
    const QImage image = Fill(cell, 1, 1, 1, 8);
    for (int j = -1; j <= 8; ++j)
        for (int i = -1; i <= 8; ++i) {
            const bool in = i >= 0 && j >= 0 && i < 8 && j < 8 && inside(i, j);
            ASSERT_EQ(Black(image, 2 + i, 3 + j), in) << int(a) << int(b) << " " << i << "," << j;
        }
}

TEST(FillCellGrid, HalfCellsFillTheirTriangleWithTheDiagonal) {
    ExpectHalf(kTop, kRight, [](int i, int j) { return i >= j; });
    ExpectHalf(kRight, kBottom, [](int i, int j) { return i + j >= 7; });
    ExpectHalf(kBottom, kLeft, [](int i, int j) { return i <= j; });
    ExpectHalf(kLeft, kTop, [](int i, int j) { return i + j <= 7; });
}

TEST(FillCellGrid, OneQuarterOrOppositeQuartersDrawNothing) {
    for (int q = 0; q < 4; ++q) {
        std::uint8_t cell[4] = {0, 0, 0, 0};
        cell[q] = 1;
        const QImage image = Fill(cell, 1, 1, 1, 8);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) ASSERT_FALSE(Black(image, x, y));
    }
    std::uint8_t opposite[4] = {1, 0, 1, 0};
    const QImage image = Fill(opposite, 1, 1, 1, 8);
    EXPECT_FALSE(Black(image, 6, 7));
}

TEST(FillCellGrid, ThreeQuartersTakeTheFirstMatchingPair) {
    std::uint8_t cell[4] = {1, 1, 1, 0};  // top+right wins over right+bottom
    const QImage image = Fill(cell, 1, 1, 1, 8);
    EXPECT_TRUE(Black(image, 2 + 7, 3 + 0));
    EXPECT_FALSE(Black(image, 2 + 0, 3 + 7));
    EXPECT_FALSE(Black(image, 2 + 1, 3 + 7));
}

TEST(FillCellGrid, FullCellsFillTheirBlocksExactlyAcrossRuns) {
    // Row: full, full, empty, full; a second row all full; stride 5 cells.
    std::uint8_t grid[2][5][4] = {};
    for (int c : {0, 1, 3}) std::memset(grid[0][c], 1, 4);
    for (int c = 0; c < 4; ++c) std::memset(grid[1][c], 1, 4);
    std::memset(grid[0][4], 1, 4);  // beyond the column count: ignored
    const QImage image = Fill(&grid[0][0][0], 5, 4, 2, 4, QSize(40, 20));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            const int c = (x - 2) >= 0 ? (x - 2) / 4 : -1, r = (y - 3) >= 0 ? (y - 3) / 4 : -1;
            const bool in = x >= 2 && y >= 3 && c < 4 && r < 2 && (r == 1 || c != 2);
            ASSERT_EQ(Black(image, x, y), in) << x << "," << y;
        }
}

// The mask images, written byte by byte, match FillCellGrid's pixels.
TEST_F(DisplayTest, MaskImagesMatchFillCellGrid) {
    for (int scale : {8, 4, 2}) {
        for (int k = 0; k < kTableSize; ++k) {
            QImage painted(kMaskBitmapSize, kMaskBitmapSize, QImage::Format_RGB32);
            painted.fill(Qt::black);
            {
                QPainter p(&painted);
                FillCellGrid(p, Qt::white, &s->pieceMasks[k][0][0][0], kMaskSize, 0, 0,
                             s->pieceSizes[k].width, s->pieceSizes[k].height, scale);
            }
            QImage mask = BlankMaskImage(kMaskBitmapSize);
            DrawMaskImage(&mask, s->pieceMasks[k], s->pieceSizes[k], scale);
            ASSERT_EQ(mask.convertToFormat(QImage::Format_RGB32), painted)
                << "scale " << scale << " mask " << k;
        }
    }
}

}  // namespace
