#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "library/ini_reader.h"
#include "model/board.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace {

class Settings : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        state = MakeGameState(&host);
    }
    // Writes Polyshard.ini and loads it into a fresh state.
    std::unique_ptr<GameState> Load(const std::string& text) {
        WriteText("Polyshard.ini", text);
        auto loaded = MakeGameState(&host);
        LoadSettings(loaded.get());
        return loaded;
    }
    RecordingHost host;
    std::unique_ptr<GameState> state;
};

std::string SolvedSection(int count) {
    std::string s = "[SOLVED_PUZZLES]\r\n";
    for (int i = 0; i < count; ++i)
        s += "GROUP_" + std::to_string(i) + " = g" + std::to_string(i) + "\r\nPUZZLE_" +
             std::to_string(i) + " = p" + std::to_string(i) + "\r\n";
    return s;
}

// The text of a settings file for the defaults, written by hand.
const char kDefaultText[] =
    "[OPTIONS]\r\nAUTO_SIZE = 1\r\nBACK_INDEX = 1\r\nBACK_TYPE = 1\r\nCOLOR_BACK = 16777215\r\n"
    "COLOR_BORDER = 8404992\r\nCOLOR_FIGURE = 16744448\r\nCOLOR_INK = 9868950\r\nSCALE = 8\r\n"
    "SHADOW = 1\r\nSKIN_TYPE = 1\r\nSKIN_INDEX = 1\r\nSTORE_POSITION = 0\r\n\r\n"
    "[LAST]\r\nFILE = people [006]\r\nFOLDER = People\r\n\r\n"
    "[SOUND]\r\ndrop_FILE = .\\Sound\\drop.wav\r\ndrop_ENABLE = 1\r\n"
    "error_FILE = .\\Sound\\error.wav\r\nerror_ENABLE = 1\r\n"
    "level is completed_FILE = .\\Sound\\level is completed.wav\r\n"
    "level is completed_ENABLE = 1\r\n"
    "rotate_FILE = .\\Sound\\rotate.wav\r\nrotate_ENABLE = 1\r\n"
    "take_FILE = .\\Sound\\take.wav\r\ntake_ENABLE = 1\r\n"
    "[SOLVED_PUZZLES]\r\n"
    "\r\n[WINDOW]\r\nLEFT = -1\r\nRIGHT = 0\r\nTOP = 0\r\nBOTTOM = 0\r\n";

}  // namespace

TEST_F(Settings, MissingFileGivesTheDefaults) {
    std::memset(&state->view, 0x55, sizeof state->view);
    state->solvedCount = 7;
    state->sounds[2].enabled = 0;
    LoadSettings(state.get());
    const ViewOptions& v = state->view;
    EXPECT_EQ(v.autoSize, 1);
    EXPECT_EQ(v.backIndex, 1);
    EXPECT_EQ(v.backType, 1);
    EXPECT_EQ(v.colorBack, 16777215);
    EXPECT_EQ(v.colorBorder, 8404992);
    EXPECT_EQ(v.colorFigure, 16744448);
    EXPECT_EQ(v.colorInk, 9868950);
    EXPECT_EQ(v.scale, 8);
    EXPECT_EQ(v.shadow, 1);
    EXPECT_EQ(v.skinType, 1);
    EXPECT_EQ(v.skinIndex, 1);
    EXPECT_EQ(v.storePosition, 0);
    EXPECT_STREQ(state->currentGroup, "People");
    EXPECT_STREQ(state->currentPuzzle, "people [006]");
    EXPECT_STREQ(state->sounds[2].name, "level is completed");
    EXPECT_STREQ(state->sounds[2].file, ".\\Sound\\level is completed.wav");
    for (const SoundEvent& s : state->sounds) EXPECT_EQ(s.enabled, 1);
    EXPECT_EQ(state->solvedCount, 0);
    EXPECT_EQ(state->windowRect.left, -1);
    EXPECT_EQ(state->windowRect.top, 0);
    EXPECT_EQ(state->windowRect.right, 0);
    EXPECT_EQ(state->windowRect.bottom, 0);
    // With the defaults the file text is exactly this.
    EXPECT_EQ(BuildSettingsText(state.get()), kDefaultText);
}

TEST_F(Settings, LandingOutlineHasASectionOnlyWhileOn) {
    LoadSettings(state.get());
    EXPECT_EQ(state->showLanding, 0);
    state->showLanding = 1;
    const std::string on = std::string(kDefaultText) + "\r\n[LANDING_OUTLINE]\r\nSHOW = 1\r\n";
    EXPECT_EQ(BuildSettingsText(state.get()), on);
    EXPECT_EQ(Load(on)->showLanding, 1);
    EXPECT_EQ(Load(kDefaultText)->showLanding, 0);
}

TEST_F(Settings, OutOfRangeValuesAreCorrected) {
    const auto read = [&](const char* key, const char* value) {
        return Load(std::string("[OPTIONS]\r\n") + key + " = " + value + "\r\n")->view;
    };
    EXPECT_EQ(read("SCALE", "3").scale, 8);
    EXPECT_EQ(read("SCALE", "9").scale, 8);
    EXPECT_EQ(read("SCALE", "4").scale, 4);
    EXPECT_EQ(read("SCALE", "99999999999").scale, 8);
    EXPECT_EQ(read("SKIN_INDEX", "7").skinIndex, 1);
    EXPECT_EQ(read("SKIN_INDEX", "-1").skinIndex, 1);
    EXPECT_EQ(read("SKIN_INDEX", "0").skinIndex, 0);
    EXPECT_EQ(read("SKIN_INDEX", "6").skinIndex, 6);
    EXPECT_EQ(read("BACK_INDEX", "7").backIndex, 1);
    EXPECT_EQ(read("BACK_INDEX", "-2147483649").backIndex, 1);
    // Values without a correction are taken as read, saturated at 32 bits.
    EXPECT_EQ(read("COLOR_BACK", "99999999999999999999").colorBack, INT32_MAX);
    EXPECT_EQ(read("COLOR_INK", "-99999999999999999999").colorInk, INT32_MIN);
    EXPECT_EQ(read("shadow", "0").shadow, 0) << "keys match without case";
    EXPECT_EQ(read("STORE_POSITION", "2x").storePosition, 2);
}

TEST_F(Settings, SolvedListStopsAtTheFirstGapAndHoldsAtMost1000) {
    std::string text = SolvedSection(5);
    text.replace(text.find("PUZZLE_2 = p2"), 13, "PUZZLE_2 =");
    auto loaded = Load(text);
    EXPECT_EQ(loaded->solvedCount, 2);
    EXPECT_STREQ(loaded->solvedList[1].group, "g1");

    loaded = Load(SolvedSection(1001));
    EXPECT_EQ(loaded->solvedCount, 1000);
    EXPECT_STREQ(loaded->solvedList[999].puzzle, "p999");

    loaded =
        Load("[SOLVED_PUZZLES]\r\nGROUP_0 = " + std::string(500, 'g') + "\r\nPUZZLE_0 = p\r\n");
    EXPECT_EQ(loaded->solvedCount, 1);
    EXPECT_EQ(std::strlen(loaded->solvedList[0].group), kNameSize - 1u);
}

TEST_F(Settings, SoundNamesAreTheProgramsAndFilesAreRead) {
    auto loaded = Load(
        "[sound]\r\nLEVEL IS COMPLETED_FILE = C:\\win.wav\r\ntake_ENABLE = 0\r\n"
        "drop_FILE =\r\nname = x\r\n");
    EXPECT_STREQ(loaded->sounds[2].file, "C:\\win.wav");
    EXPECT_STREQ(loaded->sounds[2].name, "level is completed");
    EXPECT_EQ(loaded->sounds[4].enabled, 0);
    EXPECT_STREQ(loaded->sounds[0].file, "") << "a key that is present but empty";
    EXPECT_STREQ(loaded->sounds[1].file, ".\\Sound\\error.wav");
}

TEST_F(Settings, WritingThenReadingGivesEverythingBack) {
    state->view = {1, 2, 5, 0, 3, 4, 0, 0, 6, 1, 0, 0};
    CopyName(state->currentGroup, "My group");
    CopyName(state->currentPuzzle, "my puzzle [012]");
    CopyName(state->sounds[3].file, "/abs/turn me.wav");
    state->sounds[1].enabled = 0;
    state->solvedCount = 3;
    for (int i = 0; i < 3; ++i) {
        CopyName(state->solvedList[i].group, ("G " + std::to_string(i)).c_str());
        CopyName(state->solvedList[i].puzzle, ("P " + std::to_string(i)).c_str());
    }
    state->windowRect = {-1920, -8, -10, 1032};
    SaveSettings(state.get());

    const std::string text = ReadText("Polyshard.ini");
    EXPECT_NE(
        text.find("\r\n[WINDOW]\r\nLEFT = -1920\r\nRIGHT = -10\r\nTOP = -8\r\nBOTTOM = 1032\r\n"),
        std::string::npos);
    EXPECT_NE(text.find("take_ENABLE = 1\r\n[SOLVED_PUZZLES]\r\nGROUP_0 = G 0\r\nPUZZLE_0 = P 0\r\n"
                        "GROUP_1 = G 1\r\n"),
              std::string::npos);

    auto loaded = Load(text);
    EXPECT_EQ(std::memcmp(&loaded->view, &state->view, sizeof(ViewOptions)), 0);
    EXPECT_STREQ(loaded->currentGroup, "My group");
    EXPECT_STREQ(loaded->currentPuzzle, "my puzzle [012]");
    EXPECT_EQ(std::memcmp(loaded->sounds, state->sounds, sizeof state->sounds), 0);
    ASSERT_EQ(loaded->solvedCount, 3);
    EXPECT_STREQ(loaded->solvedList[2].group, "G 2");
    EXPECT_STREQ(loaded->solvedList[2].puzzle, "P 2");
    EXPECT_EQ(loaded->windowRect.left, -1920);
    EXPECT_EQ(loaded->windowRect.top, -8);
    EXPECT_EQ(loaded->windowRect.right, -10);
    EXPECT_EQ(loaded->windowRect.bottom, 1032);
}

// A full disk, stood in for by a file size limit (POSIX only).
#ifdef POLYSHARD_HAS_FILE_SIZE_LIMIT
TEST_F(Settings, FailedWriteIsSilentAndKeepsTheOldFile) {
    WriteText("Polyshard.ini", "[LAST]\r\nFILE = kept\r\n");
    {
        FileSizeLimit limit(64);
        SaveSettings(state.get());
    }
    EXPECT_EQ(ReadText("Polyshard.ini"), "[LAST]\r\nFILE = kept\r\n");
    EXPECT_EQ(CountFiles("."), 1);
    EXPECT_TRUE(host.events.empty());
}
#endif

TEST(WindowRect, SavedRectMustLieOnTheScreen) {
    const Rect screen{0, 0, 1280, 800}, work{0, 0, 1280, 760};
    const auto same = [](Rect a, Rect b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    };
    EXPECT_TRUE(same(ChooseWindowRect({10, 20, 600, 400}, screen, work), {10, 20, 600, 400}));
    EXPECT_TRUE(same(ChooseWindowRect({0, 0, 1280, 800}, screen, work), {0, 0, 1280, 800}));
    EXPECT_TRUE(same(ChooseWindowRect({10, 20, 1281, 400}, screen, work), work));
    EXPECT_TRUE(same(ChooseWindowRect({1300, 0, 1900, 600}, screen, work), work));
    EXPECT_TRUE(same(ChooseWindowRect({-1, 0, 0, 0}, screen, work), work)) << "first start";
    EXPECT_TRUE(same(ChooseWindowRect({0, 0, 0, 0}, screen, work), {0, 0, 0, 0}));
    EXPECT_TRUE(same(ChooseWindowRect({-32000, -32000, -31840, -31972}, screen, work), work));
}

// A value with a line break would split its line: a "[WINDOW]" inside it
// would override the real section at the next start. Such a value is left
// out and reads back as the default.
TEST_F(Settings, ValuesWithLineBreaksAreLeftOut) {
    const char* const kBreaks[] = {"\r\n[WINDOW]\r\nLEFT = 5", "x\n[WINDOW]", "x\r[SOUND]"};
    for (const char* bad : kBreaks) {
        SCOPED_TRACE(testing::PrintToString(bad));
        CopyName(state->currentGroup, bad);
        CopyName(state->currentPuzzle, bad);
        CopyName(state->sounds[2].file, bad);
        state->solvedCount = 2;
        CopyName(state->solvedList[0].group, bad);
        CopyName(state->solvedList[0].puzzle, "p");
        CopyName(state->solvedList[1].group, "g");
        CopyName(state->solvedList[1].puzzle, "p");
        state->windowRect = {10, 20, 30, 40};
        auto loaded = Load(BuildSettingsText(state.get()));
        EXPECT_STREQ(loaded->currentGroup, "People");
        EXPECT_STREQ(loaded->currentPuzzle, "people [006]");
        EXPECT_STREQ(loaded->sounds[2].file, ".\\Sound\\level is completed.wav");
        ASSERT_EQ(loaded->solvedCount, 1);
        EXPECT_STREQ(loaded->solvedList[0].group, "g");
        EXPECT_EQ(loaded->windowRect.left, 10);
    }
}
