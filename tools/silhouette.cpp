#include "tools/silhouette.h"

#include <algorithm>
#include <climits>

namespace {

struct QuarterAt {
    int row, col, k;
};

// Builds a tight silhouette from the quarters that get() reports set in a
// rows x cols area.
template <typename Get>
Silhouette Trim(int rows, int cols, Get get) {
    int top = INT_MAX, left = INT_MAX, bottom = -1, right = -1;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            for (int k = 0; k < 4; ++k)
                if (get(r, c, k)) {
                    top = std::min(top, r);
                    bottom = std::max(bottom, r);
                    left = std::min(left, c);
                    right = std::max(right, c);
                }
    Silhouette s;
    if (bottom < 0) return s;
    s.height = bottom - top + 1;
    s.width = right - left + 1;
    s.quarters.assign(static_cast<std::size_t>(s.width) * s.height * 4, 0);
    for (int r = 0; r < s.height; ++r)
        for (int c = 0; c < s.width; ++c)
            for (int k = 0; k < 4; ++k)
                s.quarters[(static_cast<std::size_t>(r) * s.width + c) * 4 + k] =
                    get(r + top, c + left, k) ? 1 : 0;
    return s;
}

}  // namespace

int Silhouette::Area() const {
    return static_cast<int>(std::count(quarters.begin(), quarters.end(), 1));
}

Silhouette SilhouetteOf(const PuzzleRecord& puzzle) {
    return Trim(puzzle.height, puzzle.width,
                [&](int r, int c, int k) { return puzzle.cells[r][c][k] != 0; });
}

Silhouette SilhouetteOfMask(const PieceMask& mask) {
    return Trim(kMaskSize, kMaskSize, [&](int r, int c, int k) { return mask[r][c][k] != 0; });
}

Silhouette Trimmed(const Silhouette& s) {
    return Trim(s.height, s.width, [&](int r, int c, int k) { return s.At(r, c, k); });
}

// Turning clockwise takes cell (r, c) to (c, height - 1 - r) and each
// quarter to the next one (top -> right -> bottom -> left).
Silhouette TurnRight(const Silhouette& s) {
    return Trim(s.width, s.height,
                [&](int r, int c, int k) { return s.At(s.height - 1 - c, r, (k + 3) % 4); });
}

Silhouette MirrorLeftRight(const Silhouette& s) {
    return Trim(s.height, s.width, [&](int r, int c, int k) {
        const int from = k == kLeft ? kRight : k == kRight ? kLeft : k;
        return s.At(r, s.width - 1 - c, from);
    });
}

std::vector<Silhouette> Symmetries(const Silhouette& s) {
    std::vector<Silhouette> out;
    for (Silhouette t : {s, MirrorLeftRight(s)})
        for (int turn = 0; turn < 4; ++turn) {
            out.push_back(t);
            t = TurnRight(t);
        }
    return out;
}

int CountParts(const Silhouette& s) {
    std::vector<std::uint8_t> seen(s.quarters.size(), 0);
    auto index = [&](int r, int c, int k) {
        return (static_cast<std::size_t>(r) * s.width + c) * 4 + k;
    };
    int parts = 0;
    std::vector<QuarterAt> stack;
    for (int r = 0; r < s.height; ++r)
        for (int c = 0; c < s.width; ++c)
            for (int k = 0; k < 4; ++k) {
                if (!s.At(r, c, k) || seen[index(r, c, k)]) continue;
                ++parts;
                seen[index(r, c, k)] = 1;
                stack.push_back({r, c, k});
                while (!stack.empty()) {
                    const QuarterAt q = stack.back();
                    stack.pop_back();
                    // The two neighbours inside the cell, and the quarter of
                    // the next cell across this quarter's outer edge.
                    static const int kDr[4] = {-1, 0, 1, 0}, kDc[4] = {0, 1, 0, -1};
                    const QuarterAt next[3] = {{q.row, q.col, (q.k + 1) % 4},
                                               {q.row, q.col, (q.k + 3) % 4},
                                               {q.row + kDr[q.k], q.col + kDc[q.k], (q.k + 2) % 4}};
                    for (const QuarterAt& n : next)
                        if (s.At(n.row, n.col, n.k) && !seen[index(n.row, n.col, n.k)]) {
                            seen[index(n.row, n.col, n.k)] = 1;
                            stack.push_back(n);
                        }
                }
            }
    return parts;
}
