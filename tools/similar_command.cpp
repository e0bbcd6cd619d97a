// similar FILE...: finds pairs of puzzles that a player would take for the
// same figure. Any two files are compared for the same silhouette, the same
// turned by a quarter, half or three quarters, and mirror images. Two files
// of the same folder are also compared for one moved piece: the second
// figure (shifted, turned or mirrored as a whole) is the first one with one
// piece lifted out of it and laid down elsewhere.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "library/puzzle_file.h"
#include "model/pieces.h"
#include "tools/silhouette.h"
#include "tools/tool_commands.h"

namespace {

struct Figure {
    std::string path, folder;
    Silhouette shape;
    std::vector<Silhouette> symmetries;
};

// One piece in every orientation it has, trimmed.
struct PieceShapes {
    int area;
    std::vector<Silhouette> orientations;
};

// A candidate placement of b's symmetry over a: b's cell (r, c) lies on a's
// cell (r + dr, c + dc).
struct Shift {
    int dr, dc;
};

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "" : path.substr(0, slash);
}

std::vector<PieceShapes> AllPieceShapes() {
    auto state = std::make_unique<GameState>();
    BuildPieceSet(state.get());
    std::vector<PieceShapes> pieces;
    for (int p = 1; p <= kPieceCount; ++p) {
        if (p == 2 || p == 5) continue;  // the same shapes as pieces 1 and 4
        PieceShapes shapes{0, {}};
        for (int o = 0; o < state->orientationCounts[p - 1]; ++o)
            shapes.orientations.push_back(SilhouetteOfMask(state->pieceMasks[TableIndex(p, o)]));
        shapes.area = shapes.orientations[0].Area();
        pieces.push_back(shapes);
    }
    return pieces;
}

// Area per row (or column when byColumn) of s.
std::vector<int> Profile(const Silhouette& s, bool byColumn) {
    std::vector<int> sums(byColumn ? s.width : s.height, 0);
    for (int r = 0; r < s.height; ++r)
        for (int c = 0; c < s.width; ++c)
            for (int k = 0; k < 4; ++k)
                if (s.At(r, c, k)) ++sums[byColumn ? c : r];
    return sums;
}

// An upper bound of the overlap when b's profile is shifted by d over a's.
int ProfileBound(const std::vector<int>& a, const std::vector<int>& b, int d) {
    int sum = 0;
    for (int i = 0; i < static_cast<int>(b.size()); ++i)
        if (i + d >= 0 && i + d < static_cast<int>(a.size())) sum += std::min(a[i + d], b[i]);
    return sum;
}

int Overlap(const Silhouette& a, const Silhouette& b, Shift s) {
    int sum = 0;
    for (int r = 0; r < b.height; ++r)
        for (int c = 0; c < b.width; ++c)
            for (int k = 0; k < 4; ++k)
                if (b.At(r, c, k) && a.At(r + s.dr, c + s.dc, k)) ++sum;
    return sum;
}

// The shifts of b over a whose overlap reaches at least need quarters.
std::vector<Shift> CloseShifts(const Silhouette& a, const Silhouette& b, int need) {
    const std::vector<int> ar = Profile(a, false), br = Profile(b, false);
    const std::vector<int> ac = Profile(a, true), bc = Profile(b, true);
    std::vector<int> columns;
    for (int dc = -b.width + 1; dc < a.width; ++dc)
        if (ProfileBound(ac, bc, dc) >= need) columns.push_back(dc);
    std::vector<Shift> shifts;
    for (int dr = -b.height + 1; dr < a.height; ++dr) {
        if (ProfileBound(ar, br, dr) < need) continue;
        for (int dc : columns)
            if (Overlap(a, b, {dr, dc}) >= need) shifts.push_back({dr, dc});
    }
    return shifts;
}

// The set quarters of one silhouette in the frame of figure a.
struct Quarters {
    std::vector<int> row, col, k;
    void Add(int r, int c, int q) {
        row.push_back(r);
        col.push_back(c);
        k.push_back(q);
    }
};

// Does piece orientation p, with its cell (0, 0) on a's cell (pr, pc), lie
// inside a and cover every quarter of lost?
bool PieceFits(const Silhouette& a, const Silhouette& p, int pr, int pc, const Quarters& lost) {
    for (std::size_t i = 0; i < lost.row.size(); ++i)
        if (!p.At(lost.row[i] - pr, lost.col[i] - pc, lost.k[i])) return false;
    for (int r = 0; r < p.height; ++r)
        for (int c = 0; c < p.width; ++c)
            for (int k = 0; k < 4; ++k)
                if (p.At(r, c, k) && !a.At(r + pr, c + pc, k)) return false;
    return true;
}

// With the lifted piece at (pr, pc): what b covers and a without the piece
// does not, trimmed; one piece shape when b really is a with that piece moved.
Silhouette LaidAgain(const Silhouette& a, const Silhouette& b, Shift s, const Silhouette& p, int pr,
                     int pc) {
    Silhouette out;
    const int top = s.dr, left = s.dc;
    out.height = b.height;
    out.width = b.width;
    out.quarters.assign(b.quarters.size(), 0);
    for (int r = 0; r < b.height; ++r)
        for (int c = 0; c < b.width; ++c)
            for (int k = 0; k < 4; ++k) {
                const int ar = r + top, ac = c + left;
                const bool keptInA = a.At(ar, ac, k) && !p.At(ar - pr, ac - pc, k);
                if (b.At(r, c, k) && !keptInA)
                    out.quarters[(static_cast<std::size_t>(r) * b.width + c) * 4 + k] = 1;
            }
    return Trimmed(out);
}

bool IsOrientationOf(const Silhouette& s, const PieceShapes& piece) {
    return std::find(piece.orientations.begin(), piece.orientations.end(), s) !=
           piece.orientations.end();
}

// Is b (as placed by shift s over a) a with one piece moved?
bool OnePieceMoved(const Silhouette& a, const Silhouette& b, Shift s,
                   const std::vector<PieceShapes>& pieces) {
    Quarters lost;  // in a but not in b
    for (int r = 0; r < a.height; ++r)
        for (int c = 0; c < a.width; ++c)
            for (int k = 0; k < 4; ++k)
                if (a.At(r, c, k) && !b.At(r - s.dr, c - s.dc, k)) lost.Add(r, c, k);
    if (lost.row.empty()) return false;  // the same figure, reported as such
    for (const PieceShapes& piece : pieces) {
        if (piece.area < static_cast<int>(lost.row.size())) continue;
        for (const Silhouette& p : piece.orientations)
            // The lifted piece covers the first lost quarter with one of its own.
            for (int r = 0; r < p.height; ++r)
                for (int c = 0; c < p.width; ++c) {
                    if (!p.At(r, c, lost.k[0])) continue;
                    const int pr = lost.row[0] - r, pc = lost.col[0] - c;
                    if (PieceFits(a, p, pr, pc, lost) &&
                        IsOrientationOf(LaidAgain(a, b, s, p, pr, pc), piece))
                        return true;
                }
    }
    return false;
}

// How b relates to a, or "" when they are not alike.
std::string Compare(const Figure& a, const Figure& b, const std::vector<PieceShapes>& pieces,
                    int largestPiece) {
    if (a.shape == b.shape) return "the same silhouette";
    for (int i = 1; i < 4; ++i)
        if (a.shape == b.symmetries[i])
            return "the same silhouette turned by " + std::to_string(90 * i) + " degrees";
    for (int i = 4; i < 8; ++i)
        if (a.shape == b.symmetries[i]) return "mirror images";
    if (a.folder != b.folder || a.shape.Area() != b.shape.Area()) return "";
    for (const Silhouette& sym : b.symmetries)
        for (const Shift& s : CloseShifts(a.shape, sym, a.shape.Area() - largestPiece))
            if (OnePieceMoved(a.shape, sym, s, pieces)) return "one piece moved";
    return "";
}

}  // namespace

int RunSimilar(const ToolArgs& args) {
    if (args.empty()) return UsageError("similar needs at least one FILE");
    for (const std::string& a : args)
        if (a.size() > 1 && a[0] == '-') return UsageError("similar takes no option '" + a + "'");
    auto puzzle = std::make_unique<PuzzleRecord>();
    std::vector<Figure> figures;
    for (const std::string& path : args) {
        if (!ReadPuzzleFile(path.c_str(), puzzle.get())) {
            std::fprintf(stderr, "%s: invalid\n", path.c_str());
            return kExitFailed;
        }
        Silhouette shape = SilhouetteOf(*puzzle);
        figures.push_back({path, FolderOf(path), shape, Symmetries(shape)});
    }
    const std::vector<PieceShapes> pieces = AllPieceShapes();
    int largestPiece = 0;
    for (const PieceShapes& p : pieces) largestPiece = std::max(largestPiece, p.area);
    int found = 0;
    for (std::size_t i = 0; i < figures.size(); ++i)
        for (std::size_t j = i + 1; j < figures.size(); ++j) {
            const std::string how = Compare(figures[i], figures[j], pieces, largestPiece);
            if (how.empty()) continue;
            std::printf("%s and %s: %s\n", figures[i].path.c_str(), figures[j].path.c_str(),
                        how.c_str());
            ++found;
        }
    return found > 0 ? kExitFailed : kExitOk;
}
