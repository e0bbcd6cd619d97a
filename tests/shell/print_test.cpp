// The printed puzzle sheet: the picture, its mirror, the silhouette below,
// and the fit to the page, checked on a PDF rendered back to pixels.
#include <gtest/gtest.h>

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <cstdlib>
#include <memory>

#include "display/drawing_resources.h"
#include "display/print_board.h"
#include "model/board.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace {

class PrintTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        state = MakeGameState(&host);
        state->view = {0xFFFFFF, 0x969696, 4, 0, 0xFF8000, 0x804000, 1, 0, 1, 0, 0, 1};
        CreateDrawingResources(state.get());
        MakeDefaultSquare(&square);
        ApplyPuzzle(state.get(), square);
    }
    void TearDown() override {
        ReleaseDrawingResources(state.get());
        TempDirTest::TearDown();
    }
    bool IsInk(QRgb c) { return qRed(c) < 140 && qGreen(c) < 140 && qBlue(c) < 140; }

    RecordingHost host;
    std::unique_ptr<GameState> state;
    PuzzleRecord square;
};

TEST_F(PrintTest, PictureHoldsSquareMirrorAndSilhouette) {
    const int s = 4;
    const QImage picture = BuildPrintPicture(state.get(), s);
    ASSERT_EQ(picture.size(), QSize(160 * s, 201 * s));
    EXPECT_EQ(PrintedSize(state.get(), s), QSize(81 * s, 81 * s));
    for (int y = 0; y < 40 * s; y += 3)
        for (int x = 0; x < 40 * s; x += 3)
            ASSERT_EQ(picture.pixel(x, y), picture.pixel(81 * s - 1 - x, y)) << x << "," << y;
    // The band between square and mirror stays white, the silhouette is ink.
    EXPECT_EQ(picture.pixel(40 * s + 2, 20 * s), qRgb(255, 255, 255));
    EXPECT_TRUE(IsInk(picture.pixel(20 * s, 61 * s)));
    EXPECT_EQ(picture.pixel(60 * s, 61 * s), qRgb(255, 255, 255));
    // Solid pieces are printed in the solid colours.
    EXPECT_EQ(picture.pixel(5 * s, 30 * s), qRgb(0, 128, 255));
}

TEST_F(PrintTest, WideSilhouetteWidensThePicture) {
    PuzzleRecord wide{};
    wide.width = 120;
    wide.height = 20;
    for (int c = 0; c < 120; ++c) wide.cells[0][c][0] = 1;
    ApplyPuzzle(state.get(), wide);
    EXPECT_EQ(PrintedSize(state.get(), 5), QSize(600, 305));
}

TEST(PrintDestination, FillsTheWidthOrTheHeight) {
    EXPECT_EQ(PrintDestination({100, 50}, {1000, 2000}), QRect(0, 0, 1000, 500));
    EXPECT_EQ(PrintDestination({100, 50}, {1000, 100}), QRect(0, 0, 200, 100));
    EXPECT_EQ(PrintDestination({100, 50}, {200, 100}), QRect(0, 0, 200, 100));
    EXPECT_EQ(PrintDestination({81, 121}, {1000, 1000}), QRect(0, 0, 669, 1000));
}

TEST_F(PrintTest, PdfPageShowsTheSheetAtTheTopLeft) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName("sheet.pdf");
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    ASSERT_TRUE(PrintBoardOn(state.get(), printer));
    ASSERT_EQ(std::system("pdftoppm -r 30 -png -singlefile sheet.pdf page"), 0);
    const QImage page("page.png");
    ASSERT_FALSE(page.isNull());
    // Find the printed picture's extent: A4 is taller than the square
    // picture, so it spans the printable width and is as high as wide.
    int left = page.width(), right = -1, top = page.height(), bottom = -1;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixel(x, y) != qRgb(255, 255, 255)) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    ASSERT_GT(right, left);
    const int width = right - left + 1, height = bottom - top + 1;
    EXPECT_GT(width, page.width() * 8 / 10);
    EXPECT_NEAR(height, width, width / 15);
    // The lower half (rows 41 to 80 of 81) holds the silhouette in ink.
    const int sy = top + height * 60 / 81, sx = left + width * 20 / 81;
    EXPECT_TRUE(IsInk(page.pixel(sx, sy)));
}

}  // namespace
