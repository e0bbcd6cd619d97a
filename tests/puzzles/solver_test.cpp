// The solver against silhouettes whose answer is known.
#include "solver/solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "model/board.h"
#include "model/pieces.h"

namespace {

class SolverTest : public ::testing::Test {
protected:
    void SetUp() override {
        BuildPieceSet(pieces.get());
        MakeDefaultSquare(square.get());
    }
    // A copy of the default square to edit.
    std::unique_ptr<PuzzleRecord> Square() {
        auto p = std::make_unique<PuzzleRecord>();
        std::memcpy(p.get(), square.get(), sizeof(PuzzleRecord));
        return p;
    }
    bool Solvable(const PuzzleRecord& p) {
        const SolveOutcome o = SolvePuzzle(*pieces, p);
        if (o.solved) {
            EXPECT_TRUE(VerifySolution(scratch.get(), p, o.layout));
        }
        return o.solved;
    }

    std::unique_ptr<GameState> pieces = std::make_unique<GameState>();
    std::unique_ptr<GameState> scratch = std::make_unique<GameState>();
    std::unique_ptr<PuzzleRecord> square = std::make_unique<PuzzleRecord>();
};

// Slots of a layout by piece, with the two small and the two large
// triangles in a fixed order so that swapping them compares equal.
std::vector<std::array<int, 4>> Canonical(const PieceSlot* slots, int count) {
    std::vector<std::array<int, 4>> v;
    for (int i = 0; i < count; ++i) {
        const int piece = slots[i].piece == 2 ? 1 : slots[i].piece == 5 ? 4 : slots[i].piece;
        v.push_back({piece, slots[i].orientation, slots[i].col, slots[i].row});
    }
    std::sort(v.begin(), v.end());
    return v;
}

TEST_F(SolverTest, FindsTheHomeLayoutOfTheDefaultSquare) {
    BuildPieceSet(scratch.get());
    EXPECT_TRUE(Solvable(*square));
    EXPECT_TRUE(VerifySolution(scratch.get(), *square, pieces->storeHome));
    const auto home = Canonical(pieces->storeHome, kPieceCount);
    bool found = false;
    int layouts = 0;
    ForEachSolution(*pieces, *square, [&](const PieceSlot(&slots)[kPieceCount]) {
        ++layouts;
        found = found || Canonical(slots, kPieceCount) == home;
        return true;
    });
    EXPECT_TRUE(found);
    // The square has its eight symmetries and no other layout.
    EXPECT_EQ(layouts, 8);
}

TEST_F(SolverTest, NoLayoutWithOneQuarterAddedOrRemoved) {
    BuildPieceSet(scratch.get());
    auto less = Square();
    less->cells[17][23][kLeft] = 0;
    EXPECT_FALSE(Solvable(*less));
    auto corner = Square();
    corner->cells[0][0][kTop] = 0;
    EXPECT_FALSE(Solvable(*corner));
    auto more = Square();
    more->width = 41;
    more->cells[10][40][kLeft] = 1;
    EXPECT_FALSE(Solvable(*more));
}

TEST_F(SolverTest, NoLayoutWhenTheAreaIsRightButTheShapeIsNot) {
    BuildPieceSet(scratch.get());
    // One cell of the square moved to stick out of its right side.
    auto moved = Square();
    moved->width = 41;
    std::memset(moved->cells[39][39], 0, 4);
    std::memset(moved->cells[0][40], 1, 4);
    EXPECT_FALSE(Solvable(*moved));
    // An 80 x 20 rectangle: the area of the square, too thin for the
    // large triangles' 45-degree orientations and never tiled by them.
    auto thin = std::make_unique<PuzzleRecord>();
    thin->width = 80;
    thin->height = 20;
    for (int r = 0; r < 20; ++r) std::memset(thin->cells[r], 1, 80 * 4);
    EXPECT_FALSE(Solvable(*thin));
    // The square with a 2 x 2 hole in its middle and the cells set beside it.
    auto hole = Square();
    hole->width = 42;
    for (int r = 19; r <= 20; ++r)
        for (int c = 19; c <= 20; ++c) {
            std::memset(hole->cells[r][c], 0, 4);
            std::memset(hole->cells[r][c + 21], 1, 4);
        }
    EXPECT_FALSE(Solvable(*hole));
}

TEST_F(SolverTest, EmptyOrOversizedRecordsHaveNoLayout) {
    auto empty = std::make_unique<PuzzleRecord>();
    empty->width = empty->height = 40;
    EXPECT_FALSE(SolvePuzzle(*pieces, *empty).solved);
    auto wrong = Square();
    wrong->width = 0;
    EXPECT_FALSE(SolvePuzzle(*pieces, *wrong).solved);
    wrong->width = kGridSize + 1;
    EXPECT_FALSE(SolvePuzzle(*pieces, *wrong).solved);
}

TEST_F(SolverTest, FixedPiecesStayOrBlockTheLayout) {
    BuildPieceSet(scratch.get());
    struct Case {
        std::vector<PieceSlot> fixed;
        bool solved;
    };
    const Case cases[] = {
        {{{20, 10, 6, 1}}, true},                // the square where a layout has it
        {{{19, 10, 6, 1}}, false},               // one cell off: no layout
        {{{0, 0, 4, 5}, {20, 0, 1, 7}}, false},  // each in a layout, never together
        {{{0, 0, 4, 5}, {0, 0, 4, 5}}, false},   // a piece twice
        {{{0, 0, 4, 5}, {0, 0, 5, 5}}, false},   // overlapping
        {{{30, 30, 6, 1}}, false},               // reaching out of the square
        {{}, true},
    };
    for (const Case& c : cases) {
        SolveRequest request;
        request.fixed = c.fixed.data();
        request.fixedCount = static_cast<int>(c.fixed.size());
        const SolveOutcome o = SolvePuzzle(*pieces, *square, request);
        EXPECT_EQ(o.solved, c.solved) << c.fixed.size();
        EXPECT_FALSE(o.timedOut);
        if (!o.solved) continue;
        EXPECT_TRUE(VerifySolution(scratch.get(), *square, o.layout));
        for (const PieceSlot& f : c.fixed)
            EXPECT_EQ(std::memcmp(&o.layout[f.piece - 1], &f, sizeof f), 0);
    }
    SolveRequest late;
    late.deadline = SolveClock::now() - std::chrono::seconds(1);
    const SolveOutcome o = SolvePuzzle(*pieces, *square, late);
    EXPECT_TRUE(o.timedOut);
    EXPECT_FALSE(o.solved);
}

TEST_F(SolverTest, VerifyRejectsOverlapsGapsAndRepeatedPieces) {
    BuildPieceSet(scratch.get());
    PieceSlot slots[kPieceCount];
    std::memcpy(slots, pieces->storeHome, sizeof(slots));
    EXPECT_TRUE(VerifySolution(scratch.get(), *square, slots));
    slots[6].col -= 1;  // the last small triangle one cell to the left
    EXPECT_FALSE(VerifySolution(scratch.get(), *square, slots));
    std::memcpy(slots, pieces->storeHome, sizeof(slots));
    slots[3].piece = 2;  // piece 2 twice, piece 1 missing
    EXPECT_FALSE(VerifySolution(scratch.get(), *square, slots));
    std::memcpy(slots, pieces->storeHome, sizeof(slots));
    slots[5].orientation = 2;  // the square has orientations 0 and 1 only
    EXPECT_FALSE(VerifySolution(scratch.get(), *square, slots));
}

}  // namespace
