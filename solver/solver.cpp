// An exact-cover search over the quarters of a silhouette.
//
// Quarters are numbered in scan order, ((row * width) + col) * 4 + quarter,
// and kept in bitsets. The search always covers the first uncovered quarter
// next: every piece that can cover it must have it as its own first quarter
// (all earlier quarters are covered already), so each piece orientation
// offers exactly one position for it. Those positions are found once per
// quarter, when the search first reaches it, together with whether the
// piece fits inside the silhouette there. Three prunings keep the search
// small:
//  - area: a turned piece covers a few quarters more or less than an upright
//    one, so the uncovered area must be a sum that the unused pieces can
//    make in some choice of orientations;
//  - regions: every separate uncovered region must be such a sum as well;
//  - identical pieces (1 and 2, 4 and 5): the lower number is laid first.
// Pieces that the caller fixes are taken out of the open quarters before a
// search starts; the listed positions hold for the whole silhouette and are
// kept for the next search, where Fits rejects those over a fixed piece.
#include "solver/solver.h"

#include <bit>
#include <bitset>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "model/board.h"
#include "model/rules.h"

namespace {

constexpr int kShapeCount = 5;  // small, medium, large triangle, square, parallelogram
constexpr int kShapeOfPiece[kPieceCount] = {0, 0, 1, 2, 2, 3, 4};
constexpr int kMaxArea = kMaskSize * kMaskSize * 4;  // all seven pieces cover at most this
using AreaSet = std::bitset<kMaxArea + 1>;

// One row of a piece mask: the covered quarters from cell c0 on, as bits.
struct MaskRow {
    int r;
    int c0;
    std::uint64_t bits[3];  // up to 40 cells of 4 quarters
};

struct ShapeOrientation {
    int piece;  // the lower-numbered piece of this shape
    int orientation;
    int width, height, area;
    int firstRow, firstCol, firstQuarter;
    std::vector<MaskRow> rows;
};

struct Span {
    std::uint32_t word;
    std::uint64_t bits;
};

struct Candidate {
    int shape;
    int orientation;
    int col, row, area;
    std::uint32_t firstSpan, spanCount;
};

std::vector<ShapeOrientation> BuildShapes(const GameState& g) {
    std::vector<ShapeOrientation> shapes;
    for (int piece : {1, 3, 4, 6, 7}) {
        for (int o = 0; o < g.orientationCounts[piece - 1]; ++o) {
            const int k = TableIndex(piece, o);
            ShapeOrientation s{piece, o, g.pieceSizes[k].width, g.pieceSizes[k].height, 0, -1, -1,
                               -1,    {}};
            for (int r = 0; r < s.height; ++r) {
                MaskRow row{r, -1, {0, 0, 0}};
                for (int c = 0; c < s.width; ++c)
                    for (int q = 0; q < 4; ++q) {
                        if (!g.pieceMasks[k][r][c][q]) continue;
                        if (row.c0 < 0) row.c0 = c;
                        if (s.firstRow < 0) s.firstRow = r, s.firstCol = c, s.firstQuarter = q;
                        const int bit = (c - row.c0) * 4 + q;
                        row.bits[bit / 64] |= std::uint64_t{1} << (bit % 64);
                        ++s.area;
                    }
                if (row.c0 >= 0) s.rows.push_back(row);
            }
            shapes.push_back(s);
        }
    }
    return shapes;
}

int ShapeIndexOfPiece(int piece) {
    return kShapeOfPiece[piece - 1];
}

}  // namespace

class QuarterSearch {
public:
    QuarterSearch(const GameState& g, const PuzzleRecord& p) : pieces_(BuildShapes(g)) {
        width_ = p.width;
        height_ = p.height;
        total_ = width_ * height_ * 4;
        silhouette_.assign(total_ / 64 + 2, 0);
        for (int r = 0; r < height_; ++r)
            for (int c = 0; c < width_; ++c)
                for (int q = 0; q < 4; ++q)
                    if (p.cells[r][c][q]) SetBit(silhouette_, Index(r, c, q));
        for (std::uint64_t w : silhouette_) silhouetteArea_ += std::popcount(w);
        BuildAreaSets();
    }

    // Calls visit for every layout found until it returns false.
    std::int64_t Enumerate(const SolutionVisitor& visit) {
        visit_ = &visit;
        Solve(SolveRequest{});
        visit_ = nullptr;
        return nodes_;
    }

    // One search from the whole silhouette less the fixed pieces.
    SolveOutcome Solve(const SolveRequest& request) {
        free_ = silhouette_;
        remaining_ = silhouetteArea_;
        used_ = 0;
        nodes_ = 0;
        timedOut_ = blocked_ = false;
        std::memset(slots_, 0, sizeof(slots_));
        deadline_ = request.deadline;
        for (int i = 0; i < request.fixedCount; ++i) Fix(request.fixed[i]);
        return Run();
    }

    SolveOutcome Run() {
        SolveOutcome out{};
        // A silhouette of the wrong area needs no search at all.
        if (!blocked_ && remaining_ <= kMaxArea &&
            reachable_[kAllPieces & ~used_].test(remaining_)) {
            out.solved = Place(0);
        }
        out.timedOut = timedOut_;
        out.nodes = nodes_;
        if (out.solved) std::memcpy(out.layout, slots_, sizeof(slots_));
        return out;
    }

    // Takes a piece's quarters out of the silhouette for good; a piece that
    // cannot lie there blocks every layout.
    void Fix(const PieceSlot& slot) {
        if (slot.piece == 0) return;
        const int bit = slot.piece >= 1 && slot.piece <= kPieceCount ? 1 << (slot.piece - 1) : 0;
        const int shape = bit ? ShapeOf(slot.piece, slot.orientation) : -1;
        if (shape < 0 || (used_ & bit)) {
            blocked_ = true;
            return;
        }
        const ShapeOrientation& so = pieces_[shape];
        const std::size_t mark = spans_.size();
        const bool inside = slot.col >= 0 && slot.row >= 0 && slot.col <= width_ - so.width &&
                            slot.row <= height_ - so.height &&
                            AppendSpans(so, slot.col, slot.row, free_);
        if (inside) {
            for (std::size_t k = mark; k < spans_.size(); ++k)
                free_[spans_[k].word] ^= spans_[k].bits;
            remaining_ -= so.area;
            used_ |= bit;
            slots_[slot.piece - 1] = slot;
        }
        spans_.resize(mark);
        if (!inside) blocked_ = true;
    }

private:
    static constexpr int kAllPieces = (1 << kPieceCount) - 1;
    static constexpr int kRegionCheckDepth = 3;

    // The shape entry of a piece in an orientation, or -1 if it has none.
    int ShapeOf(int piece, int orientation) const {
        const int want = ShapeIndexOfPiece(piece);
        for (int s = 0; s < static_cast<int>(pieces_.size()); ++s)
            if (ShapeIndexOfPiece(pieces_[s].piece) == want &&
                pieces_[s].orientation == orientation)
                return s;
        return -1;
    }

    // Looks at the clock at the first placement and every 4096th after; a timed-out
    // search unwinds at once.
    bool OutOfTime() {
        if (!timedOut_ && (nodes_ & 4095) == 1 && SolveClock::now() >= deadline_) timedOut_ = true;
        return timedOut_;
    }

    int Index(int r, int c, int q) const { return (r * width_ + c) * 4 + q; }
    static void SetBit(std::vector<std::uint64_t>& v, int i) {
        v[i / 64] |= std::uint64_t{1} << (i % 64);
    }
    static bool TestBit(const std::vector<std::uint64_t>& v, int i) {
        return (v[i / 64] >> (i % 64)) & 1;
    }

    // reachable_[set]: areas the pieces of set can cover together, over all
    // choices of orientation; anyPart_[set]: those of its non-empty subsets.
    void BuildAreaSets() {
        int areas[kPieceCount][2] = {};
        for (const ShapeOrientation& s : pieces_)
            for (int piece = 1; piece <= kPieceCount; ++piece)
                if (ShapeIndexOfPiece(piece) == ShapeIndexOfPiece(s.piece))
                    areas[piece - 1][s.orientation % 2] = s.area;
        reachable_.assign(kAllPieces + 1, AreaSet{});
        reachable_[0].set(0);
        for (int set = 1; set <= kAllPieces; ++set) {
            const int p = std::countr_zero(static_cast<unsigned>(set));
            const AreaSet& rest = reachable_[set & (set - 1)];
            reachable_[set] = (rest << areas[p][0]) | (rest << areas[p][1]);
        }
        anyPart_.assign(kAllPieces + 1, AreaSet{});
        for (int set = 1; set <= kAllPieces; ++set)
            for (int sub = set; sub > 0; sub = (sub - 1) & set) anyPart_[set] |= reachable_[sub];
    }

    // The shape orientations whose first quarter is quarter i of the
    // silhouette and that lie wholly inside it. Listed when the search first
    // reaches quarter i: a search visits few quarters, and listing them all
    // up front costs more than the search itself on a large silhouette.
    const std::vector<Candidate>& CandidatesAt(int i) {
        if (byQuarter_.empty()) {
            byQuarter_.resize(total_);
            listed_.assign(silhouette_.size(), 0);
        }
        std::vector<Candidate>& out = byQuarter_[i];
        if (TestBit(listed_, i)) return out;
        SetBit(listed_, i);
        const int q = i % 4, c = (i / 4) % width_, r = i / 4 / width_;
        for (int s = 0; s < static_cast<int>(pieces_.size()); ++s) {
            const ShapeOrientation& so = pieces_[s];
            if (so.firstQuarter != q) continue;
            const int col = c - so.firstCol, row = r - so.firstRow;
            if (col < 0 || row < 0 || col + so.width > width_ || row + so.height > height_)
                continue;
            const std::size_t mark = spans_.size();
            if (!AppendSpans(so, col, row, silhouette_)) {
                spans_.resize(mark);
                continue;
            }
            out.push_back({s, so.orientation, col, row, so.area, static_cast<std::uint32_t>(mark),
                           static_cast<std::uint32_t>(spans_.size() - mark)});
        }
        return out;
    }

    // Appends the words of a placed mask; false when a quarter of it lies
    // outside the silhouette.
    bool AppendSpans(const ShapeOrientation& so, int col, int row,
                     const std::vector<std::uint64_t>& open) {
        for (const MaskRow& mr : so.rows) {
            const int bit0 = Index(row + mr.r, col + mr.c0, 0);
            const int word0 = bit0 / 64, shift = bit0 % 64;
            for (int j = 0; j < 4; ++j) {
                std::uint64_t bits = j < 3 ? mr.bits[j] << shift : 0;
                if (shift > 0 && j > 0) bits |= mr.bits[j - 1] >> (64 - shift);
                if (!bits) continue;
                const std::uint32_t word = static_cast<std::uint32_t>(word0 + j);
                if ((open[word] & bits) != bits) return false;
                spans_.push_back({word, bits});
            }
        }
        return true;
    }

    bool Fits(const Candidate& cand) const {
        for (std::uint32_t k = 0; k < cand.spanCount; ++k) {
            const Span& s = spans_[cand.firstSpan + k];
            if ((free_[s.word] & s.bits) != s.bits) return false;
        }
        return true;
    }

    void Toggle(const Candidate& cand) {
        for (std::uint32_t k = 0; k < cand.spanCount; ++k) {
            const Span& s = spans_[cand.firstSpan + k];
            free_[s.word] ^= s.bits;
        }
    }

    int FirstFree(int from) const {
        for (int w = from / 64; w < static_cast<int>(free_.size()); ++w) {
            std::uint64_t bits = free_[w];
            if (w == from / 64) bits &= ~std::uint64_t{0} << (from % 64);
            if (bits) return w * 64 + std::countr_zero(bits);
        }
        return total_;
    }

    // The lowest-numbered unused piece of a shape, or 0.
    int UnusedPiece(int shape) const {
        for (int p = 1; p <= kPieceCount; ++p)
            if (ShapeIndexOfPiece(p) == shape && !(used_ & (1 << (p - 1)))) return p;
        return 0;
    }

    // The region check costs a flood fill of the whole silhouette; it pays
    // off while few pieces lie and a cut-off region spares a large subtree.
    bool WorthRegionCheck() const {
        const int laid = std::popcount(static_cast<unsigned>(used_));
        return laid < kPieceCount && laid <= kRegionCheckDepth;
    }

    // Each separate uncovered region must be an area that some of the
    // unused pieces can cover.
    bool RegionsCoverable() {
        const int unused = kAllPieces & ~used_;
        seen_.assign(free_.size(), 0);
        int regions = 0;
        for (int i = FirstFree(0); i < total_; i = FirstFree(i + 1)) {
            if (TestBit(seen_, i)) continue;
            if (++regions > std::popcount(static_cast<unsigned>(unused))) return false;
            const int size = FloodRegion(i);
            if (size > kMaxArea || !anyPart_[unused].test(size)) return false;
        }
        return true;
    }

    int FloodRegion(int start) {
        stack_.clear();
        stack_.push_back(start);
        SetBit(seen_, start);
        int size = 0;
        while (!stack_.empty()) {
            const int i = stack_.back();
            stack_.pop_back();
            ++size;
            const int q = i % 4, cell = i / 4, c = cell % width_, r = cell / width_;
            const int base = cell * 4;
            int next[3] = {base + (q + 1) % 4, base + (q + 3) % 4, -1};
            if (q == kTop && r > 0) next[2] = base - width_ * 4 + kBottom;
            if (q == kRight && c + 1 < width_) next[2] = base + 4 + kLeft;
            if (q == kBottom && r + 1 < height_) next[2] = base + width_ * 4 + kTop;
            if (q == kLeft && c > 0) next[2] = base - 4 + kRight;
            for (int n : next)
                if (n >= 0 && TestBit(free_, n) && !TestBit(seen_, n)) {
                    SetBit(seen_, n);
                    stack_.push_back(n);
                }
        }
        return size;
    }

    // Covers the first uncovered quarter at or after from.
    bool Place(int from) {
        if (used_ == kAllPieces) return remaining_ == 0 && (!visit_ || !(*visit_)(slots_));
        const int x = FirstFree(from);
        if (x >= total_) return false;
        // Deeper levels only add to other quarters' lists, so this one stays put.
        const std::vector<Candidate>& list = CandidatesAt(x);
        for (const Candidate& cand : list) {
            const int piece = UnusedPiece(ShapeIndexOfPiece(pieces_[cand.shape].piece));
            if (piece == 0) continue;
            const int bit = 1 << (piece - 1);
            const int left = remaining_ - cand.area;
            if (left < 0 || !reachable_[kAllPieces & ~(used_ | bit)].test(left)) continue;
            if (!Fits(cand)) continue;
            ++nodes_;
            if (OutOfTime()) return false;
            Toggle(cand);
            used_ |= bit;
            remaining_ = left;
            slots_[piece - 1] = {cand.col, cand.row, piece, cand.orientation};
            if ((!WorthRegionCheck() || RegionsCoverable()) && Place(x + 1)) return true;
            remaining_ += cand.area;
            used_ &= ~bit;
            Toggle(cand);
        }
        return false;
    }

    std::vector<ShapeOrientation> pieces_;
    int width_ = 0, height_ = 0, total_ = 0;
    std::vector<std::uint64_t> silhouette_;  // every quarter of the silhouette
    int silhouetteArea_ = 0;
    std::vector<std::uint64_t> free_;  // silhouette quarters not yet covered
    int remaining_ = 0;                // how many there are
    std::vector<AreaSet> reachable_, anyPart_;
    std::vector<std::vector<Candidate>> byQuarter_;  // by first quarter, filled lazily
    std::vector<std::uint64_t> listed_;              // quarters whose list is filled
    std::vector<Span> spans_;
    std::vector<std::uint64_t> seen_;
    std::vector<int> stack_;
    int used_ = 0;  // bit p - 1 for each piece p laid
    PieceSlot slots_[kPieceCount] = {};
    std::int64_t nodes_ = 0;
    const SolutionVisitor* visit_ = nullptr;
    SolveClock::time_point deadline_ = SolveClock::time_point::max();
    bool timedOut_ = false;
    bool blocked_ = false;  // a fixed piece could not lie where it was asked to
};

namespace {

bool SizeInRange(const PuzzleRecord& p) {
    return p.width > 0 && p.height > 0 && p.width <= kGridSize && p.height <= kGridSize;
}

}  // namespace

SolveOutcome SolvePuzzle(const GameState& pieces, const PuzzleRecord& puzzle) {
    return SolvePuzzle(pieces, puzzle, SolveRequest{});
}

SolveOutcome SolvePuzzle(const GameState& pieces, const PuzzleRecord& puzzle,
                         const SolveRequest& request) {
    return LayoutSearch(pieces, puzzle).Solve(request);
}

LayoutSearch::LayoutSearch(const GameState& pieces, const PuzzleRecord& puzzle) {
    if (SizeInRange(puzzle)) search_ = std::make_unique<QuarterSearch>(pieces, puzzle);
}

LayoutSearch::~LayoutSearch() = default;

SolveOutcome LayoutSearch::Solve(const SolveRequest& request) {
    return search_ ? search_->Solve(request) : SolveOutcome{};
}

std::int64_t ForEachSolution(const GameState& pieces, const PuzzleRecord& puzzle,
                             const SolutionVisitor& visit) {
    if (!SizeInRange(puzzle)) return 0;
    return QuarterSearch(pieces, puzzle).Enumerate(visit);
}

bool VerifySolution(GameState* state, const PuzzleRecord& puzzle,
                    const PieceSlot (&slots)[kPieceCount]) {
    ApplyPuzzle(state, puzzle);
    bool laid[kPieceCount] = {};
    for (int i = 0; i < kPieceCount; ++i) {
        const PieceSlot& s = slots[i];
        if (s.piece < 1 || s.piece > kPieceCount || laid[s.piece - 1]) return false;
        if (s.orientation >= state->orientationCounts[s.piece - 1]) return false;
        if (!CanPlace(state, s.piece, s.orientation, s.col, s.row)) return false;
        state->fieldSlots[i] = s;
        laid[s.piece - 1] = true;
    }
    // CanPlace kept every piece inside and apart; now nothing may be left
    // uncovered.
    std::memset(state->workGrid, 0, sizeof(state->workGrid));
    for (const PieceSlot& s : state->fieldSlots) StampPiece(state, s, state->workGrid, 1);
    return std::memcmp(state->workGrid, puzzle.cells, sizeof(state->workGrid)) == 0;
}
