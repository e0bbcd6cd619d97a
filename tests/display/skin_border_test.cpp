// Every skin must let the player tell the pieces apart: where two pieces of
// the store's home square touch, the picture steps in brightness.
//
// The square is drawn at scale 8 with the painter's own DrawPiece, from the
// loaded skin resource, and a second time with every piece in a flat colour
// of its own to know which piece each pixel belongs to. The figure is the
// mean luminance step between neighbouring pixels (across and down) that
// belong to different pieces. The test prints it for every skin.
#include <cmath>
#include <cstdio>

#include "display_fixture.h"

namespace {

constexpr int kSquarePixels = 40 * 8;
constexpr double kLeastStep = 40;

double Luminance(QRgb p) {
    return 0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p);
}

class SkinBorderTest : public DisplayTest {
protected:
    // The home square as the store shows it, from texture, at scale 8.
    QImage HomeSquare(const QImage& texture) {
        QImage square(kSquarePixels, kSquarePixels, QImage::Format_RGB32);
        square.fill(Qt::black);
        QPainter p(&square);
        DrawPieceSet(s->storeHome, s->view, *s, 8, p, texture, 0);
        return square;
    }

    // Which piece every pixel of the home square shows: each piece drawn
    // through its own mask from a texture of one flat colour, its number.
    QImage PieceMap() {
        QImage map(kSquarePixels, kSquarePixels, QImage::Format_RGB32);
        map.fill(Qt::black);
        QImage flat(s->drawing->texture.size(), QImage::Format_RGB32);
        QPainter p(&map);
        for (const PieceSlot& slot : s->storeHome) {
            flat.fill(qRgb(slot.piece, 0, 0));
            DrawPiece(s->view, *s, 8, slot.piece, slot.orientation, p, flat, slot.col * 8,
                      slot.row * 8);
        }
        return map;
    }

    double MeanBorderStep(const QImage& square, const QImage& map) {
        double sum = 0;
        int pairs = 0;
        auto compare = [&](int x0, int y0, int x1, int y1) {
            const int a = qRed(map.pixel(x0, y0)), b = qRed(map.pixel(x1, y1));
            if (a == 0 || b == 0 || a == b) return;
            sum += std::abs(Luminance(square.pixel(x0, y0)) - Luminance(square.pixel(x1, y1)));
            ++pairs;
        };
        for (int y = 0; y < kSquarePixels; ++y)
            for (int x = 0; x < kSquarePixels; ++x) {
                if (x + 1 < kSquarePixels) compare(x, y, x + 1, y);
                if (y + 1 < kSquarePixels) compare(x, y, x, y + 1);
            }
        return pairs ? sum / pairs : 0;
    }
};

TEST_F(SkinBorderTest, EverySkinStepsClearlyAcrossPieceBorders) {
    s->view.skinType = 1;
    s->view.scale = 8;
    for (int i = 0; i < kSkinCount; ++i) {
        s->view.skinIndex = i;
        PrepareSkinAndBackground(s.get());
        ASSERT_FALSE(s->drawing->texture.isNull()) << SkinName(i);
        const double step = MeanBorderStep(HomeSquare(s->drawing->texture), PieceMap());
        std::printf("border step %-20s %5.1f\n", SkinName(i), step);
        EXPECT_GE(step, kLeastStep) << SkinName(i);
    }
}

}  // namespace
