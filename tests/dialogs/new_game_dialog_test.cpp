// The New game dialog driven in-process on a library written into a fresh
// current directory: the tree and its marks, the selection on opening, the
// preview, and what OK, double-click and Cancel do to the game.
#include "library/new_game_dialog.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "dialogs/new_game_support.h"
#include "display/drawing_resources.h"
#include "library/dialog_units.h"
#include "model/board.h"
#include "model/rules.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace {

constexpr QRgb kBack = 0xFFFFFFFF;  // colorBack white
constexpr QRgb kInk = 0xFF000080;   // colorInk 0x00800000: dark blue
constexpr QRgb kPattern = 0xFF00FF00;

class NewGameTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        state = MakeGameState(&host);
        state->view.colorBack = 0x00FFFFFF;
        state->view.colorInk = 0x00800000;
    }

    QTreeWidget* Tree(QDialog* d) { return d->findChild<QTreeWidget*>("tree"); }
    QWidget* Preview(QDialog* d) { return d->findChild<QWidget*>("preview"); }
    void Click(QDialog* d, const char* button) { d->findChild<QPushButton*>(button)->click(); }
    // The texts of a tree level with their image indices ("name:1").
    static QStringList Items(QTreeWidgetItem* parent) {
        QStringList out;
        for (int i = 0; i < parent->childCount(); ++i)
            out << parent->child(i)->text(0) + ":" +
                       QString::number(parent->child(i)->data(0, Qt::UserRole).toInt());
        return out;
    }
    // A press and release, then the second press that the system reports as
    // a double-click.
    static void DoubleClick(QTreeWidget* tree, QTreeWidgetItem* item) {
        const QPoint at = tree->visualItemRect(item).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    }
    // Runs the dialog with an action on it; fails if it had to be closed by
    // the watchdog.
    int Run(std::function<void(QDialog*)> act) {
        ModalDriver driver(std::move(act));
        const int result = NewGameDialog(nullptr, state.get());
        EXPECT_TRUE(driver.acted());
        EXPECT_FALSE(driver.timedOut());
        return result;
    }

    RecordingHost host;
    std::unique_ptr<GameState> state;
};

TEST(DialogUnits, ScaleWithTheFontAndRoundToNearest) {
    const DialogBaseUnits units{7, 13};
    EXPECT_EQ(DialogRect(units, 268, 7, 50, 14), QRect(469, 11, 88, 23));  // 87.5 -> 88
    EXPECT_EQ(DialogSize(units, 325, 113), QSize(569, 184));               // 568.75, 183.625
    EXPECT_EQ(DialogUnitsToPixelsX(units, 2), 4);                          // 3.5 rounds up
    EXPECT_EQ(DialogUnitsToPixelsY({6, 12}, 3), 5);                        // 4.5 rounds up
    // The width is the rounded average over the 52 letters; the height is
    // the font's line height, so a bigger font gives bigger dialogs.
    QFont small = DialogFont(), large = DialogFont();
    large.setPointSize(16);
    const DialogBaseUnits a = MeasureDialogUnits(small), b = MeasureDialogUnits(large);
    EXPECT_GT(a.charWidth, 3);
    EXPECT_EQ(a.charHeight, QFontMetrics(small).height());
    EXPECT_GT(b.charWidth, a.charWidth);
    EXPECT_GT(b.charHeight, a.charHeight);
}

TEST_F(NewGameTest, TreeListsGroupsAndPuzzlesSortedWithSolvedMarks) {
    WriteSolidPuzzle("People", "people [006].pzk", 40, 40);
    WriteSolidPuzzle("People", "a.pzk", 30, 30);
    WriteSolidPuzzle("People", "Zebra.pzk", 30, 30);
    WriteSolidPuzzle("People", "upper.PZK", 30, 30);  // not the puzzle extension
    WriteSolidPuzzle("People", "notes.txt", 30, 30);
    WriteSolidPuzzle("Animals", "people [006].pzk", 40, 40);  // same name, other group
    WriteSolidPuzzle("animals2", "b.pzk", 30, 30);
    std::filesystem::create_directories("Puzzles/Empty");
    std::filesystem::create_directories("Puzzles/People/deeper.pzk");  // a folder, not a file
    WriteText("Puzzles/loose.pzk", "not in a group");
    RecordSolved(state.get(), "People", "people [006]");
    RecordSolved(state.get(), "People", "Zebra");
    RecordSolved(state.get(), "people", "a");  // group differs in case only
    SetCurrent(state.get(), "People", "Zebra");

    const int result = Run([&](QDialog* d) {
        QTreeWidget* tree = Tree(d);
        EXPECT_EQ(Items(tree->invisibleRootItem()),
                  QStringList({"Animals:2", "animals2:2", "Empty:2", "People:2"}));
        EXPECT_EQ(Items(tree->topLevelItem(0)), QStringList({"people [006]:0"}));
        EXPECT_EQ(Items(tree->topLevelItem(1)), QStringList({"b:0"}));
        EXPECT_EQ(tree->topLevelItem(2)->childCount(), 0);
        EXPECT_EQ(Items(tree->topLevelItem(3)), QStringList({"a:0", "people [006]:1", "Zebra:1"}));
        EXPECT_FALSE(tree->topLevelItem(3)->child(1)->icon(0).isNull());
        // The current puzzle is selected and its group opened.
        ASSERT_NE(tree->currentItem(), nullptr);
        EXPECT_EQ(tree->currentItem()->text(0), "Zebra");
        EXPECT_TRUE(tree->topLevelItem(3)->isExpanded());
        EXPECT_EQ(SelectedPuzzlePath(tree), "Puzzles\\People\\Zebra.pzk");
        SaveScreenshot(d, "new_game.png");
        Click(d, "cancel");
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_TRUE(host.Only("message").empty());
}

TEST_F(NewGameTest, TreeIsReadAfreshAtEveryOpening) {
    WriteSolidPuzzle("People", "one.pzk", 30, 30);
    Run([&](QDialog* d) {
        EXPECT_EQ(Items(Tree(d)->topLevelItem(0)), QStringList({"one:0"}));
        Click(d, "cancel");
    });
    WriteSolidPuzzle("People", "two.pzk", 30, 30);
    RecordSolved(state.get(), "People", "one");
    Run([&](QDialog* d) {
        EXPECT_EQ(Items(Tree(d)->topLevelItem(0)), QStringList({"one:1", "two:0"}));
        Click(d, "cancel");
    });
}

TEST_F(NewGameTest, CurrentPuzzleNotInTheTreeSelectsNothing) {
    WriteSolidPuzzle("People", "one.pzk", 30, 30);
    SetCurrent(state.get(), "people", "one");  // group named with another case
    Run([&](QDialog* d) {
        EXPECT_EQ(Tree(d)->currentItem(), nullptr);
        EXPECT_EQ(SelectedPuzzlePath(Tree(d)), "");
        Click(d, "ok");
        EXPECT_TRUE(d->isVisible());
        Click(d, "cancel");
    });
    EXPECT_EQ(host.Only("message"), std::vector<std::string>({"message Puzzle is not selected."}));
}

TEST_F(NewGameTest, GroupItemCountsAsNothingSelected) {
    WriteSolidPuzzle("People", "one.pzk", 30, 30);
    SetCurrent(state.get(), "People", "one");
    const int result = Run([&](QDialog* d) {
        QTreeWidget* tree = Tree(d);
        QTreeWidgetItem* group = tree->topLevelItem(0);
        tree->setCurrentItem(group);
        const SelectedNames names = SelectedNamesOf(tree);
        EXPECT_EQ(names.group, "");
        EXPECT_EQ(names.puzzle, "People");
        EXPECT_EQ(SelectedPuzzlePath(tree), "");
        SaveScreenshot(d, "new_game_group.png");
        Click(d, "ok");
        EXPECT_TRUE(d->isVisible());
        // A double-click on the group only opens or closes it.
        const bool expanded = group->isExpanded();
        DoubleClick(tree, group);
        EXPECT_TRUE(d->isVisible());
        EXPECT_NE(group->isExpanded(), expanded);
        Click(d, "cancel");
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(host.Only("message"), std::vector<std::string>({"message Puzzle is not selected."}));
    EXPECT_STREQ(state->currentPuzzle, "one");
}

TEST_F(NewGameTest, InvalidFileIsListedButRefused) {
    WriteSolidPuzzle("People", "good.pzk", 30, 30);
    std::filesystem::create_directories("Puzzles/People");
    WriteText("Puzzles/People/bad.pzk", "[DATA]\r\nDX = 19\r\nDY = 30\r\n");
    SetCurrent(state.get(), "People", "bad");
    const int before = state->silhouetteWidth;
    Run([&](QDialog* d) {
        EXPECT_EQ(Items(Tree(d)->topLevelItem(0)), QStringList({"bad:0", "good:0"}));
        EXPECT_EQ(Tree(d)->currentItem()->text(0), "bad");
        Click(d, "ok");
        EXPECT_TRUE(d->isVisible());
        // A file removed while the dialog is open reads as invalid, too.
        Tree(d)->setCurrentItem(Tree(d)->topLevelItem(0)->child(1));
        std::filesystem::remove("Puzzles/People/good.pzk");
        Click(d, "ok");
        EXPECT_TRUE(d->isVisible());
        Click(d, "cancel");
    });
    EXPECT_EQ(host.Only("message"),
              std::vector<std::string>(2, "message Please select a valid puzzle."));
    EXPECT_EQ(state->silhouetteWidth, before);
    EXPECT_STREQ(state->currentPuzzle, "bad");
}

TEST_F(NewGameTest, OkAppliesTheSelectedPuzzle) {
    WriteSolidPuzzle("People", "one.pzk", 30, 30);
    WriteSolidPuzzle("Shapes", "wide.pzk", 50, 25);
    SetCurrent(state.get(), "People", "one");
    StartCreatePuzzle(state.get());
    state->fieldSlots[0] = state->storeHome[0];
    state->storeSlots[0].piece = 0;
    host.events.clear();
    const int result = Run([&](QDialog* d) {
        QTreeWidget* tree = Tree(d);
        tree->setCurrentItem(tree->topLevelItem(1)->child(0));
        Click(d, "ok");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_STREQ(state->currentGroup, "Shapes");
    EXPECT_STREQ(state->currentPuzzle, "wide");
    EXPECT_EQ(state->silhouetteWidth, 50);
    EXPECT_EQ(state->silhouetteHeight, 25);
    EXPECT_EQ(state->cells[24][49][2], 1);
    EXPECT_EQ(state->cells[25][0][0], 0);
    EXPECT_EQ(state->createMode, 0);
    EXPECT_EQ(state->fieldSlots[0].piece, 0);
    EXPECT_EQ(state->storeSlots[0].piece, state->storeHome[0].piece);
    EXPECT_TRUE(host.Only("message").empty());
    EXPECT_EQ(host.Only("menu").size(), 1u);
}

TEST_F(NewGameTest, DoubleClickOnAPuzzleActsAsOk) {
    WriteSolidPuzzle("People", "one.pzk", 30, 30);
    WriteSolidPuzzle("People", "two.pzk", 44, 33);
    const int result = Run([&](QDialog* d) {
        QTreeWidget* tree = Tree(d);
        QTreeWidgetItem* two = tree->topLevelItem(0)->child(1);
        tree->expandAll();
        tree->setCurrentItem(two);
        DoubleClick(tree, two);
        if (d->isVisible()) d->reject();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_STREQ(state->currentPuzzle, "two");
    EXPECT_EQ(state->silhouetteWidth, 44);
}

TEST_F(NewGameTest, EmptyLibraryShowsNothingAndCancelCloses) {
    const int result = Run([&](QDialog* d) {
        EXPECT_EQ(Tree(d)->topLevelItemCount(), 0);
        Click(d, "ok");
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(host.Only("message"), std::vector<std::string>({"message Puzzle is not selected."}));
}

// The preview painted into an image of the 160 x 160 square.
QImage PaintPreview(const GameState* state, const std::string& path) {
    QImage image(kPreviewSize, kPreviewSize, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    static PuzzleRecord scratch;
    PaintPuzzlePreview(state, painter, image.rect(), path, &scratch);
    return image;
}

// Rows of an image that hold a pixel of the colour.
std::pair<int, int> RowsWith(const QImage& image, QRgb colour) {
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour) {
                if (first < 0) first = y;
                last = y;
            }
    return {first, last};
}

TEST_F(NewGameTest, PreviewCentresTheSilhouetteOnePixelPerCell) {
    WriteSolidPuzzle("G", "big.pzk", 159, 159);
    WriteSolidPuzzle("G", "small.pzk", 20, 21);
    const QImage big = PaintPreview(state.get(), "Puzzles\\G\\big.pzk");
    EXPECT_EQ(big.pixel(0, 0), kInk);
    EXPECT_EQ(big.pixel(158, 158), kInk);
    EXPECT_EQ(big.pixel(159, 159), kBack);

    const QImage small = PaintPreview(state.get(), "Puzzles\\G\\small.pzk");
    EXPECT_EQ(small.pixel(70, 69), kInk);
    EXPECT_EQ(small.pixel(89, 89), kInk);
    EXPECT_EQ(small.pixel(69, 69), kBack);
    EXPECT_EQ(small.pixel(70, 68), kBack);
    EXPECT_EQ(small.pixel(90, 89), kBack);
    EXPECT_EQ(small.pixel(89, 90), kBack);
}

TEST_F(NewGameTest, PreviewMessagesAndBackgroundBrush) {
    WriteText("bad.pzk", "[DATA]\r\n");
    DrawingResources resources;
    resources.backgroundBrush = QBrush(QColor(kPattern));
    state->drawing = &resources;
    const QImage none = PaintPreview(state.get(), "");
    const QImage invalid = PaintPreview(state.get(), "bad.pzk");
    state->drawing = nullptr;
    EXPECT_EQ(none.pixel(0, 0), kPattern);
    EXPECT_EQ(none.pixel(159, 159), kPattern);
    // Both texts are drawn in ink from y = 80 down, and they differ.
    EXPECT_GE(RowsWith(none, kInk).first, 80);
    EXPECT_LT(RowsWith(none, kInk).first, 84);
    EXPECT_GE(RowsWith(invalid, kInk).first, 80);
    EXPECT_NE(none, invalid);
}

TEST_F(NewGameTest, PreviewFollowsTheSelection) {
    WriteSolidPuzzle("G", "small.pzk", 20, 21);
    WriteSolidPuzzle("G", "big.pzk", 159, 159);
    SetCurrent(state.get(), "G", "small");
    Run([&](QDialog* d) {
        QWidget* preview = Preview(d);
        const QImage first = preview->grab().toImage();
        EXPECT_EQ(first.pixel(70, 69), kInk);
        EXPECT_EQ(first.pixel(0, 0), kBack);
        Tree(d)->setCurrentItem(Tree(d)->topLevelItem(0)->child(0));  // big
        const QImage second = preview->grab().toImage();
        EXPECT_EQ(second.pixel(0, 0), kInk);
        Tree(d)->setCurrentItem(Tree(d)->topLevelItem(0));
        const QImage group = preview->grab().toImage();
        EXPECT_EQ(group.pixel(0, 0), kBack);
        EXPECT_GE(RowsWith(group, kInk).first, 80);
        Click(d, "cancel");
    });
}

TEST_F(NewGameTest, TabOrderAndSizeFromDialogUnits) {
    Run([&](QDialog* d) {
        auto* ok = d->findChild<QPushButton*>("ok");
        auto* cancel = d->findChild<QPushButton*>("cancel");
        EXPECT_TRUE(ok->isDefault());
        EXPECT_EQ(NextTabStop(ok), cancel);
        EXPECT_EQ(NextTabStop(cancel), Tree(d));
        EXPECT_EQ(NextTabStop(Tree(d)), ok);
        EXPECT_EQ(d->windowTitle(), "New game");
        // The preview starts right of the tree and the buttons right of it.
        EXPECT_LT(Tree(d)->geometry().right(), Preview(d)->x());
        EXPECT_LT(Preview(d)->geometry().right(), ok->x());
        EXPECT_LE(ok->geometry().right(), d->width());
        Click(d, "cancel");
    });
}

}  // namespace
