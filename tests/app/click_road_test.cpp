// The road of a click through the real board widget: take, carry, turn,
// drop, refused drop and send home.
#include <QImage>
#include <QWheelEvent>

#include "app/orientation_popup.h"
#include "app_fixture.h"
#include "model/game_host.h"

namespace {

class ClickRoadTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        Start();
        ASSERT_EQ(state_->silhouetteWidth, 40);  // the default square
        ASSERT_EQ(state_->primaryButtonMessage, kLeftButtonDown);
    }
    void Wheel(int delta) {
        const QPoint p = board()->pointer();
        QWheelEvent e(p, board()->mapToGlobal(p), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(board(), &e);
    }
    QImage Shot() { return board()->grab().toImage(); }
};

TEST_F(ClickRoadTest, TakeCarryAndDropOnTheField) {
    const int piece = state_->storeSlots[0].piece;
    Click(StorePiecePoint(0));
    EXPECT_EQ(state_->carriedPiece, piece);
    EXPECT_EQ(state_->storeSlots[0].piece, 0);
    EXPECT_EQ(Only("sound"), std::vector<std::string>{"sound take"});

    // The carried piece follows the pointer: moving it changes the picture
    // at the new place.
    const QPoint target = DropPoint(0, 0);
    const QImage before = Shot();
    Move(target);
    const QImage after = Shot();
    EXPECT_NE(before, after);

    Click(target);
    EXPECT_EQ(state_->carriedPiece, 0);
    EXPECT_EQ(state_->fieldSlots[0].piece, piece);
    EXPECT_EQ(state_->fieldSlots[0].col, 0);
    EXPECT_EQ(state_->fieldSlots[0].row, 0);
    EXPECT_EQ(Only("sound").back(), "sound drop");

    // Taking it back off the field and dropping without moving puts it back.
    Click(target);
    EXPECT_EQ(state_->carriedPiece, piece);
    EXPECT_EQ(Only("sound").back(), "sound take");
    Click(target);
    EXPECT_EQ(state_->fieldSlots[0].col, 0);
    EXPECT_EQ(state_->fieldSlots[0].row, 0);
}

TEST_F(ClickRoadTest, RefusedDropKeepsThePieceAndSoundsError) {
    Click(StorePiecePoint(0));
    // Column 30 leaves a 40-cell piece hanging out of the 40-cell square.
    Click(DropPoint(30, 0));
    EXPECT_NE(state_->carriedPiece, 0);
    EXPECT_EQ(state_->fieldSlots[0].piece, 0);
    EXPECT_EQ(Only("sound").back(), "sound error");
}

TEST_F(ClickRoadTest, StoreClickSendsTheCarriedPieceHome) {
    const PieceSlot home = state_->storeSlots[0];
    Click(StorePiecePoint(0));
    TurnCarriedPiece(state_.get(), 'S');  // carried in another orientation
    // The empty store corner below the square: nothing there to take.
    const Rect s = StoreRect(state_.get());
    Click(QPoint(s.left + 2, s.bottom - 2 - half()));
    EXPECT_EQ(state_->carriedPiece, 0);
    EXPECT_EQ(state_->storeSlots[0].piece, home.piece);
    EXPECT_EQ(state_->storeSlots[0].orientation, home.orientation);
    EXPECT_EQ(Only("sound").back(), "sound drop");
}

TEST_F(ClickRoadTest, OnlyThePrimaryButtonPlays) {
    // The right button's press is not a click; its context menu opens the
    // popup only while a piece is carried (none is).
    Click(StorePiecePoint(0), Qt::RightButton);
    EXPECT_EQ(state_->carriedPiece, 0);
    EXPECT_TRUE(Only("sound").empty());
    EXPECT_EQ(state_->menuTarget, nullptr);
}

TEST_F(ClickRoadTest, KeysAndWheelTurnOnlyACarriedPiece) {
    QTest::keyClick(board(), Qt::Key_A);
    Wheel(120);
    EXPECT_TRUE(Only("sound").empty());

    Click(StorePiecePoint(0));
    const int o = state_->carriedOrientation;
    const int count = state_->orientationCounts[state_->carriedPiece - 1];
    QTest::keyClick(board(), Qt::Key_A);
    EXPECT_EQ(state_->carriedOrientation, (o + count - 1) % count);
    QTest::keyClick(board(), Qt::Key_S);
    EXPECT_EQ(state_->carriedOrientation, o);
    QTest::keyClick(board(), Qt::Key_D);  // any other key does nothing
    EXPECT_EQ(state_->carriedOrientation, o);
    Wheel(120);  // forward acts as A
    EXPECT_EQ(state_->carriedOrientation, (o + count - 1) % count);
    Wheel(-120);  // backward as S
    EXPECT_EQ(state_->carriedOrientation, o);
    EXPECT_EQ(Only("sound").size(), 5u);  // take and four turns
    EXPECT_EQ(Only("sound").back(), "sound rotate");
}

// Letters with Ctrl, Alt or Meta are commands, and wheel events without a
// vertical step (a touchpad's scroll begin and end) are no turns.
TEST_F(ClickRoadTest, CommandKeysAndEmptyWheelEventsDoNotTurn) {
    Click(StorePiecePoint(0));
    const int o = state_->carriedOrientation;
    ASSERT_FALSE(window_->action(kCmdSavePuzzle)->isEnabled());  // Ctrl+S reaches the board
    for (const auto& [key, held] : {std::pair{Qt::Key_S, Qt::ControlModifier},
                                    {Qt::Key_A, Qt::AltModifier},
                                    {Qt::Key_S, Qt::AltModifier},
                                    {Qt::Key_A, Qt::MetaModifier}})
        QTest::keyClick(board(), key, held);
    Wheel(0);
    EXPECT_EQ(state_->carriedOrientation, o);
    EXPECT_EQ(Only("sound"), std::vector<std::string>{"sound take"});
}

TEST_F(ClickRoadTest, PopupPicturesTurnTheCarriedPiece) {
    Click(StorePiecePoint(0));
    ASSERT_EQ(state_->orientationCounts[state_->carriedPiece - 1], 8);
    // Choose the picture of orientation 6 (item 7, second column) by
    // clicking it once the popup is up.
    QSize popupSize;
    QPoint chosenAt;  // screen position of the click on the picture
    QTimer::singleShot(50, [&] {
        auto* popup = dynamic_cast<OrientationPopup*>(QApplication::activePopupWidget());
        if (!popup) return;
        popupSize = popup->size();
        const QPoint p = popup->ItemRect(6).center();
        chosenAt = popup->mapToGlobal(p);
        QTest::mouseMove(popup, p);
        QTest::mouseClick(popup, Qt::LeftButton, Qt::NoModifier, p);
    });
    QTimer::singleShot(2000, [] {  // watchdog
        if (QWidget* w = QApplication::activePopupWidget()) w->close();
    });
    const QPoint p = board()->pointer();
    QContextMenuEvent e(QContextMenuEvent::Mouse, p, board()->mapToGlobal(p));
    QApplication::sendEvent(board(), &e);
    EXPECT_EQ(popupSize, QSize(2 * 122 + 4, 4 * 82 + 4));  // items and a 2-pixel border
    EXPECT_EQ(state_->carriedOrientation, 6);
    EXPECT_EQ(Only("sound").back(), "sound rotate");
    // The turned piece is painted where the pointer now is, over the chosen
    // picture, not where the popup was opened.
    EXPECT_EQ(board()->pointer(), board()->mapFromGlobal(chosenAt));
    EXPECT_NE(board()->pointer(), p);
}

TEST_F(ClickRoadTest, SquarePopupHasOneColumnAndEscapeChangesNothing) {
    // Store slot 5 holds the square.
    ASSERT_EQ(state_->storeSlots[5].piece, 6);
    Click(StorePiecePoint(5));
    const int o = state_->carriedOrientation;
    QSize popupSize;
    QTimer::singleShot(50, [&] {
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup) return;
        popupSize = popup->size();
        QTest::keyClick(popup, Qt::Key_Escape);
    });
    QTimer::singleShot(2000, [] {
        if (QWidget* w = QApplication::activePopupWidget()) w->close();
    });
    const QPoint p = board()->pointer();
    QContextMenuEvent e(QContextMenuEvent::Mouse, p, board()->mapToGlobal(p));
    QApplication::sendEvent(board(), &e);
    EXPECT_EQ(popupSize, QSize(122 + 4, 2 * 82 + 4));
    EXPECT_EQ(state_->carriedOrientation, o);
    EXPECT_NE(state_->menuTarget, nullptr);  // kept after the popup closes
    EXPECT_EQ(Only("sound").back(), "sound take");
}

}  // namespace
