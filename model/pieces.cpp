#include "model/pieces.h"

#include <cstring>

namespace {

// Triangle outlines by orientation, for leg L and axis-parallel hypotenuse H.
PieceOutline TriangleOutline(int o, int L, int H) {
    const int h = H / 2;
    switch (o) {
        case 0: return {3, {{0, 0}, {0, L}, {L, L}}};
        case 1: return {3, {{h, 0}, {h, H}, {0, h}}};
        case 2: return {3, {{0, 0}, {L, 0}, {0, L}}};
        case 3: return {3, {{h, 0}, {H, h}, {0, h}}};
        case 4: return {3, {{0, 0}, {L, 0}, {L, L}}};
        case 5: return {3, {{0, 0}, {h, h}, {0, H}}};
        case 6: return {3, {{L, 0}, {L, L}, {0, L}}};
        default: return {3, {{0, 0}, {H, 0}, {h, h}}};
    }
}

constexpr PieceOutline kParallelogram[8] = {
    {4, {{0, 0}, {20, 0}, {30, 10}, {10, 10}}}, {4, {{0, 0}, {14, 14}, {14, 28}, {0, 14}}},
    {4, {{10, 0}, {10, 20}, {0, 30}, {0, 10}}}, {4, {{14, 0}, {28, 0}, {14, 14}, {0, 14}}},
    {4, {{10, 0}, {30, 0}, {20, 10}, {0, 10}}}, {4, {{0, 0}, {14, 0}, {28, 14}, {14, 14}}},
    {4, {{0, 0}, {10, 10}, {10, 30}, {0, 20}}}, {4, {{14, 0}, {14, 14}, {0, 28}, {0, 14}}},
};

// Texture origins (x, y) by piece and orientation.
constexpr CellPoint kTextureOrigins[kPieceCount][kOrientations] = {
    {{96, 0}, {82, 20}, {110, 0}, {62, 20}, {96, 0}, {92, 20}, {110, 0}, {62, 30}},
    {{96, 0}, {82, 20}, {110, 0}, {62, 20}, {96, 0}, {92, 20}, {110, 0}, {62, 30}},
    {{56, 0}, {66, 48}, {76, 0}, {26, 48}, {56, 0}, {80, 48}, {76, 0}, {26, 62}},
    {{0, 0}, {40, 28}, {28, 0}, {0, 28}, {0, 0}, {60, 28}, {28, 0}, {0, 48}},
    {{0, 0}, {40, 28}, {28, 0}, {0, 28}, {0, 0}, {60, 28}, {28, 0}, {0, 48}},
    {{110, 14}, {72, 30}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}},
    {{0, 68}, {66, 62}, {44, 62}, {80, 62}, {0, 78}, {80, 76}, {54, 62}, {94, 25}},
};

constexpr PieceSlot kStoreHome[kPieceCount] = {
    {0, 0, 4, 5},  {0, 20, 5, 3},  {0, 0, 7, 0},   {10, 10, 1, 7},
    {20, 0, 3, 4}, {20, 10, 6, 1}, {30, 20, 2, 1},
};

constexpr int kOrientationCounts[kPieceCount] = {8, 8, 8, 8, 8, 2, 8};

// Point-in-polygon by crossing count, in sixths of a cell so that the
// quarter centroids are integers and never lie on an edge.
bool Inside(const PieceOutline& poly, int x6, int y6) {
    bool inside = false;
    for (int i = 0, j = poly.count - 1; i < poly.count; j = i++) {
        const int xi = poly.points[i].x * 6, yi = poly.points[i].y * 6;
        const int xj = poly.points[j].x * 6, yj = poly.points[j].y * 6;
        if ((yi > y6) != (yj > y6)) {
            // x of the edge at height y6, compared without division
            const long long lhs = static_cast<long long>(x6 - xi) * (yj - yi);
            const long long rhs = static_cast<long long>(xj - xi) * (y6 - yi);
            if ((yj > yi) ? lhs < rhs : lhs > rhs) inside = !inside;
        }
    }
    return inside;
}

void Rasterise(const PieceOutline& poly, PieceMask& mask) {
    std::memset(mask, 0, sizeof(PieceMask));
    if (poly.count == 0) return;
    // Quarter centroids in sixths of a cell: top, right, bottom, left.
    static constexpr int kDx[4] = {3, 5, 3, 1};
    static constexpr int kDy[4] = {1, 3, 5, 3};
    // Only the bounding box can hold covered quarters; the rest stays clear.
    int width = 0, height = 0;
    for (int i = 0; i < poly.count; ++i) {
        if (poly.points[i].x > width) width = poly.points[i].x;
        if (poly.points[i].y > height) height = poly.points[i].y;
    }
    for (int r = 0; r < height && r < kMaskSize; ++r)
        for (int c = 0; c < width && c < kMaskSize; ++c)
            for (int q = 0; q < 4; ++q)
                mask[r][c][q] = Inside(poly, c * 6 + kDx[q], r * 6 + kDy[q]) ? 1 : 0;
}

bool MaskFull(const PieceMask& mask, int c, int r) {
    if (c < 0 || r < 0 || c >= kMaskSize || r >= kMaskSize) return false;
    return mask[r][c][0] && mask[r][c][1] && mask[r][c][2] && mask[r][c][3];
}

CellPoint FindGrip(const PieceMask& mask, CellSize size) {
    const int w = size.width, h = size.height;
    if (w <= 0 || h <= 0) return {0, 0};
    const CellPoint candidates[5] = {
        {w / 2 - 1, h / 2 - 1},
        {w / 3 - 1, h / 3 - 1},
        {(2 * w) / 3 - 1, (2 * h) / 3 - 1},
        {w / 3 - 1, (2 * h) / 3 - 1},
        {(2 * w) / 3 - 1, h / 3 - 1},
    };
    for (const CellPoint& p : candidates) {
        if (MaskFull(mask, p.col, p.row) && MaskFull(mask, p.col + 1, p.row) &&
            MaskFull(mask, p.col, p.row + 1) && MaskFull(mask, p.col + 1, p.row + 1))
            return p;
    }
    return {0, 0};
}

void BuildShadow(const PieceMask& mask, ShadowMask& shadow) {
    for (int r = 0; r < kShadowSize; ++r)
        for (int c = 0; c < kShadowSize; ++c)
            for (int q = 0; q < 4; ++q) {
                const int sc = c - 2, sr = r - 2;
                const bool moved =
                    sc >= 0 && sr >= 0 && sc < kMaskSize && sr < kMaskSize && mask[sr][sc][q];
                const bool own = c < kMaskSize && r < kMaskSize && mask[r][c][q];
                shadow[r][c][q] = (moved && !own) ? 1 : 0;
            }
}

}  // namespace

PieceOutline PieceOutlineOf(int piece, int orientation) {
    if (orientation < 0 || orientation >= kOrientations) return {0, {}};
    switch (piece) {
        case 1:
        case 2: return TriangleOutline(orientation, 14, 20);
        case 3: return TriangleOutline(orientation, 20, 28);
        case 4:
        case 5: return TriangleOutline(orientation, 28, 40);
        case 6:
            if (orientation == 0) return {4, {{0, 0}, {14, 0}, {14, 14}, {0, 14}}};
            if (orientation == 1) return {4, {{10, 0}, {20, 10}, {10, 20}, {0, 10}}};
            return {0, {}};
        case 7: return kParallelogram[orientation];
        default: return {0, {}};
    }
}

CellSize MeasurePiece(const PieceMask& mask) {
    CellSize size{0, 0};
    for (int r = kMaskSize - 1; r >= 0 && size.height == 0; --r)
        for (int c = 0; c < kMaskSize; ++c)
            if (mask[r][c][0] | mask[r][c][1] | mask[r][c][2] | mask[r][c][3]) {
                size.height = r + 1;
                break;
            }
    for (int c = kMaskSize - 1; c >= 0 && size.width == 0; --c)
        for (int r = 0; r < kMaskSize; ++r)
            if (mask[r][c][0] | mask[r][c][1] | mask[r][c][2] | mask[r][c][3]) {
                size.width = c + 1;
                break;
            }
    return size;
}

int CountQuarters(const PieceMask& mask) {
    int n = 0;
    for (int r = 0; r < kMaskSize; ++r)
        for (int c = 0; c < kMaskSize; ++c)
            for (int q = 0; q < 4; ++q) n += mask[r][c][q] ? 1 : 0;
    return n;
}

void BuildPieceSet(GameState* state) {
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        for (int o = 0; o < kOrientations; ++o) {
            const int k = TableIndex(piece, o);
            Rasterise(PieceOutlineOf(piece, o), state->pieceMasks[k]);
            state->pieceSizes[k] = MeasurePiece(state->pieceMasks[k]);
            state->gripCells[k] = FindGrip(state->pieceMasks[k], state->pieceSizes[k]);
            BuildShadow(state->pieceMasks[k], state->shadowMasks[k]);
            state->textureOrigins[k] = kTextureOrigins[piece - 1][o];
        }
        state->orientationCounts[piece - 1] = kOrientationCounts[piece - 1];
    }
    std::memcpy(state->storeHome, kStoreHome, sizeof(kStoreHome));
}
