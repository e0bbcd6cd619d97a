// Keyboard play and the landing outline, through real key and mouse events
// on the board widget of a started window (the default square puzzle).
#include <QImage>
#include <cmath>

#include "app_fixture.h"
#include "display/board_painter.h"
#include "display/landing_outline.h"

namespace {

class PlayHelp : public AppTest {
protected:
    // A fixed scale of 8: the store and the field then lie a whole number of
    // cells apart, so the arrow keys reach every cell of the field.
    void Start() {
        WriteText("Polyshard.ini", "[OPTIONS]\r\nAUTO_SIZE = 0\r\nSCALE = 8\r\n");
        AppTest::Start();
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(board(), key, mods);
        QApplication::processEvents();
    }
    // Moves the carried piece by arrow keys so that a drop lands on (col, row).
    void MoveTo(int col, int row) {
        const QPoint d = DropPoint(col, row) - board()->pointer();
        const int cx = static_cast<int>(std::lround(d.x() / double(scale())));
        const int cy = static_cast<int>(std::lround(d.y() / double(scale())));
        for (int i = 0; i < std::abs(cx) / 5; ++i)
            Key(cx > 0 ? Qt::Key_Right : Qt::Key_Left, Qt::ShiftModifier);
        for (int i = 0; i < std::abs(cx) % 5; ++i) Key(cx > 0 ? Qt::Key_Right : Qt::Key_Left);
        for (int i = 0; i < std::abs(cy); ++i) Key(cy > 0 ? Qt::Key_Down : Qt::Key_Up);
    }
    bool Shows(QColor colour) {
        const QImage shot = board()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixel(x, y) == colour.rgb()) return true;
        return false;
    }
};

TEST_F(PlayHelp, TakeMoveDropAndSendHomeByKeys) {
    Start();
    const PieceSlot home = state_->storeHome[4];  // piece 3, the medium triangle
    Key(Qt::Key_3);
    EXPECT_EQ(state_->carriedPiece, 3);
    MoveTo(home.col, home.row - 1);  // one row above the square
    Key(Qt::Key_Space);
    EXPECT_EQ(state_->carriedPiece, 3);
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    EXPECT_EQ(state_->carriedPiece, 0);
    EXPECT_EQ(state_->fieldSlots[0].piece, 3);
    EXPECT_EQ(state_->fieldSlots[0].col, home.col);
    EXPECT_EQ(state_->fieldSlots[0].row, home.row);
    Key(Qt::Key_3);  // from the field this time
    EXPECT_EQ(state_->carriedPiece, 3);
    Key(Qt::Key_Escape);
    EXPECT_EQ(state_->carriedPiece, 0);
    EXPECT_EQ(state_->storeSlots[4].piece, 3);
    EXPECT_EQ(Only("sound"), (std::vector<std::string>{"sound take", "sound error", "sound drop",
                                                       "sound take", "sound drop"}));
}

TEST_F(PlayHelp, LandingOutlineFitsWarnsAndIsRemembered) {
    Start();
    EXPECT_EQ(state_->showLanding, 0);  // off by default
    const PieceSlot home = state_->storeHome[4];
    Key(Qt::Key_3);
    MoveTo(home.col, home.row - 1);
    EXPECT_FALSE(Shows(LandingWarningColour()));
    window_->action(kCmdShowLanding)->trigger();
    EXPECT_EQ(state_->showLanding, 1);
    EXPECT_TRUE(window_->action(kCmdShowLanding)->isChecked());
    EXPECT_TRUE(Shows(LandingWarningColour()));
    Key(Qt::Key_Down);
    EXPECT_FALSE(Shows(LandingWarningColour()));
    const QImage fits = board()->grab().toImage();
    window_->action(kCmdShowLanding)->trigger();
    EXPECT_NE(board()->grab().toImage(), fits);  // the outline was drawn
    window_->action(kCmdShowLanding)->trigger();
    window_.reset();  // shut-down writes the settings
    QFile ini(QStringLiteral("Polyshard.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().endsWith("\r\n\r\n[LANDING_OUTLINE]\r\nSHOW = 1\r\n"));
}

}  // namespace
