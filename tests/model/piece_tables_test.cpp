// The piece tables checked against the published shapes and tables, with an
// independent rasterisation of the outline polygons.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "model/board.h"
#include "support/recording_host.h"

namespace {

struct Vertex {
    double x, y;
};
using Polygon = std::vector<Vertex>;

// Outline of a triangle of leg L and hypotenuse H in each orientation.
Polygon TriangleShape(int o, double L, double H) {
    const double h = H / 2;
    switch (o) {
        case 0: return {{0, 0}, {0, L}, {L, L}};
        case 1: return {{h, 0}, {h, H}, {0, h}};
        case 2: return {{0, 0}, {L, 0}, {0, L}};
        case 3: return {{h, 0}, {H, h}, {0, h}};
        case 4: return {{0, 0}, {L, 0}, {L, L}};
        case 5: return {{0, 0}, {h, h}, {0, H}};
        case 6: return {{L, 0}, {L, L}, {0, L}};
        default: return {{0, 0}, {H, 0}, {h, h}};
    }
}

Polygon Shape(int piece, int o) {
    static const Polygon kParallelogram[8] = {
        {{0, 0}, {20, 0}, {30, 10}, {10, 10}}, {{0, 0}, {14, 14}, {14, 28}, {0, 14}},
        {{10, 0}, {10, 20}, {0, 30}, {0, 10}}, {{14, 0}, {28, 0}, {14, 14}, {0, 14}},
        {{10, 0}, {30, 0}, {20, 10}, {0, 10}}, {{0, 0}, {14, 0}, {28, 14}, {14, 14}},
        {{0, 0}, {10, 10}, {10, 30}, {0, 20}}, {{14, 0}, {14, 14}, {0, 28}, {0, 14}},
    };
    switch (piece) {
        case 1:
        case 2: return TriangleShape(o, 14, 20);
        case 3: return TriangleShape(o, 20, 28);
        case 4:
        case 5: return TriangleShape(o, 28, 40);
        case 6:
            if (o == 0) return {{0, 0}, {14, 0}, {14, 14}, {0, 14}};
            if (o == 1) return {{10, 0}, {20, 10}, {10, 20}, {0, 10}};
            return {};
        default: return kParallelogram[o];
    }
}

// Every outline is convex: a point is inside when it lies strictly on the
// same side of every edge.
bool InsideConvex(const Polygon& p, double x, double y) {
    int positive = 0, negative = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const Vertex& a = p[i];
        const Vertex& b = p[(i + 1) % p.size()];
        const double cross = (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
        (cross > 0 ? positive : negative)++;
    }
    return !p.empty() && (positive == 0 || negative == 0);
}

class PieceTables : public ::testing::Test {
protected:
    void SetUp() override { BuildPieceSet(s.get()); }
    std::unique_ptr<GameState> s = std::make_unique<GameState>();

    const PieceMask& Mask(int piece, int o) const { return s->pieceMasks[TableIndex(piece, o)]; }
};

TEST_F(PieceTables, MasksEqualTheRasterisedOutlines) {
    static constexpr double kCx[4] = {0.5, 5.0 / 6, 0.5, 1.0 / 6};
    static constexpr double kCy[4] = {1.0 / 6, 0.5, 5.0 / 6, 0.5};
    for (int piece = 1; piece <= kPieceCount; ++piece)
        for (int o = 0; o < kOrientations; ++o) {
            const Polygon poly = Shape(piece, o);
            int mismatches = 0;
            for (int r = 0; r < kMaskSize; ++r)
                for (int c = 0; c < kMaskSize; ++c)
                    for (int q = 0; q < 4; ++q) {
                        const int want = InsideConvex(poly, c + kCx[q], r + kCy[q]) ? 1 : 0;
                        mismatches += Mask(piece, o)[r][c][q] != want;
                    }
            EXPECT_EQ(mismatches, 0) << "piece " << piece << " orientation " << o;

            // The outline that painting fills is the same polygon, same vertex order.
            const PieceOutline outline = PieceOutlineOf(piece, o);
            ASSERT_EQ(outline.count, static_cast<int>(poly.size()));
            for (int i = 0; i < outline.count; ++i) {
                EXPECT_EQ(outline.points[i].x, poly[i].x);
                EXPECT_EQ(outline.points[i].y, poly[i].y);
            }
        }
}

TEST_F(PieceTables, EveryCellIsEmptyFullOrAnAdjacentHalf) {
    for (int k = 0; k < kTableSize; ++k)
        for (int r = 0; r < kMaskSize; ++r)
            for (int c = 0; c < kMaskSize; ++c) {
                const std::uint8_t* cell = s->pieceMasks[k][r][c];
                int bits = 0;
                for (int q = 0; q < 4; ++q) {
                    ASSERT_LE(cell[q], 1);
                    bits |= cell[q] << q;
                }
                // top+right, right+bottom, bottom+left, left+top
                const bool ok =
                    bits == 0 || bits == 15 || bits == 3 || bits == 6 || bits == 12 || bits == 9;
                ASSERT_TRUE(ok) << "entry " << k << " cell " << c << "," << r << " = " << bits;
            }
}

TEST_F(PieceTables, SizesMatchTheShapeTables) {
    struct Triangle {
        int first, last, L, H;
    };
    for (const Triangle t :
         {Triangle{1, 2, 14, 20}, Triangle{3, 3, 20, 28}, Triangle{4, 5, 28, 40}})
        for (int piece = t.first; piece <= t.last; ++piece)
            for (int o = 0; o < kOrientations; ++o) {
                const CellSize want = o % 2 == 0   ? CellSize{t.L, t.L}
                                      : o % 4 == 1 ? CellSize{t.H / 2, t.H}
                                                   : CellSize{t.H, t.H / 2};
                const CellSize got = s->pieceSizes[TableIndex(piece, o)];
                EXPECT_EQ(got.width, want.width) << piece << "/" << o;
                EXPECT_EQ(got.height, want.height) << piece << "/" << o;
            }
    const CellSize square[8] = {{14, 14}, {20, 20}};
    const CellSize parallelogram[8] = {{30, 10}, {14, 28}, {10, 30}, {28, 14},
                                       {30, 10}, {28, 14}, {10, 30}, {14, 28}};
    for (int o = 0; o < kOrientations; ++o) {
        EXPECT_EQ(s->pieceSizes[TableIndex(6, o)].width, square[o].width);
        EXPECT_EQ(s->pieceSizes[TableIndex(6, o)].height, square[o].height);
        EXPECT_EQ(s->pieceSizes[TableIndex(7, o)].width, parallelogram[o].width);
        EXPECT_EQ(s->pieceSizes[TableIndex(7, o)].height, parallelogram[o].height);
    }
    // MeasurePiece gives what the table holds, and 0 x 0 for an empty mask.
    for (int k = 0; k < kTableSize; ++k) {
        const CellSize m = MeasurePiece(s->pieceMasks[k]);
        EXPECT_EQ(m.width, s->pieceSizes[k].width);
        EXPECT_EQ(m.height, s->pieceSizes[k].height);
    }
}

TEST_F(PieceTables, QuarterCountsDifferBetweenStraightAndTurned) {
    // {even orientations, odd orientations}; the square lists o0 and o1.
    const int counts[kPieceCount][2] = {{392, 400},   {392, 400}, {800, 784}, {1568, 1600},
                                        {1568, 1600}, {784, 800}, {800, 784}};
    for (int piece = 1; piece <= kPieceCount; ++piece)
        for (int o = 0; o < s->orientationCounts[piece - 1]; ++o)
            EXPECT_EQ(CountQuarters(Mask(piece, o)), counts[piece - 1][o % 2]) << piece << "/" << o;
}

TEST_F(PieceTables, GripCellsMatchTheTableAndLieOnSolidArea) {
    const CellPoint grips[kPieceCount][8] = {
        {{3, 8}, {4, 9}, {3, 3}, {9, 4}, {8, 3}, {4, 9}, {8, 8}, {9, 4}},
        {{3, 8}, {4, 9}, {3, 3}, {9, 4}, {8, 3}, {4, 9}, {8, 8}, {9, 4}},
        {{5, 12}, {6, 13}, {5, 5}, {13, 6}, {12, 5}, {6, 13}, {12, 12}, {13, 6}},
        {{8, 17}, {9, 19}, {8, 8}, {19, 9}, {17, 8}, {9, 19}, {17, 17}, {19, 9}},
        {{8, 17}, {9, 19}, {8, 8}, {19, 9}, {17, 8}, {9, 19}, {17, 17}, {19, 9}},
        {{6, 6}, {9, 9}},
        {{14, 4}, {6, 13}, {4, 14}, {13, 6}, {14, 4}, {13, 6}, {4, 14}, {6, 13}},
    };
    for (int piece = 1; piece <= kPieceCount; ++piece)
        for (int o = 0; o < kOrientations; ++o) {
            const CellPoint got = s->gripCells[TableIndex(piece, o)];
            EXPECT_EQ(got.col, grips[piece - 1][o].col) << piece << "/" << o;
            EXPECT_EQ(got.row, grips[piece - 1][o].row) << piece << "/" << o;
            if (o >= s->orientationCounts[piece - 1]) continue;
            for (int dr = 0; dr < 2; ++dr)
                for (int dc = 0; dc < 2; ++dc)
                    EXPECT_TRUE(IsFullCell(Mask(piece, o)[got.row + dr][got.col + dc]));
        }
}

TEST_F(PieceTables, TextureOriginsMatchTheTableAndFillTheCanvas) {
    const CellPoint origins[kPieceCount][8] = {
        {{96, 0}, {82, 20}, {110, 0}, {62, 20}, {96, 0}, {92, 20}, {110, 0}, {62, 30}},
        {{96, 0}, {82, 20}, {110, 0}, {62, 20}, {96, 0}, {92, 20}, {110, 0}, {62, 30}},
        {{56, 0}, {66, 48}, {76, 0}, {26, 48}, {56, 0}, {80, 48}, {76, 0}, {26, 62}},
        {{0, 0}, {40, 28}, {28, 0}, {0, 28}, {0, 0}, {60, 28}, {28, 0}, {0, 48}},
        {{0, 0}, {40, 28}, {28, 0}, {0, 28}, {0, 0}, {60, 28}, {28, 0}, {0, 48}},
        {{110, 14}, {72, 30}},
        {{0, 68}, {66, 62}, {44, 62}, {80, 62}, {0, 78}, {80, 76}, {54, 62}, {94, 25}},
    };
    int right = 0, bottom = 0;
    for (int piece = 1; piece <= kPieceCount; ++piece)
        for (int o = 0; o < kOrientations; ++o) {
            const int k = TableIndex(piece, o);
            EXPECT_EQ(s->textureOrigins[k].col, origins[piece - 1][o].col) << piece << "/" << o;
            EXPECT_EQ(s->textureOrigins[k].row, origins[piece - 1][o].row) << piece << "/" << o;
            const int x = s->textureOrigins[k].col + s->pieceSizes[k].width;
            const int y = s->textureOrigins[k].row + s->pieceSizes[k].height;
            EXPECT_LE(x, 124);
            EXPECT_LE(y, 92);
            right = std::max(right, x);
            bottom = std::max(bottom, y);
        }
    EXPECT_EQ(right, 124);
    EXPECT_EQ(bottom, 92);
}

TEST_F(PieceTables, ShadowIsTheMovedPieceLessThePieceItself) {
    for (int k = 0; k < kTableSize; ++k)
        for (int r = 0; r < kShadowSize; ++r)
            for (int c = 0; c < kShadowSize; ++c)
                for (int q = 0; q < 4; ++q) {
                    const bool own = r < kMaskSize && c < kMaskSize && s->pieceMasks[k][r][c][q];
                    const bool moved = r >= 2 && c >= 2 && s->pieceMasks[k][r - 2][c - 2][q];
                    const bool shadow = s->shadowMasks[k][r][c][q] != 0;
                    ASSERT_FALSE(own && shadow) << "entry " << k;
                    ASSERT_EQ(shadow, moved && !own) << "entry " << k << " " << c << "," << r;
                }
    // The widest orientation, 40 x 20, casts its bottom-right cell into the last
    // shadow column and row.
    const int wide = TableIndex(4, 3);
    EXPECT_EQ(s->pieceSizes[wide].width, 40);
    EXPECT_EQ(std::memcmp(s->shadowMasks[wide][21][41], s->pieceMasks[wide][19][39], 4), 0);
    EXPECT_NE(s->pieceMasks[wide][19][39][kLeft], 0);
}

TEST_F(PieceTables, PairsAreIdenticalInEveryTable) {
    for (const auto& pair : {std::pair{1, 2}, std::pair{4, 5}})
        for (int o = 0; o < kOrientations; ++o) {
            const int a = TableIndex(pair.first, o), b = TableIndex(pair.second, o);
            EXPECT_EQ(std::memcmp(s->pieceMasks[a], s->pieceMasks[b], sizeof(PieceMask)), 0);
            EXPECT_EQ(std::memcmp(s->shadowMasks[a], s->shadowMasks[b], sizeof(ShadowMask)), 0);
            EXPECT_EQ(std::memcmp(&s->pieceSizes[a], &s->pieceSizes[b], sizeof(CellSize)), 0);
            EXPECT_EQ(std::memcmp(&s->gripCells[a], &s->gripCells[b], sizeof(CellPoint)), 0);
            EXPECT_EQ(std::memcmp(&s->textureOrigins[a], &s->textureOrigins[b], sizeof(CellPoint)),
                      0);
        }
}

TEST_F(PieceTables, SquareHasOnlyTwoOrientations) {
    const int counts[kPieceCount] = {8, 8, 8, 8, 8, 2, 8};
    for (int i = 0; i < kPieceCount; ++i) EXPECT_EQ(s->orientationCounts[i], counts[i]);
    static const PieceMask kEmpty = {};
    static const ShadowMask kNoShadow = {};
    for (int o = 2; o < kOrientations; ++o) {
        const int k = TableIndex(6, o);
        EXPECT_EQ(std::memcmp(s->pieceMasks[k], kEmpty, sizeof kEmpty), 0);
        EXPECT_EQ(std::memcmp(s->shadowMasks[k], kNoShadow, sizeof kNoShadow), 0);
        EXPECT_EQ(s->pieceSizes[k].width | s->pieceSizes[k].height, 0);
        EXPECT_EQ(s->gripCells[k].col | s->gripCells[k].row, 0);
        EXPECT_EQ(s->textureOrigins[k].col | s->textureOrigins[k].row, 0);
    }
}

TEST_F(PieceTables, HomeLayoutTilesTheFortySquareOnce) {
    const PieceSlot home[kPieceCount] = {{0, 0, 4, 5},   {0, 20, 5, 3}, {0, 0, 7, 0},
                                         {10, 10, 1, 7}, {20, 0, 3, 4}, {20, 10, 6, 1},
                                         {30, 20, 2, 1}};
    static Grid cover;
    std::memset(cover, 0, sizeof cover);
    for (int i = 0; i < kPieceCount; ++i) {
        EXPECT_EQ(std::memcmp(&s->storeHome[i], &home[i], sizeof(PieceSlot)), 0) << "slot " << i;
        const PieceMask& m = Mask(home[i].piece, home[i].orientation);
        for (int r = 0; r < kMaskSize; ++r)
            for (int c = 0; c < kMaskSize; ++c)
                for (int q = 0; q < 4; ++q)
                    if (m[r][c][q]) ++cover[home[i].row + r][home[i].col + c][q];
    }
    for (int r = 0; r < kGridSize; ++r)
        for (int c = 0; c < kGridSize; ++c)
            for (int q = 0; q < 4; ++q)
                ASSERT_EQ(cover[r][c][q], (r < 40 && c < 40) ? 1 : 0) << c << "," << r << "/" << q;
}

}  // namespace
