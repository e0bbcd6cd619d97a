// Hints and the shown solution on the default square, whose eight layouts
// are known: the store's home layout and its symmetries.
#include "model/hints.h"

#include <gtest/gtest.h>

#include <cstring>

#include "model/board.h"
#include "model/rules.h"
#include "support/recording_host.h"

namespace {

using Events = std::vector<std::string>;
const std::string kDrop = "sound .\\Sound\\drop.wav";
const std::string kError = "sound .\\Sound\\error.wav";
const std::string kWin = "message Congratulations! The game is won.";

// Pieces at a home position, and ones moved a cell off it that no layout
// of the square keeps (found with the solver).
constexpr PieceSlot kHome4{0, 0, 4, 5};
constexpr PieceSlot kSquareOff{19, 10, 6, 1};
constexpr PieceSlot kSmallOff{29, 20, 2, 1};

class Hints : public ::testing::Test {
protected:
    void SetUp() override {
        MakeDefaultSquare(square.get());
        ApplyPuzzle(s.get(), *square);
        CopyName(s->currentGroup, "people");
        CopyName(s->currentPuzzle, "cat");
    }
    // Moves a piece from the store onto the field, silently.
    void Lay(const PieceSlot& slot) {
        for (PieceSlot& st : s->storeSlots)
            if (st.piece == slot.piece) st.piece = 0;
        for (PieceSlot& f : s->fieldSlots)
            if (f.piece == 0) {
                f = slot;
                break;
            }
        host.events.clear();
    }
    bool OnField(const PieceSlot& want) const {
        for (const PieceSlot& f : s->fieldSlots)
            if (std::memcmp(&f, &want, sizeof f) == 0) return true;
        return false;
    }
    int FieldCount() const {
        int n = 0;
        for (const PieceSlot& f : s->fieldSlots) n += f.piece != 0;
        return n;
    }
    // The field pieces cover the silhouette exactly.
    bool Covered() {
        static Grid stamped;
        std::memset(stamped, 0, sizeof stamped);
        for (const PieceSlot& f : s->fieldSlots) StampPiece(s.get(), f, stamped, 1);
        return std::memcmp(stamped, s->cells, sizeof(Grid)) == 0;
    }

    RecordingHost host;
    std::unique_ptr<GameState> s = MakeGameState(&host);
    std::unique_ptr<PuzzleRecord> square = std::make_unique<PuzzleRecord>();
};

TEST_F(Hints, LaysTheLowestPieceOrTheOneCarriedLastAroundTheFieldPieces) {
    Lay(kHome4);
    EXPECT_EQ(GiveHint(s.get()), HintOutcome::PiecePlaced);
    EXPECT_EQ(host.events, (Events{kDrop, "invalidate"}));
    EXPECT_TRUE(OnField(kHome4));
    EXPECT_EQ(FieldCount(), 2);
    EXPECT_EQ(s->storeSlots[3].piece, 0);  // piece 1 left the store

    // Piece 3 carried: it goes home, then the hint lays it.
    HandlePrimaryClick(s.get(), 0, 0);  // nothing happens outside the board
    s->carriedPiece = 3;
    s->lastCarriedPiece = 3;
    s->storeSlots[4].piece = 0;
    EXPECT_EQ(GiveHint(s.get()), HintOutcome::PiecePlaced);
    EXPECT_EQ(s->carriedPiece, 0);
    EXPECT_EQ(s->storeSlots[4].piece, 0);
    EXPECT_EQ(FieldCount(), 3);
}

TEST_F(Hints, TheLastHintWinsAsADropByHand) {
    for (int i = 0; i < kPieceCount - 1; ++i) Lay(s->storeHome[i]);
    EXPECT_EQ(GiveHint(s.get()), HintOutcome::PiecePlaced);
    EXPECT_EQ(host.events,
              (Events{kDrop, "invalidate", kWin, "sound .\\Sound\\level is completed.wav",
                      "command " + std::to_string(kCmdNewGame), "invalidate"}));
    EXPECT_EQ(s->solved, 1);
    EXPECT_EQ(s->solvedCount, 1);
    EXPECT_TRUE(Covered());
}

TEST_F(Hints, SendsBackTheFewestPiecesThatFitNoLayout) {
    struct Case {
        std::vector<PieceSlot> field;
        std::vector<int> sentBack;
    };
    const Case cases[] = {
        {{kHome4, kSquareOff}, {6}},
        {{kSquareOff, kHome4, kSmallOff}, {6, 2}},
    };
    for (const Case& c : cases) {
        ApplyPuzzle(s.get(), *square);
        for (const PieceSlot& p : c.field) Lay(p);
        EXPECT_EQ(GiveHint(s.get()), HintOutcome::PiecesSentBack);
        EXPECT_EQ(host.events,
                  (Events{kError, "invalidate", "message " + std::string(kHintMisfitText)}));
        EXPECT_TRUE(OnField(kHome4));
        EXPECT_EQ(FieldCount(), static_cast<int>(c.field.size() - c.sentBack.size()));
        for (int piece : c.sentBack)
            for (int j = 0; j < kPieceCount; ++j) {
                if (s->storeHome[j].piece == piece) {
                    EXPECT_EQ(s->storeSlots[j].piece, piece);
                }
            }
    }
}

TEST_F(Hints, ASearchOutOfTimeStopsAndSaysSo) {
    Lay(kHome4);
    EXPECT_EQ(GiveHint(s.get(), SolveClock::duration::zero()), HintOutcome::TimedOut);
    EXPECT_EQ(host.events.back(), "message " + std::string(kHintTimeoutText));
    EXPECT_EQ(FieldCount(), 1);
}

TEST_F(Hints, ShowSolutionLaysAllAndNeverCountsAsAWin) {
    for (const PieceSlot& start : {kHome4, kSquareOff}) {
        ApplyPuzzle(s.get(), *square);
        Lay(start);
        EXPECT_TRUE(ShowSolution(s.get()));
        EXPECT_EQ(host.events, (Events{"invalidate"}));
        EXPECT_EQ(OnField(start), start.piece == kHome4.piece);  // kept where it can stay
        EXPECT_TRUE(Covered());
        EXPECT_EQ(s->solvedCount, 0);
        // Taken off and laid again by hand: still no win.
        const PieceSlot last = s->fieldSlots[6];
        s->fieldSlots[6].piece = 0;
        s->carriedPiece = last.piece;
        s->carriedOrientation = last.orientation;
        s->grabOffsetX = s->grabOffsetY = 0;
        const Rect f = FieldRect(s.get());
        const int h = s->view.scale / 2;
        HandlePrimaryClick(s.get(), f.left + (last.col + 1) * s->view.scale - h,
                           f.top + (last.row + 1) * s->view.scale - h);
        EXPECT_EQ(s->carriedPiece, 0);
        EXPECT_EQ(s->solvedCount, 0);
        for (const std::string& e : host.events) EXPECT_NE(e, kWin);
    }
}

}  // namespace
