// A silhouette as a compact set of quarters, with the turns, mirrors and
// shifts that the similarity and difficulty measures need.
#pragma once

#include <cstdint>
#include <vector>

#include "model/game_state.h"

// Quarter k of cell (row, col) is bit index ((row * width) + col) * 4 + k;
// the bounding box is tight (no empty border rows or columns).
struct Silhouette {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> quarters;  // 0 or 1 per quarter

    bool At(int row, int col, int k) const {
        return row >= 0 && col >= 0 && row < height && col < width &&
               quarters[(static_cast<std::size_t>(row) * width + col) * 4 + k] != 0;
    }
    int Area() const;  // in quarters
    bool operator==(const Silhouette& other) const = default;
};

// The puzzle's cells, trimmed to their bounding box.
Silhouette SilhouetteOf(const PuzzleRecord& puzzle);
// A piece mask (one orientation of a piece), trimmed.
Silhouette SilhouetteOfMask(const PieceMask& mask);

// s without its empty border rows and columns.
Silhouette Trimmed(const Silhouette& s);

// Turned a quarter turn clockwise; mirrored left to right.
Silhouette TurnRight(const Silhouette& s);
Silhouette MirrorLeftRight(const Silhouette& s);

// The eight turns and mirrors of s: index i is s turned i % 4 quarter turns
// clockwise, mirrored left to right first when i >= 4.
std::vector<Silhouette> Symmetries(const Silhouette& s);

// The number of separate parts: quarters that share an edge belong to one
// part; parts that only meet at a corner stay apart.
int CountParts(const Silhouette& s);
