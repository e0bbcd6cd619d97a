// Turns a cell grid into the pixel rectangles that cover its full cells and
// half cells. Shared by the painter-based FillCellGrid and by the routines
// that write mask images directly, so both produce the same pixels.
#pragma once

#include <cstdint>

// Which pixels of a scale x scale block a cell covers; i runs across and j
// down the block. The same rules pick the pixels of the carried piece's
// shadow, so a half cell's diagonal belongs to both halves.
enum class CellCover { None, Full, LowerLeft, UpperRight, UpperLeft, LowerRight };

// Classifies a cell by the first matching pair of covered quarters
// (top, right, bottom, left); one quarter alone covers nothing.
inline CellCover ClassifyShadowCell(const std::uint8_t* q) {
    if (q[0] && q[1] && q[2] && q[3]) return CellCover::Full;
    if (q[2] && q[3]) return CellCover::LowerLeft;
    if (q[0] && q[1]) return CellCover::UpperRight;
    if (q[0] && q[3]) return CellCover::UpperLeft;
    if (q[1] && q[2]) return CellCover::LowerRight;
    return CellCover::None;
}

// The triangle rules of the grid fill test top+right first.
inline CellCover ClassifyFillCell(const std::uint8_t* q) {
    if (q[0] && q[1] && q[2] && q[3]) return CellCover::Full;
    if (q[0] && q[1]) return CellCover::UpperRight;
    if (q[1] && q[2]) return CellCover::LowerRight;
    if (q[2] && q[3]) return CellCover::LowerLeft;
    if (q[3] && q[0]) return CellCover::UpperLeft;
    return CellCover::None;
}

// First and one-past-last covered column of row j of a half cell's block.
inline void HalfCellRow(CellCover cover, int scale, int j, int* from, int* to) {
    switch (cover) {
        case CellCover::UpperRight: *from = j, *to = scale; break;              // i >= j
        case CellCover::LowerLeft: *from = 0, *to = j + 1; break;               // i <= j
        case CellCover::UpperLeft: *from = 0, *to = scale - j; break;           // i + j <= s - 1
        case CellCover::LowerRight: *from = scale - 1 - j, *to = scale; break;  // i + j >= s - 1
        default: *from = 0, *to = scale;
    }
}

// Calls fill(x, y, width, height) for every rectangle of the grid's cover.
// Runs of full cells in a row become one rectangle; a half cell becomes one
// rectangle per pixel row.
template <class Fill>
void ForEachCellGridSpan(const std::uint8_t* grid, int rowStride, int x, int y, int columns,
                         int rows, int scale, Fill&& fill) {
    for (int r = 0; r < rows; ++r) {
        const std::uint8_t* row = grid + static_cast<long>(r) * rowStride * 4;
        const int top = y + r * scale;
        int start = -1;
        for (int c = 0; c < columns; ++c) {
            const CellCover cover = ClassifyFillCell(row + c * 4);
            if (cover == CellCover::Full) {
                if (start < 0) start = c;
                continue;
            }
            if (start >= 0) fill(x + start * scale, top, (c - start) * scale, scale);
            start = -1;
            if (cover == CellCover::None) continue;
            const int left = x + c * scale;
            for (int j = 0; j < scale; ++j) {
                int from, to;
                HalfCellRow(cover, scale, j, &from, &to);
                fill(left + from, top + j, to - from, 1);
            }
        }
        if (start >= 0) fill(x + start * scale, top, (columns - start) * scale, scale);
    }
}
