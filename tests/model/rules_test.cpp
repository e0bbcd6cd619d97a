// The rule book driven through its entry points, with the window replaced by
// a recorder so that the order of sounds, messages and commands is visible.
#include "model/rules.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "model/board.h"
#include "support/recording_host.h"

namespace {

using Events = std::vector<std::string>;
const std::string kTake = "sound .\\Sound\\take.wav";
const std::string kDrop = "sound .\\Sound\\drop.wav";
const std::string kError = "sound .\\Sound\\error.wav";
const std::string kRotate = "sound .\\Sound\\rotate.wav";
const std::string kCompleted = "sound .\\Sound\\level is completed.wav";
const std::string kWinMessage = "message Congratulations! The game is won.";

// Also keeps how the last message box was shown.
class BoxHost : public RecordingHost {
public:
    std::string caption;
    MsgButtons buttons{};
    MsgIcon icon{};
    MsgResult defaultButton{};

    MsgResult MessageBox(const char* text, const char* cap, MsgButtons b, MsgIcon i,
                         MsgResult d) override {
        caption = cap;
        buttons = b;
        icon = i;
        defaultButton = d;
        return RecordingHost::MessageBox(text, cap, b, i, d);
    }
};

class Rules : public ::testing::Test {
protected:
    void SetUp() override {
        MakeDefaultSquare(square.get());
        ApplyPuzzle(s.get(), *square);
        CopyName(s->currentGroup, "people");
        CopyName(s->currentPuzzle, "cat");
        host.events.clear();
    }

    // A press whose rounded point lies d pixels inside cell (col, row) of r.
    void ClickCell(const Rect& r, int col, int row, int d = 0) {
        const int scale = s->view.scale, h = scale / 2;
        HandlePrimaryClick(s.get(), r.left + (col + 1) * scale + d - h,
                           r.top + (row + 1) * scale + d - h);
    }
    // Takes the piece of a store slot by its grip cell, which is always full.
    void TakeFromStore(int slot) {
        const PieceSlot& home = s->storeHome[slot];
        const CellPoint grip = s->gripCells[TableIndex(home.piece, home.orientation)];
        ClickCell(StoreRect(s.get()), home.col + grip.col, home.row + grip.row);
    }
    // Drops the carried piece so that its mask cell (0,0) lands on (col, row).
    void DropAt(int col, int row) {
        const Rect f = FieldRect(s.get());
        const int scale = s->view.scale, h = scale / 2;
        HandlePrimaryClick(s.get(), f.left + (col + 1) * scale + s->grabOffsetX - h,
                           f.top + (row + 1) * scale + s->grabOffsetY - h);
    }
    void PlaceAtHomePosition(int slot) {
        TakeFromStore(slot);
        DropAt(s->storeHome[slot].col, s->storeHome[slot].row);
    }
    void Carry(int piece, int orientation) {
        for (int i = 0; i < kPieceCount; ++i)
            if (s->storeHome[i].piece == piece) TakeFromStore(i);
        s->carriedOrientation = orientation;
        ResetGrabToGrip(s.get());
        host.events.clear();
    }
    int Count(const std::string& event) const {
        return static_cast<int>(std::count(host.events.begin(), host.events.end(), event));
    }

    BoxHost host;
    std::unique_ptr<GameState> s = MakeGameState(&host);
    std::unique_ptr<PuzzleRecord> square = std::make_unique<PuzzleRecord>();
};

TEST_F(Rules, StoreClickWhileCarryingSendsHomeThenTakes) {
    TakeFromStore(0);
    ASSERT_EQ(s->carriedPiece, 4);
    TurnCarriedPiece(s.get(), 'S');  // the piece goes home in its home orientation anyway
    host.events.clear();

    TakeFromStore(4);
    EXPECT_EQ(host.events, (Events{kDrop, kTake, "invalidate"}));
    EXPECT_EQ(s->carriedPiece, 3);
    EXPECT_EQ(std::memcmp(&s->storeSlots[0], &s->storeHome[0], sizeof(PieceSlot)), 0);
    EXPECT_EQ(s->storeSlots[4].piece, 0);
}

TEST_F(Rules, ClickOnTheCarriedPiecesEmptyHomeLeavesNothingCarried) {
    TakeFromStore(2);
    host.events.clear();
    TakeFromStore(2);
    EXPECT_EQ(host.events, (Events{kDrop, "invalidate"}));
    EXPECT_EQ(s->carriedPiece, 0);
    EXPECT_EQ(std::memcmp(s->storeSlots, s->storeHome, sizeof s->storeSlots), 0);
}

TEST_F(Rules, EmptyStoreSpotsOnlyRepaint) {
    const Rect store = StoreRect(s.get());
    ClickCell(store, -1, -1);  // the margin
    ClickCell(store, 0, 0);    // a cell that two pieces share by halves takes neither
    ClickCell(store, 40, 39);  // the margin on the right
    EXPECT_EQ(host.events, (Events{"invalidate", "invalidate", "invalidate"}));
    EXPECT_EQ(s->carriedPiece, 0);
    EXPECT_EQ(std::memcmp(s->storeSlots, s->storeHome, sizeof s->storeSlots), 0);

    // Outside both rectangles, and on an empty part of the field: nothing at all.
    host.events.clear();
    HandlePrimaryClick(s.get(), 2, 2);
    ClickCell(FieldRect(s.get()), 10, 10);
    EXPECT_TRUE(host.events.empty());
}

TEST_F(Rules, OnlyFullCellsOfAFieldPieceTakeIt) {
    s->fieldSlots[0] = {0, 0, 1, 0};  // cell (0,0) is a half, cell (0,1) is full
    ClickCell(FieldRect(s.get()), 0, 0);
    ClickCell(FieldRect(s.get()), 1, 1);
    EXPECT_TRUE(host.events.empty());
    EXPECT_EQ(s->carriedPiece, 0);
    ClickCell(FieldRect(s.get()), 0, 1);
    EXPECT_EQ(host.events, (Events{kTake, "invalidate"}));
    EXPECT_EQ(s->carriedPiece, 1);
    EXPECT_EQ(s->fieldSlots[0].piece, 0);
}

TEST_F(Rules, DropWithoutMovingLandsWhereThePieceWas) {
    TakeFromStore(5);  // the square, as a diamond
    DropAt(3, 4);
    ASSERT_EQ(s->fieldSlots[0].piece, 6);
    const CellPoint grip = s->gripCells[TableIndex(6, 1)];
    for (int d = 0; d < s->view.scale; ++d) {
        host.events.clear();
        ClickCell(FieldRect(s.get()), 3 + grip.col, 4 + grip.row, d);
        ASSERT_EQ(s->carriedPiece, 6);
        ClickCell(FieldRect(s.get()), 3 + grip.col, 4 + grip.row, d);
        EXPECT_EQ(host.events, (Events{kTake, "invalidate", kDrop, "invalidate"}));
        EXPECT_EQ(s->fieldSlots[0].col, 3) << "offset " << d;
        EXPECT_EQ(s->fieldSlots[0].row, 4) << "offset " << d;
    }
}

TEST_F(Rules, DropIsRefusedWhenOneQuarterLeavesTheSilhouette) {
    // The default square without the bottom quarter of its corner cell.
    square->cells[0][0][kBottom] = 0;
    ApplyPuzzle(s.get(), *square);
    Carry(1, 0);  // right angle bottom left: corner cell holds bottom + left
    DropAt(0, 0);
    EXPECT_EQ(host.events, (Events{kError}));
    EXPECT_EQ(s->carriedPiece, 1);
    for (const PieceSlot& slot : s->fieldSlots) EXPECT_EQ(slot.piece, 0);

    s->carriedOrientation = 4;  // right angle top right: corner cell holds top + right
    DropAt(0, 0);
    EXPECT_EQ(s->carriedPiece, 0);
    EXPECT_EQ(s->fieldSlots[0].piece, 1);
}

TEST_F(Rules, DropIsRefusedOnOneQuarterOfOverlapButNotAlongADiagonal) {
    s->fieldSlots[0] = {0, 0, 1, 0};  // small triangle, lower-left half of 14 x 14
    // Orientation 2 at (13, 0): its hypotenuse cell (13, 13) holds left + top,
    // the placed triangle's holds bottom + left; they share the left quarter.
    EXPECT_FALSE(CanPlace(s.get(), 2, 2, 13, 0));
    EXPECT_TRUE(CanPlace(s.get(), 2, 2, 14, 0));
    // The other half of the 14 x 14 square shares every diagonal cell.
    EXPECT_TRUE(CanPlace(s.get(), 2, 4, 0, 0));
    EXPECT_FALSE(CanPlace(s.get(), 2, 0, 0, 0));

    // Through a click: the error sound, and nothing else happens.
    Carry(2, 2);
    const int grabX = s->grabOffsetX;
    DropAt(13, 0);
    EXPECT_EQ(host.events, (Events{kError}));
    EXPECT_EQ(s->carriedPiece, 2);
    EXPECT_EQ(s->grabOffsetX, grabX);
    EXPECT_EQ(s->fieldSlots[1].piece, 0);
}

TEST_F(Rules, DropIsRefusedOffTheSilhouette) {
    // The square in orientation 0 is 14 x 14 on a 40 x 40 silhouette.
    EXPECT_TRUE(CanPlace(s.get(), 6, 0, 0, 0));
    EXPECT_TRUE(CanPlace(s.get(), 6, 0, 26, 26));
    EXPECT_FALSE(CanPlace(s.get(), 6, 0, -1, 0));
    EXPECT_FALSE(CanPlace(s.get(), 6, 0, 0, -1));
    EXPECT_FALSE(CanPlace(s.get(), 6, 0, 27, 0));
    EXPECT_FALSE(CanPlace(s.get(), 6, 0, 0, 27));
    EXPECT_FALSE(CanPlace(s.get(), 6, 0, 1000000, 0));
    EXPECT_FALSE(CanPlace(s.get(), 6, 0, -1000000, -1000000));
    EXPECT_FALSE(CanPlace(s.get(), 6, 0, INT32_MAX, 0));
    EXPECT_FALSE(CanPlace(s.get(), 6, 0, 0, INT32_MAX));
    EXPECT_FALSE(CanPlace(s.get(), 6, 0, INT32_MIN, INT32_MIN));

    Carry(6, 0);
    DropAt(-1, 5);  // the field's margin column
    DropAt(27, 5);
    EXPECT_EQ(host.events, (Events{kError, kError}));
    EXPECT_EQ(s->carriedPiece, 6);
}

TEST_F(Rules, SeventhDropWinsOnceInTheDocumentedOrder) {
    for (int i = 0; i < kPieceCount - 1; ++i) PlaceAtHomePosition(i);
    EXPECT_EQ(s->solved, 0);
    TakeFromStore(6);
    host.events.clear();
    DropAt(s->storeHome[6].col, s->storeHome[6].row);
    EXPECT_EQ(host.events, (Events{kDrop, "invalidate", kWinMessage, kCompleted,
                                   "command " + std::to_string(kCmdNewGame), "invalidate"}));
    // A plain box: the title as caption, a single OK button and no icon.
    EXPECT_EQ(host.caption, "Polyshard");
    EXPECT_EQ(host.buttons, MsgButtons::Ok);
    EXPECT_EQ(host.icon, MsgIcon::None);
    EXPECT_EQ(host.defaultButton, MsgResult::Ok);
    EXPECT_EQ(s->solved, 1);
    ASSERT_EQ(s->solvedCount, 1);
    EXPECT_STREQ(s->solvedList[0].group, "people");
    EXPECT_STREQ(s->solvedList[0].puzzle, "cat");
    // The seven pieces fill the silhouette exactly.
    static Grid stamped;
    std::memset(stamped, 0, sizeof stamped);
    for (const PieceSlot& slot : s->fieldSlots) StampPiece(s.get(), slot, stamped, 1);
    EXPECT_EQ(std::memcmp(stamped, s->cells, sizeof(Grid)), 0);

    // The New game dialog was cancelled: moving a piece again wins nothing.
    host.events.clear();
    const CellPoint grip = s->gripCells[TableIndex(4, 5)];
    ClickCell(FieldRect(s.get()), grip.col, grip.row);
    ClickCell(FieldRect(s.get()), grip.col, grip.row);
    EXPECT_EQ(Count(kWinMessage), 0);
    EXPECT_EQ(Count(kDrop), 1);
    EXPECT_EQ(s->solved, 1);

    // Reloading the puzzle and winning again: the message, but no second entry.
    ApplyPuzzle(s.get(), *square);
    host.events.clear();
    for (int i = 0; i < kPieceCount; ++i) PlaceAtHomePosition(i);
    EXPECT_EQ(Count(kWinMessage), 1);
    EXPECT_EQ(s->solvedCount, 1);
}

TEST_F(Rules, CreateModeNeverWins) {
    StartCreatePuzzle(s.get());
    host.events.clear();
    for (int i = 0; i < kPieceCount; ++i) PlaceAtHomePosition(i);
    for (const PieceSlot& slot : s->fieldSlots) EXPECT_NE(slot.piece, 0);
    EXPECT_EQ(Count(kWinMessage), 0);
    EXPECT_EQ(Count("command " + std::to_string(kCmdNewGame)), 0);
    EXPECT_EQ(s->solved, 0);
    EXPECT_EQ(s->solvedCount, 0);
}

TEST_F(Rules, FullSolvedListStaysAsItIs) {
    for (int i = 0; i < kMaxSolved; ++i) {
        CopyName(s->solvedList[i].group, "g");
        std::snprintf(s->solvedList[i].puzzle, kNameSize, "p%d", i);
    }
    s->solvedCount = kMaxSolved;
    for (int i = 0; i < kPieceCount; ++i) PlaceAtHomePosition(i);
    EXPECT_EQ(Count(kWinMessage), 1);
    EXPECT_EQ(s->solvedCount, kMaxSolved);
    EXPECT_STREQ(s->solvedList[kMaxSolved - 1].puzzle, "p999");
}

TEST_F(Rules, SolvedNamesCompareCaseSensitively) {
    RecordSolved(s.get(), "people", "cat");
    RecordSolved(s.get(), "people", "cat");
    RecordSolved(s.get(), "People", "cat");
    RecordSolved(s.get(), "people", "Cat");
    EXPECT_EQ(s->solvedCount, 3);
}

TEST_F(Rules, NamesTheSettingsFileCannotKeepAreNotRecorded) {
    // A blank name reads back empty and ends the stored list there, so every
    // later entry would be lost at the next start.
    RecordSolved(s.get(), "People", "");
    RecordSolved(s.get(), "", "cat");
    RecordSolved(s.get(), "People", " \t ");
    RecordSolved(s.get(), "People", "two\r\nlines");
    EXPECT_EQ(s->solvedCount, 0);
    RecordSolved(s.get(), "People", " cat ");
    EXPECT_EQ(s->solvedCount, 1);

    // A won puzzle of that kind is still announced.
    CopyName(s->currentPuzzle, "");
    for (int i = 0; i < kPieceCount; ++i) PlaceAtHomePosition(i);
    EXPECT_EQ(Count(kWinMessage), 1);
    EXPECT_EQ(s->solvedCount, 1);
}

TEST_F(Rules, KeysTurnOnlyACarriedPiece) {
    TurnCarriedPiece(s.get(), 'A');
    EXPECT_TRUE(host.events.empty());

    Carry(4, 0);
    TurnCarriedPiece(s.get(), 'A');
    EXPECT_EQ(s->carriedOrientation, 7);
    EXPECT_EQ(host.events, (Events{"invalidate+erase", kRotate}));
    const CellPoint grip = s->gripCells[TableIndex(4, 7)];
    EXPECT_EQ(s->grabOffsetX, grip.col * 8);
    EXPECT_EQ(s->grabOffsetY, grip.row * 8);
    TurnCarriedPiece(s.get(), 'S');
    EXPECT_EQ(s->carriedOrientation, 0);
    host.events.clear();
    TurnCarriedPiece(s.get(), 'B');
    TurnCarriedPiece(s.get(), 'a');
    EXPECT_TRUE(host.events.empty());
    EXPECT_EQ(s->carriedOrientation, 0);

    Carry(6, 1);
    TurnCarriedPiece(s.get(), 'S');
    EXPECT_EQ(s->carriedOrientation, 0);
    TurnCarriedPiece(s.get(), 'A');
    EXPECT_EQ(s->carriedOrientation, 1);
}

TEST_F(Rules, ContextMenuNeedsACarriedPiece) {
    s->menuTarget = &s->menuTargetPair;
    ShowOrientationMenu(s.get(), 100, 100);
    EXPECT_EQ(s->menuTarget, nullptr);
    EXPECT_TRUE(host.events.empty());

    Carry(6, 0);
    ShowOrientationMenu(s.get(), 100, 100);
    Carry(7, 0);  // sends the square home
    ShowOrientationMenu(s.get(), 100, 100);
    EXPECT_EQ(host.events, (Events{"popup 8"}));
    ASSERT_NE(s->menuTarget, nullptr);
    EXPECT_EQ(s->menuTarget->piece, &s->carriedPiece);
    EXPECT_EQ(s->menuTarget->orientation, &s->carriedOrientation);
}

TEST_F(Rules, MenuOrientationAppliesOnlyWhileThePieceIsCarried) {
    Carry(6, 0);
    ShowOrientationMenu(s.get(), 0, 0);
    EXPECT_EQ(host.events, (Events{"popup 2"}));
    host.events.clear();

    Carry(7, 0);
    ShowOrientationMenu(s.get(), 0, 0);
    SetOrientationFromMenu(s.get(), kCmdOrientation3);
    EXPECT_EQ(s->carriedOrientation, 2);
    const CellPoint grip = s->gripCells[TableIndex(7, 2)];
    EXPECT_EQ(s->grabOffsetX, grip.col * 8);
    EXPECT_EQ(s->grabOffsetY, grip.row * 8);
    SetOrientationFromMenu(s.get(), kCmdOrientation3);  // unchanged, still a rotate sound
    EXPECT_EQ(host.events, (Events{"popup 8", "invalidate", kRotate, "invalidate", kRotate}));

    DropAt(0, 0);
    ASSERT_EQ(s->carriedPiece, 0);
    host.events.clear();
    SetOrientationFromMenu(s.get(), kCmdOrientation8);
    EXPECT_TRUE(host.events.empty());
    EXPECT_EQ(s->carriedOrientation, 2);
}

TEST_F(Rules, OrientationCommandsFollowThePopupItems) {
    const int commands[8] = {32772, 32774, 32773, 32779, 32780, 32781, 32783, 32786};
    for (int o = 0; o < 8; ++o) EXPECT_EQ(OrientationForCommand(commands[o]), o);
    EXPECT_EQ(OrientationForCommand(kCmdNewGame), 0);
    EXPECT_EQ(OrientationForCommand(0), 0);
}

TEST_F(Rules, SilhouetteNeverHoldsTheWorkValues) {
    for (int i = 0; i < kPieceCount - 1; ++i) PlaceAtHomePosition(i);
    Carry(2, 0);
    DropAt(0, 0);  // refused: overlaps
    for (int r = 0; r < kGridSize; ++r)
        for (int c = 0; c < kGridSize; ++c)
            for (int q = 0; q < 4; ++q) ASSERT_LE(s->cells[r][c][q], 1);
}

}  // namespace
