// The launcher: the player's game folder is filled from the shipped data on
// the first start, later starts add only what is missing, and the program
// runs inside the folder with the launcher's arguments.
#include <cstdio>

#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

class LauncherTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        fs::create_directories("data/Puzzles/People");
        fs::create_directories("data/Figures/People");
        WriteText("data/Puzzles/People/a.pzk", "shipped a");
        WriteText("data/Figures/People/a.txt", "authoring input");
        fs::create_directories("data/screenshots");
        WriteText("data/screenshots/playing.png", "for software centres");
        WriteText("data/larkspur.url", "shipped url");
        // Stands in for the program: shows where and how it was started.
        WriteText("fake-game", "#!/bin/sh\necho \"$(pwd) $*\"\n");
        fs::permissions("fake-game", fs::perms::owner_all);
    }

    // Runs the launcher; returns what the stand-in program printed.
    std::string Launch(const std::string& args) {
        const std::string command = "POLYSHARD_DATA='" + (dir_ / "data").string() +
                                    "' POLYSHARD_BIN='" + (dir_ / "fake-game").string() +
                                    "' XDG_DATA_HOME='" + (dir_ / "xdg").string() + "' bash '" +
                                    POLYSHARD_LAUNCHER + "' " + args;
        std::string out;
        if (FILE* p = popen(command.c_str(), "r")) {
            char line[512];
            while (fgets(line, sizeof line, p)) out += line;
            EXPECT_EQ(pclose(p), 0);
        }
        return out;
    }
    fs::path Game() const { return dir_ / "xdg" / "polyshard"; }
};

TEST_F(LauncherTest, FirstStartCopiesLaterStartsOnlyAdd) {
    EXPECT_EQ(Launch("one two"), Game().string() + " one two\n");
    EXPECT_EQ(ReadText((Game() / "Puzzles/People/a.pzk").string()), "shipped a");
    EXPECT_EQ(ReadText((Game() / "larkspur.url").string()), "shipped url");
    EXPECT_FALSE(fs::exists(Game() / "Figures"));
    EXPECT_FALSE(fs::exists(Game() / "screenshots"));

    // The player changes one file and has puzzles of their own; a new
    // puzzle ships and one shipped file was deleted.
    WriteText((Game() / "Puzzles/People/a.pzk").string(), "changed by the player");
    fs::create_directories(Game() / "Puzzles/Mine");
    WriteText((Game() / "Puzzles/Mine/m.pzk").string(), "own");
    WriteText("data/Puzzles/People/b.pzk", "shipped b");
    fs::remove(Game() / "larkspur.url");

    Launch("");
    EXPECT_EQ(ReadText((Game() / "Puzzles/People/a.pzk").string()), "changed by the player");
    EXPECT_EQ(ReadText((Game() / "Puzzles/Mine/m.pzk").string()), "own");
    EXPECT_EQ(ReadText((Game() / "Puzzles/People/b.pzk").string()), "shipped b");
    EXPECT_EQ(ReadText((Game() / "larkspur.url").string()), "shipped url");
}

}  // namespace
