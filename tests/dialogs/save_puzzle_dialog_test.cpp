// The Save puzzle dialog driven in-process in a fresh current directory: the
// refusal, the proposed name, the name filter, Create, OK with its messages,
// overwriting, and a figure made by the player found again in New game.
#include "library/save_puzzle_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <filesystem>

#include "dialogs/new_game_support.h"
#include "library/name_filter.h"
#include "library/new_game_dialog.h"
#include "library/puzzle_library.h"
#include "model/board.h"
#include "model/rules.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace {

std::string Proposal(const char* name) {
    char buffer[kNameSize];
    std::snprintf(buffer, sizeof buffer, "%s", name);
    AdvancePuzzleNumber(buffer);
    return buffer;
}

TEST(PuzzleNameProposal, AdvancesTheBracketedNumber) {
    EXPECT_EQ(Proposal("people [006]"), "people [007]");
    EXPECT_EQ(Proposal("x [099]"), "x [100]");
    EXPECT_EQ(Proposal("[abc]"), "[001]");
    EXPECT_EQ(Proposal("[  7]"), "[008]");      // leading blanks skipped
    EXPECT_EQ(Proposal("a [12x]"), "a [013]");  // stops at the first non-digit
    EXPECT_EQ(Proposal("[-05]"), "[001]");      // no sign: no digits
    EXPECT_EQ(Proposal("end [999]"), "end [1000]");
    EXPECT_EQ(Proposal("end [1000]"), "end [1000]");  // no longer of the form
    EXPECT_EQ(Proposal("abc"), "abc");
    EXPECT_EQ(Proposal("ab]"), "ab]");
    EXPECT_EQ(Proposal("[12]"), "[12]");
    EXPECT_EQ(Proposal(""), "");
    // A name that would not fit any more stays as it is.
    const std::string longName = std::string(254, 'n') + "[999]";
    EXPECT_EQ(Proposal(longName.c_str()), longName);
}

TEST(NameEdit, RefusesTheNineCharactersAndEveryPaste) {
    for (char c : std::string("<>\"\\/*?:|")) EXPECT_TRUE(IsForbiddenNameChar(QChar(c))) << c;
    for (char c : std::string("aZ09 .-_[]'")) EXPECT_FALSE(IsForbiddenNameChar(QChar(c))) << c;
}

class SavePuzzleTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        state = MakeGameState(&host);
        SetCurrent(state.get(), "People", "people [006]");
        StartCreatePuzzle(state.get());
        // The whole store set moved onto the field as it lies: a 40 x 40
        // square, offset by 10 cells.
        for (int i = 0; i < kPieceCount; ++i) {
            state->fieldSlots[i] = state->storeHome[i];
            state->fieldSlots[i].col += 10;
            state->fieldSlots[i].row += 10;
            state->storeSlots[i].piece = 0;
        }
        host.events.clear();
    }

    template <typename T>
    static T* Child(QDialog* d, const char* name) {
        T* child = d->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    static void Click(QDialog* d, const char* name) { Child<QPushButton>(d, name)->click(); }
    static QStringList Groups(QDialog* d) {
        QStringList out;
        auto* list = Child<QListWidget>(d, "groupList");
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }
    static QString SelectedGroup(QDialog* d) {
        const auto selected = Child<QListWidget>(d, "groupList")->selectedItems();
        return selected.isEmpty() ? QString() : selected.front()->text();
    }

    int Run(std::function<void(QDialog*)> act) {
        ModalDriver driver(std::move(act));
        const int result = SavePuzzleDialog(nullptr, state.get());
        EXPECT_TRUE(driver.acted());
        EXPECT_FALSE(driver.timedOut());
        return result;
    }

    RecordingHost host;
    std::unique_ptr<GameState> state;
};

TEST_F(SavePuzzleTest, RefusesWhileAPieceIsNotOnTheField) {
    state->fieldSlots[3].piece = 0;
    state->storeSlots[3] = state->storeHome[3];
    ModalDriver driver([](QDialog* d) { d->reject(); });
    EXPECT_EQ(SavePuzzleDialog(nullptr, state.get()), QDialog::Rejected);
    EXPECT_FALSE(driver.acted());
    EXPECT_EQ(host.events,
              std::vector<std::string>({"message Please put all figures on the field."}));
    EXPECT_STREQ(state->currentPuzzle, "people [006]");  // not advanced
    EXPECT_EQ(state->createMode, 1);
}

TEST_F(SavePuzzleTest, ProposesTheNextNumberAtEveryOpening) {
    std::filesystem::create_directories("Puzzles/People");
    Run([&](QDialog* d) {
        EXPECT_EQ(Child<QLineEdit>(d, "fileName")->text(), "people [007]");
        SaveScreenshot(d, "save_puzzle.png");
        Click(d, "cancel");
    });
    EXPECT_STREQ(state->currentPuzzle, "people [007]");  // kept after Cancel
    Run([&](QDialog* d) {
        EXPECT_EQ(Child<QLineEdit>(d, "fileName")->text(), "people [008]");
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_TRUE(host.events.empty());
    EXPECT_FALSE(std::filesystem::exists("Puzzles/People/people [007].pzk"));
}

TEST_F(SavePuzzleTest, ControlsTabOrderAndGroupSelection) {
    for (const char* g : {"zoo", "People", "animals"})
        std::filesystem::create_directories(std::string("Puzzles/") + g);
    SetCurrent(state.get(), "PEOPLE", "x");
    Run([&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Save puzzle");
        EXPECT_EQ(Groups(d), QStringList({"animals", "People", "zoo"}));
        EXPECT_EQ(SelectedGroup(d), "People");  // matched with case ignored
        QWidget* order[] = {Child<QLineEdit>(d, "groupName"),   Child<QPushButton>(d, "create"),
                            Child<QListWidget>(d, "groupList"), Child<QLineEdit>(d, "fileName"),
                            Child<QPushButton>(d, "ok"),        Child<QPushButton>(d, "cancel")};
        for (int i = 0; i < 6; ++i) EXPECT_EQ(NextTabStop(order[i]), order[(i + 1) % 6]) << i;
        EXPECT_TRUE(Child<QPushButton>(d, "ok")->isDefault());
        QStringList frames;
        for (auto* box : d->findChildren<QGroupBox*>()) frames << box->title();
        frames.sort();
        EXPECT_EQ(frames, QStringList({"File name", "Group"}));
        Click(d, "cancel");
    });
    SetCurrent(state.get(), "nothing like it", "x");
    Run([&](QDialog* d) {
        EXPECT_EQ(SelectedGroup(d), "animals");  // the first entry
        Click(d, "cancel");
    });
}

// Types into an edit and pastes into it in every way the edit offers.
void CheckNameFilter(QLineEdit* edit) {
    edit->clear();
    QTest::keyClicks(edit, "a<b>c\"d\\e/f*g?h:i|j");
    EXPECT_EQ(edit->text(), "abcdefghij");
    QApplication::clipboard()->setText("pasted");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(edit->text(), "abcdefghij");
    // The Paste entry of the edit's own menu.
    bool sawPaste = false;
    QTimer::singleShot(50, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        for (QAction* action : menu->actions())
            if (action->text().startsWith(QLineEdit::tr("&Paste"))) {
                sawPaste = true;
                action->trigger();
            }
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(2, 2),
                            edit->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(edit, &event);
    EXPECT_TRUE(sawPaste);
    EXPECT_EQ(edit->text(), "abcdefghij");
    // At most 100 characters, and at most 100 bytes in the stored form.
    edit->clear();
    QTest::keyClicks(edit, QString(101, 'n'));
    EXPECT_EQ(edit->text(), QString(100, 'n'));
    edit->clear();
    for (int i = 0; i < 60; ++i) {  // two bytes each in UTF-8
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QString(QChar(0x00E9)));
        QApplication::sendEvent(edit, &key);
    }
    EXPECT_EQ(edit->text().toLocal8Bit().size(), 100);
}

TEST_F(SavePuzzleTest, BothEditsFilterTheirInput) {
    // The filter must be what refuses the paste: a plain edit takes it.
    QLineEdit plain;
    QApplication::clipboard()->setText("pasted");
    QTest::keyClick(&plain, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(plain.text(), "pasted");

    Run([&](QDialog* d) {
        CheckNameFilter(Child<QLineEdit>(d, "groupName"));
        CheckNameFilter(Child<QLineEdit>(d, "fileName"));
        Click(d, "cancel");
    });
}

// A puzzle file may be named with one of the nine characters where the file
// system allows it; its proposal can still be edited.
TEST_F(SavePuzzleTest, ProposalWithAForbiddenCharacterCanBeEdited) {
    std::filesystem::create_directories("Puzzles/People");
    SetCurrent(state.get(), "People", "why? [001]");
    Run([&](QDialog* d) {
        auto* file = Child<QLineEdit>(d, "fileName");
        EXPECT_EQ(file->text(), "why? [002]");
        file->end(false);
        QTest::keyClick(file, Qt::Key_Backspace);
        QTest::keyClick(file, Qt::Key_Backspace);
        QTest::keyClicks(file, "3]:");
        EXPECT_EQ(file->text(), "why? [003]");
        file->setCursorPosition(4);
        QTest::keyClick(file, Qt::Key_Backspace);
        EXPECT_EQ(file->text(), "why [003]");
        Click(d, "cancel");
    });
}

TEST_F(SavePuzzleTest, CreateGroupChecksTheName) {
    std::filesystem::create_directories("Puzzles/People");
    Run([&](QDialog* d) {
        auto* name = Child<QLineEdit>(d, "groupName");
        Click(d, "create");  // empty
        QTest::keyClicks(name, "   ");
        Click(d, "create");  // blanks only
        name->clear();
        QTest::keyClicks(name, "people");
        Click(d, "create");  // exists with other case
        EXPECT_EQ(name->text(), "people");
        name->clear();
        QTest::keyClicks(name, "Mine");
        Click(d, "create");
        EXPECT_EQ(Groups(d), QStringList({"Mine", "People"}));
        EXPECT_EQ(SelectedGroup(d), "Mine");
        EXPECT_EQ(name->text(), "");
        Click(d, "cancel");
    });
    EXPECT_EQ(host.Only("message"),
              std::vector<std::string>({"message Please enter a group name.",
                                        "message Please enter a group name.",
                                        "message This group already exist."}));
    EXPECT_FALSE(std::filesystem::exists("Puzzles/people"));
    EXPECT_TRUE(std::filesystem::is_directory("Puzzles/Mine"));
    EXPECT_STREQ(state->currentGroup, "Mine");  // kept after Cancel
}

TEST_F(SavePuzzleTest, WithoutPuzzlesFolderNothingCanBeCreatedOrSaved) {
    Run([&](QDialog* d) {
        EXPECT_TRUE(Groups(d).isEmpty());
        QTest::keyClicks(Child<QLineEdit>(d, "groupName"), "Mine");
        Click(d, "create");
        Click(d, "ok");
        EXPECT_TRUE(d->isVisible());
        Click(d, "cancel");
    });
    EXPECT_EQ(host.Only("message"), std::vector<std::string>({"message Error creation group.",
                                                              "message Please create a group."}));
    EXPECT_FALSE(std::filesystem::exists("Puzzles"));
}

TEST_F(SavePuzzleTest, BlankFileNameKeepsTheDialogOpen) {
    std::filesystem::create_directories("Puzzles/Mine");
    Run([&](QDialog* d) {
        auto* file = Child<QLineEdit>(d, "fileName");
        file->clear();
        QTest::keyClicks(file, "   ");
        Click(d, "ok");
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(file->text(), "   ");
        Click(d, "cancel");
    });
    EXPECT_EQ(host.Only("message"),
              std::vector<std::string>({"message Please enter a file name."}));
    EXPECT_STREQ(state->currentGroup, "Mine");  // taken from the list before the name check
    EXPECT_EQ(state->createMode, 1);
}

TEST_F(SavePuzzleTest, OkSavesTheFigureAndMakesItCurrent) {
    std::filesystem::create_directories("Puzzles/Mine");
    const int result = Run([&](QDialog* d) {
        auto* file = Child<QLineEdit>(d, "fileName");
        file->clear();
        QTest::keyClicks(file, " my square ");
        QTest::keyClick(file, Qt::Key_Return);  // Enter presses OK
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(host.Only("message"), std::vector<std::string>({"message Puzzle saved."}));
    EXPECT_STREQ(state->currentGroup, "Mine");
    EXPECT_STREQ(state->currentPuzzle, " my square ");
    const std::string text = ReadText("Puzzles/Mine/ my square .pzk");
    EXPECT_EQ(text.rfind("[DATA]\r\nNAME =  my square \r\nDX = 40\r\nDY = 40\r\n", 0), 0u);
    EXPECT_EQ(state->createMode, 0);
    EXPECT_EQ(state->silhouetteWidth, 40);
    EXPECT_EQ(state->fieldSlots[0].piece, 0);
}

TEST_F(SavePuzzleTest, OverwriteAsksWithNoAsDefault) {
    std::filesystem::create_directories("Puzzles/Mine");
    WriteText("Puzzles/Mine/old.pzk", "old text");
    SetCurrent(state.get(), "Mine", "old");

    host.nextAnswer = MsgResult::No;
    EXPECT_EQ(Run([&](QDialog* d) { Click(d, "ok"); }), QDialog::Accepted);
    EXPECT_EQ(host.Only("message"), std::vector<std::string>({"message File exist. Overwrite?"}));
    EXPECT_EQ(ReadText("Puzzles/Mine/old.pzk"), "old text");
    EXPECT_EQ(state->createMode, 1);

    host.events.clear();
    host.nextAnswer = MsgResult::Yes;
    EXPECT_EQ(Run([&](QDialog* d) { Click(d, "ok"); }), QDialog::Accepted);
    EXPECT_EQ(host.Only("message"), std::vector<std::string>({"message File exist. Overwrite?",
                                                              "message Puzzle saved."}));
    EXPECT_EQ(ReadText("Puzzles/Mine/old.pzk").rfind("[DATA]\r\nNAME = old\r\n", 0), 0u);
    EXPECT_EQ(state->createMode, 0);
}

// A click at the centre of a full cell of a piece's mask: first in the
// store, where it takes the piece, then on the field, where it drops it.
void MovePieceToField(GameState* s, int slot, int col, int row) {
    const PieceSlot home = s->storeHome[slot];
    const PieceMask& mask = s->pieceMasks[TableIndex(home.piece, home.orientation)];
    int mc = 0, mr = 0;
    for (int r = 0; r < kMaskSize; ++r)
        for (int c = 0; c < kMaskSize; ++c)
            if (IsFullCell(mask[r][c]) && mc == 0 && mr == 0) mc = c, mr = r;
    const int scale = s->view.scale;
    const Rect store = StoreRect(s), field = FieldRect(s);
    HandlePrimaryClick(s, store.left + (home.col + mc + 1) * scale,
                       store.top + (home.row + mr + 1) * scale);
    ASSERT_EQ(s->carriedPiece, home.piece);
    HandlePrimaryClick(s, field.left + (col + mc + 1) * scale, field.top + (row + mr + 1) * scale);
    ASSERT_EQ(s->carriedPiece, 0);
}

TEST_F(SavePuzzleTest, PlayerSavesAFigureIntoANewGroupAndFindsItInNewGame) {
    WriteSolidPuzzle("People", "people [006].pzk", 40, 40);
    state->solvedCount = 0;
    StartCreatePuzzle(state.get());
    // Spread the set out: the two large triangles apart from the rest.
    const int offsets[kPieceCount][2] = {{50, 50},  {50, 75},  {90, 50}, {100, 60},
                                         {110, 50}, {110, 60}, {120, 70}};
    for (int i = 0; i < kPieceCount; ++i)
        MovePieceToField(state.get(), i, state->storeHome[i].col + offsets[i][0],
                         state->storeHome[i].row + offsets[i][1]);

    // The cells the figure covers on the field.
    int left = kGridSize, top = kGridSize, right = -1, bottom = -1;
    for (const PieceSlot& slot : state->fieldSlots) {
        const PieceMask& mask = state->pieceMasks[TableIndex(slot.piece, slot.orientation)];
        for (int r = 0; r < kMaskSize; ++r)
            for (int c = 0; c < kMaskSize; ++c)
                if (mask[r][c][0] | mask[r][c][1] | mask[r][c][2] | mask[r][c][3]) {
                    left = std::min(left, slot.col + c), right = std::max(right, slot.col + c);
                    top = std::min(top, slot.row + r), bottom = std::max(bottom, slot.row + r);
                }
    }
    ASSERT_GT(right - left, 40);  // wider than the set as it lies in the store

    Run([&](QDialog* d) {
        QTest::keyClicks(Child<QLineEdit>(d, "groupName"), "My figures");
        Click(d, "create");
        EXPECT_EQ(SelectedGroup(d), "My figures");
        EXPECT_EQ(Child<QLineEdit>(d, "fileName")->text(), "people [007]");
        Click(d, "ok");
    });
    EXPECT_EQ(host.Only("message").back(), "message Puzzle saved.");
    EXPECT_STREQ(state->currentGroup, "My figures");
    EXPECT_STREQ(state->currentPuzzle, "people [007]");
    EXPECT_EQ(state->silhouetteWidth, right - left + 1);
    EXPECT_EQ(state->silhouetteHeight, bottom - top + 1);
    const int width = state->silhouetteWidth, height = state->silhouetteHeight;

    // New game lists it under its group, selected; OK plays it.
    StartCreatePuzzle(state.get());
    ModalDriver driver([&](QDialog* d) {
        auto* tree = d->findChild<QTreeWidget*>("tree");
        EXPECT_EQ(tree->topLevelItem(0)->text(0), "My figures");
        EXPECT_EQ(SelectedPuzzlePath(tree), "Puzzles\\My figures\\people [007].pzk");
        d->findChild<QPushButton*>("ok")->click();
    });
    EXPECT_EQ(NewGameDialog(nullptr, state.get()), QDialog::Accepted);
    EXPECT_EQ(state->createMode, 0);
    EXPECT_EQ(state->silhouetteWidth, width);
    EXPECT_EQ(state->silhouetteHeight, height);
}

}  // namespace
