#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "library/puzzle_file.h"
#include "model/board.h"
#include "model/rules.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace {

// Records the details of message boxes that the plain recorder drops.
class MessageHost : public RecordingHost {
public:
    struct Box {
        std::string caption;
        MsgButtons buttons;
        MsgIcon icon;
        MsgResult defaultButton;
    };
    std::vector<Box> boxes;

    MsgResult MessageBox(const char* text, const char* caption, MsgButtons buttons, MsgIcon icon,
                         MsgResult defaultButton) override {
        boxes.push_back({caption, buttons, icon, defaultButton});
        return RecordingHost::MessageBox(text, caption, buttons, icon, defaultButton);
    }
};

const char kPath[] = "Puzzles/People/mine.pzk";

class PuzzleSave : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        state = MakeGameState(&host);
        StartCreatePuzzle(state.get());
        // All seven pieces on the open board, away from its top-left corner.
        for (int i = 0; i < kPieceCount; ++i) {
            state->fieldSlots[i] = {17 + 16 * i, 33 + 5 * i, i + 1, i % 2};
            state->storeSlots[i].piece = 0;
        }
        CopyName(state->currentGroup, "People");
        CopyName(state->currentPuzzle, "mine");
        std::filesystem::create_directories("Puzzles/People");
        host.events.clear();
    }

    // The pieces stamped where they lie, for comparison with the saved figure.
    std::unique_ptr<PuzzleRecord> Stamped() const {
        auto p = std::make_unique<PuzzleRecord>();
        for (const PieceSlot& slot : state->fieldSlots) StampPiece(state.get(), slot, p->cells, 1);
        return p;
    }

    void ExpectUnchanged() const {
        EXPECT_EQ(state->createMode, 1);
        EXPECT_EQ(state->silhouetteWidth, kGridSize);
        for (int i = 0; i < kPieceCount; ++i) EXPECT_EQ(state->fieldSlots[i].piece, i + 1);
    }

    MessageHost host;
    std::unique_ptr<GameState> state;
};

}  // namespace

TEST_F(PuzzleSave, FigureIsMovedToTheTopLeftAndBecomesTheCurrentPuzzle) {
    const auto before = Stamped();
    SavePuzzleFile(state.get());

    ASSERT_EQ(host.Only("message"), std::vector<std::string>{"message Puzzle saved."});
    EXPECT_EQ(host.boxes[0].caption, "Polyshard");
    EXPECT_EQ(host.boxes[0].icon, MsgIcon::Question);
    EXPECT_EQ(host.boxes[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(host.events.end()[-2], "invalidate") << "repaint requested before the message";

    auto saved = std::make_unique<PuzzleRecord>();
    ASSERT_TRUE(ReadPuzzleFile("Puzzles\\People\\mine.pzk", saved.get()));
    // The pieces' union starts at column 17, row 33; the file starts at 0, 0.
    int dy = 0, dx = 0;
    for (int r = 0; r < kGridSize; ++r)
        for (int c = 0; c < kGridSize; ++c)
            for (int k = 0; k < 4; ++k) {
                const int want = (r + 33 < kGridSize && c + 17 < kGridSize)
                                     ? before->cells[r + 33][c + 17][k]
                                     : 0;
                ASSERT_EQ(saved->cells[r][c][k], want) << r << "," << c << "," << k;
                if (want) dy = std::max(dy, r + 1), dx = std::max(dx, c + 1);
            }
    EXPECT_EQ(saved->width, dx);
    EXPECT_EQ(saved->height, dy);

    EXPECT_EQ(state->silhouetteWidth, dx);
    EXPECT_EQ(state->silhouetteHeight, dy);
    EXPECT_EQ(std::memcmp(state->cells, saved->cells, sizeof(Grid)), 0);
    EXPECT_EQ(state->createMode, 0);
    EXPECT_EQ(state->carriedPiece, 0);
    for (int i = 0; i < kPieceCount; ++i) {
        EXPECT_EQ(state->fieldSlots[i].piece, 0);
        EXPECT_EQ(state->storeSlots[i].piece, state->storeHome[i].piece);
    }
    EXPECT_STREQ(state->currentGroup, "People");
    EXPECT_STREQ(state->currentPuzzle, "mine");
}

TEST_F(PuzzleSave, OverwriteAfterYesLeavesExactlyTheNewText) {
    WriteText(kPath, std::string(200000, 'x'));
    host.nextAnswer = MsgResult::Yes;
    SavePuzzleFile(state.get());
    EXPECT_EQ(host.Only("message"), (std::vector<std::string>{"message File exist. Overwrite?",
                                                              "message Puzzle saved."}));
    EXPECT_EQ(host.boxes[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(host.boxes[0].defaultButton, MsgResult::No);
    EXPECT_EQ(host.boxes[0].icon, MsgIcon::Question);
    EXPECT_EQ(ReadText(kPath), BuildPuzzleText(state->cells, state->silhouetteWidth,
                                               state->silhouetteHeight, "mine"));
    EXPECT_EQ(CountFiles("Puzzles/People"), 1);
}

TEST_F(PuzzleSave, NoWritesNothingAndSaysNothingMore) {
    WriteText(kPath, "old");
    host.nextAnswer = MsgResult::No;
    SavePuzzleFile(state.get());
    EXPECT_EQ(host.events, std::vector<std::string>{"message File exist. Overwrite?"});
    EXPECT_EQ(ReadText(kPath), "old");
    ExpectUnchanged();
}

TEST_F(PuzzleSave, MissingGroupFolderReportsOpenError) {
    CopyName(state->currentGroup, "Nowhere");
    SavePuzzleFile(state.get());
    EXPECT_EQ(host.events, std::vector<std::string>{"message Error open file for save."});
    EXPECT_EQ(host.boxes[0].icon, MsgIcon::Error);
    ExpectUnchanged();
}

TEST_F(PuzzleSave, ReadOnlyFolderKeepsTheOldFile) {
    WriteText(kPath, "old");
    std::filesystem::permissions(
        "Puzzles/People", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const bool rootIgnoresModes = access("Puzzles/People", W_OK) == 0;
    if (!rootIgnoresModes) {
        SavePuzzleFile(state.get());
        EXPECT_EQ(host.Only("message").back(), "message Error open file for save.");
        EXPECT_EQ(ReadText(kPath), "old");
        ExpectUnchanged();
    }
    std::filesystem::permissions("Puzzles/People", std::filesystem::perms::owner_all);
    if (rootIgnoresModes) GTEST_SKIP() << "folder modes do not bind this user";
}

// A full disk, stood in for by a file size limit (POSIX only).
#ifdef POLYSHARD_HAS_FILE_SIZE_LIMIT
TEST_F(PuzzleSave, FailedWriteReportsSaveErrorAndKeepsTheOldFile) {
    WriteText(kPath, "old");
    {
        FileSizeLimit limit(64);
        SavePuzzleFile(state.get());
    }
    EXPECT_EQ(host.Only("message"), (std::vector<std::string>{"message File exist. Overwrite?",
                                                              "message Error save file."}));
    EXPECT_EQ(host.boxes[1].icon, MsgIcon::Error);
    EXPECT_EQ(ReadText(kPath), "old");
    EXPECT_EQ(CountFiles("Puzzles/People"), 1);
    ExpectUnchanged();
}
#endif

// Names that PuzzlePath refuses (they would lead out of the library, or
// the path would have to be cut) save nothing anywhere.
TEST_F(PuzzleSave, RefusedNamesWriteNothing) {
    const std::string longGroup(250, 'g');
    std::vector<std::pair<std::string, std::string>> refused = {{"People", "..\\..\\decoy"},
                                                                {"People", "..\\..\\..\\decoy"},
                                                                {"..", "decoy"},
                                                                {"People", "a/b"}};
#ifndef _WIN32  // Windows itself keeps folders that long from being made
    std::filesystem::create_directories("Puzzles/" + longGroup);
    refused.push_back({longGroup, "mine"});
#endif
    for (const auto& [group, name] : refused) {
        SCOPED_TRACE(group + " / " + name);
        host.events.clear();
        CopyName(state->currentGroup, group.c_str());
        CopyName(state->currentPuzzle, name.c_str());
        SavePuzzleFile(state.get());
        EXPECT_EQ(host.events, std::vector<std::string>{"message Error open file for save."});
        ExpectUnchanged();
    }
    EXPECT_EQ(CountFiles("."), 1);  // only Puzzles
    EXPECT_EQ(CountFiles("Puzzles/People"), 0);
#ifndef _WIN32
    EXPECT_EQ(CountFiles("Puzzles/" + longGroup), 0);
#endif
}

// The reader takes at most 159 cells each way, so a larger figure is
// refused before anything is written, and create mode goes on.
TEST_F(PuzzleSave, FigureOf160CellsIsRefused) {
    for (const bool wide : {true, false}) {
        SCOPED_TRACE(wide ? "wide" : "high");
        host.events.clear();
        // Slide the last piece out until the figure spans the whole board.
        PieceSlot &first = state->fieldSlots[0], &last = state->fieldSlots[6];
        const PieceSlot before[] = {first, last};
        (wide ? first.col : first.row) = 0;
        int dx = 0, dy = 0;
        for (int at = 100; at < kGridSize && (wide ? dx : dy) < kGridSize; ++at) {
            (wide ? last.col : last.row) = at;
            (wide ? last.row : last.col) = 40;
            ExtractFigure(state.get(), state->workGrid, &dx, &dy);
        }
        ASSERT_EQ(wide ? dx : dy, kGridSize);
        SavePuzzleFile(state.get());
        EXPECT_EQ(host.events,
                  std::vector<std::string>{
                      "message The figure must be less than 160 cells wide and high."});
        EXPECT_EQ(host.boxes.back().caption, "Polyshard");
        EXPECT_FALSE(std::filesystem::exists(kPath));
        ExpectUnchanged();
        first = before[0];
        last = before[1];
    }
}

// Replacing goes through a rename, which needs only the folder's
// permission; the old file's own permission decides, and is kept.
TEST_F(PuzzleSave, WriteProtectedFileStaysAndModeIsKept) {
    namespace fs = std::filesystem;
    // The write-protected case first: the save of the other one ends create
    // mode.
    const fs::perms kModes[] = {
        fs::perms::owner_read | fs::perms::group_read,
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read};
    for (const fs::perms mode : kModes) {
        const bool writable = (mode & fs::perms::owner_write) != fs::perms::none;
        SCOPED_TRACE(writable ? "writable" : "write-protected");
        host.events.clear();
        if (fs::exists(kPath))
            fs::permissions(kPath, fs::perms::owner_write, fs::perm_options::add);
        fs::remove(kPath);
        WriteText(kPath, "old");
        fs::permissions(kPath, mode);
        host.nextAnswer = MsgResult::Yes;
        SavePuzzleFile(state.get());
        EXPECT_EQ(host.Only("message").back(),
                  writable ? "message Puzzle saved." : "message Error open file for save.");
        EXPECT_EQ(ReadText(kPath) == "old", !writable);
#ifdef _WIN32  // Windows keeps only a read-only flag
        EXPECT_EQ(fs::status(kPath).permissions() & fs::perms::owner_write,
                  mode & fs::perms::owner_write);
#else
        EXPECT_EQ(fs::status(kPath).permissions(), mode);
#endif
        EXPECT_EQ(CountFiles("Puzzles/People"), 1);
    }
}

TEST(PuzzleExtract, EmptyFieldGivesAnEmptyFigure) {
    RecordingHost host;
    auto state = MakeGameState(&host);
    int dx = -1, dy = -1;
    ExtractFigure(state.get(), state->workGrid, &dx, &dy);
    EXPECT_EQ(dx, 0);
    EXPECT_EQ(dy, 0);
    EXPECT_EQ(BuildPuzzleText(state->workGrid, dx, dy, "e"),
              "[DATA]\r\nNAME = e\r\nDX = 0\r\nDY = 0\r\n");
}
