// Lists keep their selection as list boxes do: the ways a Qt list lets the
// player empty it leave the current entry selected, so that OK of Save
// puzzle always has a group while groups are listed.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "dialogs/new_game_support.h"
#include "library/dialog_units.h"
#include "library/save_puzzle_dialog.h"
#include "model/board.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace {

TEST(KeepSelection, ClicksAndKeysThatEmptyAListKeepTheCurrentEntry) {
    QListWidget list;
    for (const char* name : {"a", "b", "c"}) list.addItem(name);
    list.resize(200, 200);
    KeepSelection(&list);
    list.show();
    list.setCurrentRow(1);
    const QPoint second = list.visualItemRect(list.item(1)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, second);
    EXPECT_EQ(list.selectedItems(), QList<QListWidgetItem*>{list.item(1)});
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(50, 190));  // below the entries
    EXPECT_EQ(list.selectedItems(), QList<QListWidgetItem*>{list.item(1)});
    QTest::keyClick(list.viewport(), Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(list.selectedItems(), QList<QListWidgetItem*>{list.item(1)});
    // Moving the selection still works, and an emptied list stays empty.
    list.setCurrentRow(2);
    EXPECT_EQ(list.selectedItems(), QList<QListWidgetItem*>{list.item(2)});
    list.clear();
    EXPECT_TRUE(list.selectedItems().isEmpty());
}

using SaveGroupListTest = TempDirTest;

TEST_F(SaveGroupListTest, ClickBelowTheGroupsStillSavesIntoTheSelectedOne) {
    RecordingHost host;
    auto state = MakeGameState(&host);
    StartCreatePuzzle(state.get());
    for (int i = 0; i < kPieceCount; ++i) {
        state->fieldSlots[i] = state->storeHome[i];
        state->storeSlots[i].piece = 0;
    }
    std::filesystem::create_directories("Puzzles/Mine");
    SetCurrent(state.get(), "Mine", "figure");
    ModalDriver driver([&](QDialog* d) {
        auto* groups = d->findChild<QListWidget*>("groupList");
        const QRect below(0, groups->visualItemRect(groups->item(0)).bottom() + 4,
                          groups->viewport()->width(), 4);
        ASSERT_LT(below.bottom(), groups->viewport()->height());
        QTest::mouseClick(groups->viewport(), Qt::LeftButton, {}, below.center());
        d->findChild<QPushButton*>("ok")->click();
    });
    SavePuzzleDialog(nullptr, state.get());
    EXPECT_FALSE(driver.timedOut());
    EXPECT_EQ(host.Only("message"), std::vector<std::string>({"message Puzzle saved."}));
    EXPECT_TRUE(std::filesystem::exists("Puzzles/Mine/figure.pzk"));
}

}  // namespace
