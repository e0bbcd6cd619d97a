// The messages of the New game, Save puzzle and Sound settings dialogs with
// the icon, buttons and caption each is shown with.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <filesystem>

#include "dialogs/new_game_support.h"
#include "library/new_game_dialog.h"
#include "library/save_puzzle_dialog.h"
#include "model/board.h"
#include "settings/sound_settings_dialog.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace {

// Records every message as "text|icon|buttons|caption"; the default of Yes
// and No is written with a capital.
class BoxHost : public RecordingHost {
public:
    std::vector<std::string> boxes;
    MsgResult MessageBox(const char* text, const char* caption, MsgButtons buttons, MsgIcon icon,
                         MsgResult defaultButton) override {
        static const char* const kIcons[] = {"none", "information", "question", "warning", "error"};
        boxes.push_back(std::string(text) + "|" + kIcons[static_cast<int>(icon)] + "|" +
                        (buttons == MsgButtons::Ok        ? "ok"
                         : defaultButton == MsgResult::No ? "yes/No"
                                                          : "Yes/no") +
                        "|" + caption);
        return RecordingHost::MessageBox(text, caption, buttons, icon, defaultButton);
    }
};

class MessageIconsTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        state = MakeGameState(&host);
    }
    static void Click(QWidget* d, const char* name) {
        auto* button = d->findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
    // Runs a dialog with an action on it; fails if the watchdog closed it.
    template <typename Open>
    void Run(Open open, std::function<void(QDialog*)> act) {
        ModalDriver driver(std::move(act));
        open();
        EXPECT_TRUE(driver.acted());
        EXPECT_FALSE(driver.timedOut());
    }

    BoxHost host;
    std::unique_ptr<GameState> state;
};

TEST_F(MessageIconsTest, NewGameAnswersWithInformation) {
    std::filesystem::create_directories("Puzzles/G");
    WriteText("Puzzles/G/bad.pzk", "[DATA]\r\n");
    Run([&] { NewGameDialog(nullptr, state.get()); },
        [&](QDialog* d) {
            auto* tree = d->findChild<QTreeWidget*>("tree");
            Click(d, "ok");  // nothing selected
            tree->setCurrentItem(tree->topLevelItem(0)->child(0));
            Click(d, "ok");  // an invalid file
            d->reject();
        });
    EXPECT_EQ(host.boxes,
              std::vector<std::string>({"Puzzle is not selected.|information|ok|Polyshard",
                                        "Please select a valid puzzle.|information|ok|Polyshard"}));
}

TEST_F(MessageIconsTest, SavePuzzleUsesNoIconButForTheFailedFolder) {
    StartCreatePuzzle(state.get());
    SavePuzzleDialog(nullptr, state.get());  // every piece is still in the store
    for (int i = 0; i < kPieceCount; ++i) {
        state->fieldSlots[i] = state->storeHome[i];
        state->storeSlots[i].piece = 0;
    }
    Run([&] { SavePuzzleDialog(nullptr, state.get()); },
        [&](QDialog* d) {
            Click(d, "ok");      // no group to save into
            Click(d, "create");  // no name
            d->findChild<QLineEdit*>("groupName")->setText("Mine");
            Click(d, "create");  // no Puzzles folder to create it in
            std::filesystem::create_directories("Puzzles/Mine");
            Click(d, "create");  // the folder is there now, but not yet listed
            d->reject();
        });
    EXPECT_EQ(host.boxes,
              std::vector<std::string>({"Please put all figures on the field.|none|ok|Polyshard",
                                        "Please create a group.|none|ok|Polyshard",
                                        "Please enter a group name.|none|ok|Polyshard",
                                        "Error creation group.|error|ok|Polyshard",
                                        "Error creation group.|error|ok|Polyshard"}));
    host.boxes.clear();
    Run([&] { SavePuzzleDialog(nullptr, state.get()); },
        [&](QDialog* d) {
            d->findChild<QLineEdit*>("groupName")->setText("MINE");
            Click(d, "create");
            d->findChild<QLineEdit*>("fileName")->setText(" ");
            Click(d, "ok");
            d->reject();
        });
    EXPECT_EQ(host.boxes,
              std::vector<std::string>({"This group already exist.|none|ok|Polyshard",
                                        "Please enter a file name.|none|ok|Polyshard"}));
}

TEST_F(MessageIconsTest, OverwriteAsksWithNoAsTheDefault) {
    std::filesystem::create_directories("Puzzles/Mine");
    WriteText("Puzzles/Mine/old.pzk", "old");
    SetCurrent(state.get(), "Mine", "old");
    StartCreatePuzzle(state.get());
    for (int i = 0; i < kPieceCount; ++i) {
        state->fieldSlots[i] = state->storeHome[i];
        state->storeSlots[i].piece = 0;
    }
    Run([&] { SavePuzzleDialog(nullptr, state.get()); }, [&](QDialog* d) { Click(d, "ok"); });
    EXPECT_EQ(host.boxes,
              std::vector<std::string>({"File exist. Overwrite?|question|yes/No|Polyshard",
                                        "Puzzle saved.|question|ok|Polyshard"}));
}

TEST_F(MessageIconsTest, SoundSettingsWithoutARowHasNoIcon) {
    SoundSettingsDialog dialog(nullptr, state.get());
    dialog.show();
    Click(&dialog, "playButton");
    Click(&dialog, "selectButton");
    EXPECT_EQ(host.boxes,
              std::vector<std::string>(2, "Please select a line in list box.|none|ok|Polyshard"));
    EXPECT_TRUE(host.Only("sound").empty());
}

}  // namespace
