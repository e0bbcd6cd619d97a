#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "library/file_access.h"
#include "library/puzzle_file.h"
#include "library/puzzle_library.h"
#include "support/temp_dir.h"

namespace {

// Puzzle text of a dx x dy figure whose cell (r, c) has the value value(r, c).
template <typename F>
std::string PuzzleText(int dx, int dy, F value, const char* name = "test") {
    auto grid = std::make_unique<PuzzleRecord>();
    for (int r = 0; r < dy && r < kGridSize; ++r)
        for (int c = 0; c < dx && c < kGridSize; ++c)
            for (int k = 0; k < 4; ++k) grid->cells[r][c][k] = (value(r, c) >> k) & 1;
    return BuildPuzzleText(grid->cells, dx, dy, name);
}

std::string Solid(int dx, int dy) {
    return PuzzleText(dx, dy, [](int, int) { return 15; });
}

bool Reads(const std::string& text, PuzzleRecord* out = nullptr) {
    auto scratch = std::make_unique<PuzzleRecord>();
    return ReadPuzzleText(text.data(), text.size(), out ? out : scratch.get());
}

// Replaces the whole value of one key line.
std::string WithValue(std::string text, const std::string& key, const std::string& value) {
    const std::size_t at = text.find(key + " = ");
    EXPECT_NE(at, std::string::npos) << key;
    const std::size_t start = at + key.size() + 3, end = text.find("\r\n", start);
    return text.replace(start, end - start, value);
}

std::string WithoutLine(std::string text, const std::string& key) {
    const std::size_t at = text.find(key + " = ");
    return text.erase(at, text.find("\r\n", at) + 2 - at);
}

// A 20 x 20 empty figure with one cell pair of row 3, column 5 replaced.
std::string WithPair(char high, char low) {
    std::string lowRow(20, '0'), highRow(20, '0');
    lowRow[5] = low;
    highRow[5] = high;
    return WithValue(WithValue(Solid(20, 20), "ROW_3_LOW_", lowRow), "ROW_3_HIGH", highRow);
}

}  // namespace

TEST(PuzzleText, SolidSquareIsWrittenByteForByte) {
    std::string expected = "[DATA]\r\nNAME = square\r\nDX = 20\r\nDY = 20\r\n";
    for (int r = 0; r < 20; ++r)
        expected += "ROW_" + std::to_string(r) + "_LOW_ = " + std::string(20, '5') + "\r\nROW_" +
                    std::to_string(r) + "_HIGH = " + std::string(20, '1') + "\r\n";
    EXPECT_EQ(PuzzleText(
                  20, 20, [](int, int) { return 15; }, "square"),
              expected);

    auto p = std::make_unique<PuzzleRecord>();
    ASSERT_TRUE(Reads(expected, p.get()));
    EXPECT_EQ(p->width, 20);
    EXPECT_EQ(p->height, 20);
    int set = 0;
    for (auto& row : p->cells)
        for (auto& cell : row)
            for (auto q : cell) set += q;
    EXPECT_EQ(set, 20 * 20 * 4);
    EXPECT_EQ(p->cells[19][19][3], 1);
}

TEST(PuzzleText, CellValuesSplitIntoLowAndHighDigits) {
    const int values[6] = {0, 3, 15, 12, 9, 6};
    const std::string text = PuzzleText(6, 1, [&](int, int c) { return values[c]; });
    EXPECT_NE(text.find("ROW_0_LOW_ = 035296\r\nROW_0_HIGH = 001100\r\n"), std::string::npos);
}

TEST(PuzzleText, EverySixteenValuesRoundTrip) {
    const auto value = [](int r, int c) { return (r * 7 + c) % 16; };
    auto p = std::make_unique<PuzzleRecord>();
    ASSERT_TRUE(Reads(PuzzleText(23, 31, value), p.get()));
    for (int r = 0; r < kGridSize; ++r)
        for (int c = 0; c < kGridSize; ++c)
            for (int k = 0; k < 4; ++k)
                ASSERT_EQ(p->cells[r][c][k], (r < 31 && c < 23) ? (value(r, c) >> k) & 1 : 0)
                    << r << "," << c << "," << k;
}

TEST(PuzzleRead, SizesFrom20To159Only) {
    EXPECT_TRUE(Reads(Solid(20, 20)));
    EXPECT_TRUE(Reads(Solid(159, 20)));
    EXPECT_TRUE(Reads(Solid(20, 159)));
    EXPECT_FALSE(Reads(Solid(19, 20)));
    EXPECT_FALSE(Reads(Solid(160, 20)));
    EXPECT_FALSE(Reads(Solid(20, 19)));
    EXPECT_FALSE(Reads(Solid(20, 160)));
    EXPECT_FALSE(Reads(WithValue(Solid(20, 20), "DX", "-20")));
    EXPECT_FALSE(Reads(WithValue(Solid(20, 20), "DX", "4294967316")));  // 2^32 + 20
    EXPECT_TRUE(Reads(WithValue(Solid(20, 20), "DX", "20 cells")));
}

TEST(PuzzleRead, MissingSizesSectionOrRowsAreInvalid) {
    EXPECT_FALSE(Reads(WithoutLine(Solid(20, 20), "DX")));
    EXPECT_FALSE(Reads(WithoutLine(Solid(20, 20), "DY")));
    EXPECT_FALSE(Reads(WithValue(Solid(20, 20), "DX", "")));
    std::string other = Solid(20, 20);
    other.replace(0, 6, "[OTHER]");
    EXPECT_FALSE(Reads(other));
    EXPECT_FALSE(Reads(WithoutLine(Solid(20, 20), "ROW_19_HIGH")));
    EXPECT_FALSE(Reads(""));
    auto p = std::make_unique<PuzzleRecord>();
    EXPECT_FALSE(ReadPuzzleFile("no\\such.pzk", p.get()));
    EXPECT_EQ(p->width, -1);
}

TEST(PuzzleRead, RowOneCharacterShortOrLongIsInvalid) {
    EXPECT_FALSE(Reads(WithValue(Solid(30, 20), "ROW_7_LOW_", std::string(29, '5'))));
    EXPECT_FALSE(Reads(WithValue(Solid(30, 20), "ROW_7_LOW_", std::string(31, '5'))));
    EXPECT_FALSE(Reads(WithValue(Solid(30, 20), "ROW_19_HIGH", std::string(29, '1'))));
    EXPECT_FALSE(Reads(WithValue(Solid(30, 20), "ROW_0_HIGH", std::string(31, '1'))));
    EXPECT_TRUE(Reads(WithValue(Solid(30, 20), "ROW_7_LOW_", "  " + std::string(30, '5') + "\t")));
}

TEST(PuzzleRead, DigitPairsOutside0To15AreInvalid) {
    auto p = std::make_unique<PuzzleRecord>();
    const auto cell = [&] {
        return p->cells[3][5][0] | p->cells[3][5][1] << 1 | p->cells[3][5][2] << 2 |
               p->cells[3][5][3] << 3;
    };
    EXPECT_FALSE(Reads(WithPair('1', '6')));
    EXPECT_FALSE(Reads(WithPair('9', '9')));
    ASSERT_TRUE(Reads(WithPair('1', '5'), p.get()));
    EXPECT_EQ(cell(), 15);
    ASSERT_TRUE(Reads(WithPair(' ', '7'), p.get()));
    EXPECT_EQ(cell(), 7);
    ASSERT_TRUE(Reads(WithPair('x', '5'), p.get()));
    EXPECT_EQ(cell(), 0);
    ASSERT_TRUE(Reads(WithPair('+', '9'), p.get()));
    EXPECT_EQ(cell(), 9);
    EXPECT_FALSE(Reads(WithPair('-', '3')));
    ASSERT_TRUE(Reads(WithPair('-', '0'), p.get())) << "minus zero is zero";
    EXPECT_EQ(cell(), 0);
}

TEST(PuzzleRead, KeysInLowerCaseAndAnyNameAreRead) {
    std::string lower = Solid(20, 20);
    for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    EXPECT_TRUE(Reads(lower));
    EXPECT_TRUE(Reads(WithoutLine(Solid(20, 20), "NAME")));
    EXPECT_TRUE(Reads(WithValue(Solid(20, 20), "NAME", "something else")));
    std::string lf = Solid(20, 20);
    for (std::size_t at; (at = lf.find('\r')) != std::string::npos;) lf.erase(at, 1);
    EXPECT_TRUE(Reads(lf));
}

using PuzzleFile = TempDirTest;

TEST_F(PuzzleFile, PathIsStoredWithBackslashesAndOpensOnEveryPlatform) {
    char path[kNameSize];
    PuzzlePath("People", "people [006]", path);
    EXPECT_STREQ(path, "Puzzles\\People\\people [006].pzk");

    std::filesystem::create_directories("Puzzles/People");
    WriteText("Puzzles/People/people [006].pzk", Solid(25, 30));
    PuzzlePath("People", "people [006]", path);
    auto p = std::make_unique<PuzzleRecord>();
    ASSERT_TRUE(ReadPuzzleFile(path, p.get()));
    EXPECT_EQ(p->width, 25);
    EXPECT_EQ(p->height, 30);
}

// Names come from folder listings and from the settings file. On systems
// where '\\' is an ordinary file-name character, "..\\..\\decoy" would
// lead out of the library once the separators are converted; such names,
// and paths that would have to be cut, are neither listed nor opened.
TEST_F(PuzzleFile, NamesThatLeaveTheLibraryAreRefused) {
    const std::string longGroup(250, 'g');
    struct Case {
        std::string group, name;
    };
    const Case kRefused[] = {{"People", "..\\..\\decoy"},
                             {"..", "decoy"},
                             {".", "x"},
                             {"People", ".."},
                             {"People", ""},
                             {"", "x"},
                             {"People", "a\x01b"},
                             {"People", "a\nb"},
                             {"People", "a/b"},
                             {longGroup, "mine"}};
    auto p = std::make_unique<PuzzleRecord>();
    for (const Case& c : kRefused) {
        SCOPED_TRACE(c.group + " / " + c.name);
        char path[kNameSize] = "x";
        EXPECT_FALSE(PuzzlePath(c.group.c_str(), c.name.c_str(), path));
        EXPECT_STREQ(path, "");
        EXPECT_FALSE(ReadPuzzleFile(path, p.get()));
    }
#ifndef _WIN32  // such file names can only be made where '\\' and LF are ordinary
    std::filesystem::create_directories("Puzzles/People");
    std::filesystem::create_directories("Puzzles/" + longGroup);
    std::filesystem::create_directories("Puzzles/..\\up");
    WriteText("decoy.pzk", Solid(20, 20));
    WriteText("Puzzles/decoy.pzk", Solid(20, 20));
    WriteText("Puzzles/People/..\\..\\decoy.pzk", Solid(20, 20));
    WriteText("Puzzles/People/a\nb.pzk", Solid(20, 20));
    WriteText("Puzzles/People/ok.pzk", Solid(20, 20));
    WriteText("Puzzles/" + longGroup + "/mine.pzk", Solid(20, 20));
    EXPECT_EQ(ListGroups(), (std::vector<std::string>{"People"}));
    EXPECT_EQ(ListPuzzles("People"), std::vector<std::string>{"ok"});
    EXPECT_TRUE(ListPuzzles(longGroup.c_str()).empty());
#endif
}

// Names outside ASCII (UTF-8 here) are listed as they were written, and every
// listed puzzle opens: the listing and the file calls agree on every platform.
TEST_F(PuzzleFile, ListedPuzzlesOpenWhateverTheirCharacters) {
    const std::vector<std::string> groups = {"Caf\xc3\xa9", "People", "\xe4\xb8\xad\xe6\x96\x87"};
    ASSERT_TRUE(CreateFolder("Puzzles"));
    for (const std::string& group : groups) {
        ASSERT_TRUE(CreateFolder(("Puzzles\\" + group).c_str()));
        char path[kNameSize];
        PuzzlePath(group.c_str(), "n\xc3\xbc [001]", path);
        const std::string text = Solid(25, 30);
        ASSERT_EQ(WriteFileReplacing(path, text.data(), text.size()), WriteResult::Ok);
    }
    EXPECT_EQ(ListGroups(), groups);
    for (const std::string& group : ListGroups()) {
        ASSERT_EQ(ListPuzzles(group.c_str()), std::vector<std::string>{"n\xc3\xbc [001]"});
        char path[kNameSize];
        PuzzlePath(group.c_str(), "n\xc3\xbc [001]", path);
        auto p = std::make_unique<PuzzleRecord>();
        EXPECT_TRUE(ReadPuzzleFile(path, p.get())) << group;
        EXPECT_EQ(p->width, 25);
    }
}
