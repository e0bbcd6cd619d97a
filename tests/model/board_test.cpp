// Board geometry and the two operations that replace the board.
#include "model/board.h"

#include <gtest/gtest.h>

#include <cstring>

#include "model/rules.h"
#include "support/recording_host.h"

namespace {

void ExpectRect(const Rect& r, int left, int top, int right, int bottom) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

class Board : public ::testing::Test {
protected:
    void SetUp() override {
        MakeDefaultSquare(square.get());
        ApplyPuzzle(s.get(), *square);
        host.events.clear();
        host.layouts = 0;
    }
    RecordingHost host;
    std::unique_ptr<GameState> s = MakeGameState(&host);
    std::unique_ptr<PuzzleRecord> square = std::make_unique<PuzzleRecord>();
};

TEST_F(Board, StoreAndFieldSwapPlacesWithStorePosition) {
    s->view.storePosition = 0;
    ExpectRect(StoreRect(s.get()), 32, 32, 368, 368);
    ExpectRect(FieldRect(s.get()), 400, 32, 736, 368);
    s->view.storePosition = 1;
    ExpectRect(FieldRect(s.get()), 32, 32, 368, 368);
    ExpectRect(StoreRect(s.get()), 400, 32, 736, 368);

    // The origin moves both; a wider silhouette pushes the store further right.
    s->originX = 10;
    s->originY = 5;
    s->silhouetteWidth = 60;
    ExpectRect(FieldRect(s.get()), 42, 37, 42 + 62 * 8, 37 + 42 * 8);
    ExpectRect(StoreRect(s.get()), 42 + 62 * 8 + 32, 37, 42 + 62 * 8 + 32 + 42 * 8, 37 + 42 * 8);
}

TEST_F(Board, FullCellNeedsAllFourQuarters) {
    const std::uint8_t full[4] = {1, 1, 1, 1}, half[4] = {1, 1, 0, 0}, odd[4] = {3, 1, 5, 7};
    const std::uint8_t even[4] = {2, 1, 1, 1};
    EXPECT_TRUE(IsFullCell(full));
    EXPECT_FALSE(IsFullCell(half));
    EXPECT_TRUE(IsFullCell(odd));
    EXPECT_FALSE(IsFullCell(even));
}

TEST_F(Board, ApplyPuzzleStartsAFreshGameWhateverCameBefore) {
    s->fieldSlots[3] = {5, 6, 2, 1};
    s->storeSlots[0].piece = 0;
    s->carriedPiece = 4;
    s->carriedOrientation = 3;
    s->grabOffsetX = 11;
    s->grabOffsetY = 12;
    s->createMode = 1;
    s->solved = 1;
    s->workGrid[7][7][1] = 2;

    auto puzzle = std::make_unique<PuzzleRecord>();
    std::memset(puzzle.get(), 0, sizeof(PuzzleRecord));
    puzzle->width = 25;
    puzzle->height = 30;
    puzzle->cells[29][24][kLeft] = 1;
    ApplyPuzzle(s.get(), *puzzle);

    for (int i = 0; i < kPieceCount; ++i) {
        EXPECT_EQ(std::memcmp(&s->storeSlots[i], &s->storeHome[i], sizeof(PieceSlot)), 0);
        const PieceSlot& f = s->fieldSlots[i];
        EXPECT_EQ(f.col | f.row | f.piece | f.orientation, 0);
    }
    EXPECT_EQ(s->carriedPiece, 0);
    EXPECT_EQ(s->createMode, 0);
    EXPECT_EQ(s->solved, 0);
    EXPECT_EQ(s->silhouetteWidth, 25);
    EXPECT_EQ(s->silhouetteHeight, 30);
    EXPECT_EQ(std::memcmp(s->cells, puzzle->cells, sizeof(Grid)), 0);
    // Left alone: the orientation, the grab offsets and the scratch grid.
    EXPECT_EQ(s->carriedOrientation, 3);
    EXPECT_EQ(s->grabOffsetX, 11);
    EXPECT_EQ(s->grabOffsetY, 12);
    EXPECT_EQ(s->workGrid[7][7][1], 2);

    EXPECT_EQ(host.layouts, 1);
    EXPECT_EQ(host.events, (std::vector<std::string>{"menu", "invalidate"}));
}

TEST_F(Board, CreateModeOpensTheWholeBoard) {
    s->solved = 1;
    StartCreatePuzzle(s.get());
    EXPECT_EQ(s->createMode, 1);
    EXPECT_EQ(s->solved, 0);
    EXPECT_EQ(s->silhouetteWidth, 160);
    EXPECT_EQ(s->silhouetteHeight, 160);
    for (int r = 0; r < kGridSize; ++r)
        for (int c = 0; c < kGridSize; ++c) ASSERT_TRUE(IsFullCell(s->cells[r][c]));
    EXPECT_EQ(host.events, (std::vector<std::string>{"menu", "invalidate", "menu"}));

    s->view.scale = 4;
    const Rect field = FieldRect(s.get());
    EXPECT_EQ(field.right - field.left, 648);
    EXPECT_EQ(field.bottom - field.top, 648);

    // Applying a puzzle leaves create mode again.
    ApplyPuzzle(s.get(), *square);
    EXPECT_EQ(s->createMode, 0);
}

TEST_F(Board, DefaultSquareIsFilledExactlyByTheHomeLayout) {
    EXPECT_EQ(square->width, 40);
    EXPECT_EQ(square->height, 40);
    static Grid stamped;
    std::memset(stamped, 0, sizeof stamped);
    for (const PieceSlot& slot : s->storeHome) StampPiece(s.get(), slot, stamped, 1);
    EXPECT_EQ(std::memcmp(stamped, square->cells, sizeof(Grid)), 0);
}

}  // namespace
