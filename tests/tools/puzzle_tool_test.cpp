// polyshard-puzzle driven through its command line, in a fresh directory.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "library/file_access.h"
#include "library/puzzle_file.h"
#include "model/board.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace {

struct ToolRun {
    int code;
    std::string out, err;
};

// The home layout moved away from the corner, with comments, blank lines and
// CR LF line ends that the reader must skip.
const char kHomeLayout[] =
    "# the classic square\r\n"
    "4 5 50 60\r\n"
    "5 3 50 80\r\n"
    "\r\n"
    "   # indented comment\r\n"
    "7 0 50 60\r\n"
    "1 7 60 70\r\n"
    "3 4 70 60\r\n"
    "6 1 70 70\r\n"
    "\t2 +1 80  80\r\n";

class PuzzleTool : public TempDirTest {
protected:
    ToolRun Run(const std::string& args) {
        const std::string command =
            std::string("'") + POLYSHARD_PUZZLE_TOOL + "' " + args + " >stdout.txt 2>stderr.txt";
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status));
        return {WEXITSTATUS(status), ReadText("stdout.txt"), ReadText("stderr.txt")};
    }
    // Runs make on a placement text; the refusal tests expect exit 1.
    ToolRun Make(const std::string& placements, const std::string& out = "out.pzk",
                 const std::string& name = "cat") {
        WriteText("placements.txt", placements);
        return Run("make --name '" + name + "' --out " + out + " placements.txt");
    }
    // What the game's Save puzzle writes for the home layout on the field.
    static std::string GameSaveOfHomeLayout() {
        RecordingHost host;
        auto s = MakeGameState(&host);
        StartCreatePuzzle(s.get());
        for (int i = 0; i < kPieceCount; ++i) {
            s->fieldSlots[i] = s->storeHome[i];
            s->fieldSlots[i].col += 3;
            s->fieldSlots[i].row += 9;
        }
        CopyName(s->currentGroup, "g");
        CopyName(s->currentPuzzle, "square");
        EXPECT_TRUE(CreateFolder("Puzzles") && CreateFolder("Puzzles/g"));
        SavePuzzleFile(s.get());
        EXPECT_EQ(host.Only("message"), (std::vector<std::string>{"message Puzzle saved."}));
        return ReadText("Puzzles/g/square.pzk");
    }
    void ExpectRefused(const std::string& placements, const std::string& message) {
        const ToolRun r = Make(placements);
        EXPECT_EQ(r.code, 1) << placements;
        EXPECT_EQ(r.err, "placements.txt:" + message + "\n") << placements;
        EXPECT_FALSE(PathExists("out.pzk"));
    }
};

TEST_F(PuzzleTool, HomeLayoutMakesTheGamesSquareByteForByte) {
    const ToolRun r = Make(kHomeLayout, "square.pzk", "square");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "square.pzk: written 40x40\n");
    const std::string made = ReadText("square.pzk");
    EXPECT_EQ(made, GameSaveOfHomeLayout());

    std::string expected = "[DATA]\r\nNAME = square\r\nDX = 40\r\nDY = 40\r\n";
    for (int r = 0; r < 40; ++r)
        expected += "ROW_" + std::to_string(r) + "_LOW_ = " + std::string(40, '5') + "\r\nROW_" +
                    std::to_string(r) + "_HIGH = " + std::string(40, '1') + "\r\n";
    EXPECT_EQ(made, expected);

    const ToolRun check = Run("check square.pzk");
    EXPECT_EQ(check.code, 0);
    EXPECT_EQ(check.out, "square.pzk: valid 40x40\n");
    std::string rows;
    for (int i = 0; i < 40; ++i) rows += std::string(40, '#') + "\n";
    EXPECT_EQ(Run("show square.pzk").out, rows);
}

TEST_F(PuzzleTool, MakeReplacesAnExistingLongerFile) {
    WriteText("out.pzk", std::string(100000, 'x'));
    ASSERT_EQ(Make(kHomeLayout, "out.pzk", "square").code, 0);
    EXPECT_EQ(ReadText("out.pzk"), GameSaveOfHomeLayout());
    for (const auto& entry : std::filesystem::directory_iterator("."))  // no temporary left
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos);
}

TEST_F(PuzzleTool, MakeNormalisesASlantedFigure) {
    // Two small triangles make a 14 x 14 square; the rest stand to its right.
    const ToolRun r = Make(
        "1 0 100 100\n2 4 100 100\n6 0 114 100\n3 0 128 100\n7 0 100 114\n"
        "4 2 130 124\n5 6 130 124\n");
    ASSERT_EQ(r.code, 0) << r.err;
    const ToolRun check = Run("check out.pzk");
    EXPECT_EQ(check.out, "out.pzk: valid 58x52\n");
    const std::string text = ReadText("out.pzk");
    EXPECT_NE(text.find("ROW_0_LOW_ = 5"), std::string::npos);
}

TEST_F(PuzzleTool, MakeRefusesBadPlacementsNamingTheLine) {
    ExpectRefused("4 5 0 0\n5 3 0 20\n7 0 0 0\n1 7 10 10\n3 4 20 0\n6 1 20 10\n",
                  " piece 2 is missing");
    ExpectRefused("4 5 0 0\n", " pieces 1, 2, 3, 5, 6, 7 are missing");
    ExpectRefused("4 5 0 0\n# c\n4 3 0 20\n", "3: piece 4 is given twice (first on line 1)");
    ExpectRefused("6 2 0 0\n", "1: piece 6 has no orientation 2 (it has 0 to 1)");
    ExpectRefused("1 8 0 0\n", "1: piece 1 has no orientation 8 (it has 0 to 7)");
    ExpectRefused("\n1 -1 0 0\n", "2: piece 1 has no orientation -1 (it has 0 to 7)");
    ExpectRefused("8 0 0 0\n", "1: piece 8 does not exist (pieces are 1 to 7)");
    ExpectRefused("0 0 0 0\n", "1: piece 0 does not exist (pieces are 1 to 7)");
    ExpectRefused("4 5 -1 0\n", "1: piece 4 at col -1 row 0 is off the 160 x 160 board");
    ExpectRefused("4 5 0 121\n", "1: piece 4 at col 0 row 121 is off the 160 x 160 board");
    ExpectRefused("6 0 147 0\n", "1: piece 6 at col 147 row 0 is off the 160 x 160 board");
    ExpectRefused("6 0 2147483647 0\n",
                  "1: piece 6 at col 2147483647 row 0 is off the 160 x 160 board");
    ExpectRefused("6 0 0 0\n1 0 13 0\n2 2 0 13\n", "2: piece 1 overlaps piece 6 (line 1)");
    // Sharing a cell along the diagonal is no overlap: the refusal is a later one.
    ExpectRefused("1 0 0 0\n2 4 0 0\n6 0 0 0\n", "3: piece 6 overlaps piece 1 (line 1)");
    ExpectRefused("1 2 3\n", "1: expected four numbers: piece orientation col row");
    ExpectRefused("1 2 3 4 5\n", "1: expected four numbers: piece orientation col row");
    ExpectRefused("1 0 0 x\n", "1: expected four numbers: piece orientation col row");
    ExpectRefused("1 0 0 99999999999\n", "1: expected four numbers: piece orientation col row");

    // An existing output stays as it was after a refusal.
    WriteText("out.pzk", "old");
    EXPECT_EQ(Make("4 5 0 0\n").code, 1);
    EXPECT_EQ(ReadText("out.pzk"), "old");

    const ToolRun missing = Run("make --name n --out out.pzk nothing.txt");
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err, "nothing.txt: cannot be read\n");
}

TEST_F(PuzzleTool, CheckReportsEveryFile) {
    ASSERT_EQ(Make(kHomeLayout, "good.pzk").code, 0);
    WriteText("bad.pzk", "[DATA]\r\nDX = 19\r\nDY = 40\r\n");
    WriteText("binary.pzk", std::string("\0\xff[DATA\n\0", 8));
    const ToolRun r = Run("check good.pzk bad.pzk missing.pzk binary.pzk good.pzk");
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out,
              "good.pzk: valid 40x40\nbad.pzk: invalid\nmissing.pzk: invalid\n"
              "binary.pzk: invalid\ngood.pzk: valid 40x40\n");
}

TEST_F(PuzzleTool, ShowDrawsHalvesWithSlashes) {
    // Row 0 holds the cell values 0, 15, 3, 12, 6, 9, 1, 7, 5, 10, then full cells.
    const int values[10] = {0, 15, 3, 12, 6, 9, 1, 7, 5, 10};
    std::string low, high;
    for (int c = 0; c < 20; ++c) {
        const int v = c < 10 ? values[c] : 15;
        low += static_cast<char>('0' + v % 10);
        high += static_cast<char>('0' + v / 10);
    }
    std::string text = "[DATA]\r\nDX = 20\r\nDY = 20\r\n";
    for (int r = 0; r < 20; ++r) {
        const std::string row = std::to_string(r);
        text += "ROW_" + row + "_LOW_ = " + (r == 0 ? low : std::string(20, '0')) + "\r\n";
        text += "ROW_" + row + "_HIGH = " + (r == 0 ? high : std::string(20, '0')) + "\r\n";
    }
    WriteText("cells.pzk", text);
    const ToolRun r = Run("show cells.pzk");
    EXPECT_EQ(r.code, 0);
    std::string expected = " #\\\\//????##########\n";
    for (int i = 1; i < 20; ++i) expected += std::string(20, ' ') + "\n";
    EXPECT_EQ(r.out, expected);

    const ToolRun bad = Run("show missing.pzk");
    EXPECT_EQ(bad.code, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "missing.pzk: invalid\n");
}

TEST_F(PuzzleTool, UsageErrorsExitWithTwo) {
    const ToolRun help = Run("--help");
    EXPECT_EQ(help.code, 0);
    for (const char* word :
         {"check FILE...", "make --name NAME --out FILE PLACEMENTS", "show FILE"})
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
    EXPECT_EQ(Run("make --help").code, 0);

    for (const char* args :
         {"", "frobnicate", "check", "check --all x.pzk", "similar", "difficulty -x a", "show",
          "show a b", "make --name n placements.txt", "make --out o.pzk placements.txt",
          "make --name n --out o.pzk", "make --name n --out o.pzk a b", "make --name n --out",
          "make --name n --out o.pzk --force p"}) {
        const ToolRun r = Run(args);
        EXPECT_EQ(r.code, 2) << args;
        EXPECT_NE(r.err.find("usage:"), std::string::npos) << args;
        EXPECT_EQ(r.out, "") << args;
    }
    EXPECT_FALSE(PathExists("o.pzk"));
}

TEST_F(PuzzleTool, SimilarFindsAlikePairs) {
    // A sailboat, its mirror image, and the same with one small triangle
    // moved from under the hull to beside the mast.
    const char* boat = "1 0 4 42\n2 6 30 42\n3 0 28 22\n4 6 0 14\n5 7 4 42\n6 0 28 0\n7 0 4 62\n";
    const char* mirror =
        "1 6 82 42\n2 0 56 42\n3 6 52 22\n4 0 72 14\n5 7 56 42\n6 0 58 0\n7 4 66 62\n";
    const char* moved = "1 2 50 20\n2 6 30 42\n3 0 28 22\n4 6 0 14\n5 7 4 42\n6 0 28 0\n7 0 4 62\n";
    ASSERT_TRUE(CreateFolder("a") && CreateFolder("b"));
    const struct {
        const char* where;
        const char* placements;
    } files[] = {{"a/boat.pzk", boat},   {"a/copy.pzk", boat},   {"b/mirror.pzk", mirror},
                 {"a/moved.pzk", moved}, {"b/moved.pzk", moved}, {"a/square.pzk", kHomeLayout}};
    for (const auto& f : files) ASSERT_EQ(Make(f.placements, f.where).code, 0) << f.where;

    const struct {
        const char* files;
        int code;
        const char* out;
    } cases[] = {
        {"a/boat.pzk a/copy.pzk", 1, "a/boat.pzk and a/copy.pzk: the same silhouette\n"},
        {"a/boat.pzk b/mirror.pzk", 1, "a/boat.pzk and b/mirror.pzk: mirror images\n"},
        {"b/mirror.pzk a/moved.pzk", 0, ""},  // a moved piece counts within a folder only
        {"a/boat.pzk a/moved.pzk", 1, "a/boat.pzk and a/moved.pzk: one piece moved\n"},
        {"a/boat.pzk a/square.pzk b/moved.pzk", 0, ""},
    };
    for (const auto& c : cases) {
        const ToolRun r = Run(std::string("similar ") + c.files);
        EXPECT_EQ(r.code, c.code) << c.files;
        EXPECT_EQ(r.out, c.out) << c.files;
    }
}

}  // namespace
