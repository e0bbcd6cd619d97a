// The shipped puzzle library: every puzzle file reads, is exactly what its
// placement file makes, and can be laid by the solver.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <sstream>

#include "library/puzzle_file.h"
#include "model/pieces.h"
#include "solver/solver.h"
#include "tools/placements.h"

namespace fs = std::filesystem;

namespace {

const fs::path kData = fs::path(POLYSHARD_SOURCE_DIR) / "data";

struct Entry {
    std::string group, name;
    fs::path puzzle, figure;
};

std::vector<Entry> Library() {
    std::vector<Entry> out;
    for (const auto& group : fs::directory_iterator(kData / "Puzzles"))
        for (const auto& file : fs::directory_iterator(group.path()))
            if (file.path().extension() == ".pzk") {
                const std::string g = group.path().filename().string();
                const std::string n = file.path().stem().string();
                out.push_back({g, n, file.path(), kData / "Figures" / g / (n + ".txt")});
            }
    std::sort(out.begin(), out.end(),
              [](const Entry& a, const Entry& b) { return a.puzzle < b.puzzle; });
    return out;
}

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class LibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        BuildPieceSet(pieces.get());
        BuildPieceSet(scratch.get());
    }
    std::unique_ptr<GameState> pieces = std::make_unique<GameState>();
    std::unique_ptr<GameState> scratch = std::make_unique<GameState>();
    std::unique_ptr<PuzzleRecord> record = std::make_unique<PuzzleRecord>();
};

TEST_F(LibraryTest, HasItsGroupsAndSizeAndNamesInTheLibraryStyle) {
    const auto library = Library();
    std::map<std::string, int> perGroup;
    for (const Entry& e : library) ++perGroup[e.group];
    EXPECT_GE(library.size(), 300u);
    EXPECT_EQ(perGroup.size(), 14u);
    for (const char* g :
         {"People", "Animals", "Birds", "Boats and vehicles", "Buildings and objects", "Letters",
          "Lowercase letters", "Numbers", "Geometric shapes", "Sports and games", "Plants",
          "Signs and symbols", "Clothing", "Music"})
        EXPECT_GE(perGroup[g], 10) << g;
    EXPECT_TRUE(fs::exists(kData / "Puzzles" / "People" / "people [006].pzk"));
    // "people [006]": the group's word in lower case and three digits,
    // numbered from 001 without gaps.
    const std::regex style(R"(([a-z]+) \[(\d{3})\])");
    std::map<std::string, std::vector<int>> numbers;
    for (const Entry& e : library) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(e.name, m, style)) << e.name;
        numbers[e.group].push_back(std::stoi(m[2]));
    }
    for (auto& [group, list] : numbers) {
        std::sort(list.begin(), list.end());
        for (std::size_t i = 0; i < list.size(); ++i) EXPECT_EQ(list[i], int(i) + 1) << group;
    }
}

TEST_F(LibraryTest, EveryPuzzleReadsAndIsRemadeFromItsPlacementFile) {
    for (const Entry& e : Library()) {
        SCOPED_TRACE(e.puzzle.string());
        ASSERT_TRUE(ReadPuzzleFile(e.puzzle.string().c_str(), record.get()));
        std::vector<Placement> placements;
        PlacementError error;
        ASSERT_TRUE(ReadPlacementsFile(e.figure.string().c_str(), &placements, &error))
            << error.message;
        ASSERT_EQ(placements.size(), 7u);
        ASSERT_TRUE(LayOutPlacements(scratch.get(), placements, &error)) << error.message;
        int dx = 0, dy = 0;
        ExtractFigure(scratch.get(), scratch->workGrid, &dx, &dy);
        EXPECT_EQ(BuildPuzzleText(scratch->workGrid, dx, dy, e.name.c_str()), ReadAll(e.puzzle));
    }
}

TEST_F(LibraryTest, EveryPuzzleIsSolvedAndTheLayoutVerifies) {
    for (const Entry& e : Library()) {
        SCOPED_TRACE(e.puzzle.string());
        ASSERT_TRUE(ReadPuzzleFile(e.puzzle.string().c_str(), record.get()));
        const SolveOutcome found = SolvePuzzle(*pieces, *record);
        ASSERT_TRUE(found.solved);
        EXPECT_TRUE(VerifySolution(scratch.get(), *record, found.layout));
    }
}

}  // namespace
