// A whole game on the default square, played with mouse clicks.
#include <algorithm>

#include "app_fixture.h"
#include "library/puzzle_file.h"
#include "model/game_host.h"

namespace {

class WinTest : public AppTest {
protected:
    // Takes store slot i's piece and drops it where it lies in the store's
    // assembled square, which solves the default square.
    void Place(int i) {
        const PieceSlot home = state_->storeHome[i];
        Click(StorePiecePoint(i));
        ASSERT_EQ(state_->carriedPiece, home.piece);
        Click(DropPoint(home.col, home.row));
        ASSERT_EQ(state_->carriedPiece, 0) << "piece " << home.piece;
    }
    // The last puzzle, People/people [006], as a file holding the square.
    void WriteSquarePuzzle() {
        auto square = std::make_unique<PuzzleRecord>();
        MakeDefaultSquare(square.get());
        QDir().mkpath(QStringLiteral("Puzzles/People"));
        WriteText("Puzzles/People/people [006].pzk",
                  BuildPuzzleText(square->cells, square->width, square->height, "people [006]"));
    }
};

TEST_F(WinTest, SeventhPieceWinsOnceThenNewGame) {
    WriteSquarePuzzle();
    Start();
    ModalCloser closer(&log_);
    for (int i = 0; i < kPieceCount; ++i) Place(i);

    EXPECT_EQ(state_->solved, 1);
    // The message, then "level is completed", then the New game command.
    const auto won =
        std::find(log_.begin(), log_.end(), "message Congratulations! The game is won.");
    ASSERT_NE(won, log_.end());
    ASSERT_LE(won + 3, log_.end());
    EXPECT_EQ(std::vector<std::string>(won - 1, won + 3),
              (std::vector<std::string>{"sound drop", "message Congratulations! The game is won.",
                                        "sound level is completed", "command 32787"}));
    EXPECT_EQ(Only("message").size(), 1u);
    ASSERT_EQ(state_->solvedCount, 1);
    EXPECT_STREQ(state_->solvedList[0].group, "People");
    EXPECT_STREQ(state_->solvedList[0].puzzle, "people [006]");

    // Lifting a piece and dropping it again does not win a second time.
    const PieceSlot last = state_->fieldSlots[6];
    const std::size_t messages = Only("message").size();
    // Lift the last piece by one of its full cells.
    const PieceMask& mask = state_->pieceMasks[TableIndex(last.piece, last.orientation)];
    for (int r = 0; r < kMaskSize && state_->carriedPiece == 0; ++r)
        for (int c = 0; c < kMaskSize && state_->carriedPiece == 0; ++c)
            if (IsFullCell(mask[r][c]))
                Click(CellPoint(FieldRect(state_.get()), last.col + c, last.row + r));
    ASSERT_EQ(state_->carriedPiece, last.piece);
    ASSERT_NE(state_->carriedPiece, 0);
    Click(DropPoint(last.col, last.row));
    EXPECT_EQ(state_->carriedPiece, 0);
    EXPECT_EQ(Only("message").size(), messages);
    EXPECT_EQ(state_->solvedCount, 1);
}

// The square stands in for a last puzzle that cannot be read; its names
// are that other puzzle's, so winning it marks nothing solved.
TEST_F(WinTest, FallbackSquareWinRecordsNothing) {
    Start();
    ModalCloser closer(&log_);
    for (int i = 0; i < kPieceCount; ++i) Place(i);
    EXPECT_EQ(state_->solved, 1);
    EXPECT_EQ(Only("message"),
              std::vector<std::string>{"message Congratulations! The game is won."});
    EXPECT_EQ(state_->solvedCount, 0);
}

TEST_F(WinTest, CreateModeNeverWins) {
    Start();
    ModalCloser closer(&log_);
    StartCreatePuzzle(state_.get());
    for (int i = 0; i < kPieceCount; ++i) Place(i);
    EXPECT_EQ(state_->solved, 0);
    EXPECT_TRUE(Only("message").empty());
    EXPECT_EQ(state_->solvedCount, 0);
}

}  // namespace
