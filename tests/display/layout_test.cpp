// Scale and origin of the board, the minimum client size and zoom.
#include "display_fixture.h"

namespace {

int g_beeps = 0;
void CountBeep() {
    ++g_beeps;
}

class Layout : public DisplayTest {
protected:
    void SetUp() override {
        DisplayTest::SetUp();
        g_beeps = 0;
        previous = SetZoomBeep(CountBeep);
        host.events.clear();
        host.layouts = 0;
    }
    void TearDown() override {
        SetZoomBeep(previous);
        DisplayTest::TearDown();
    }
    BeepFunction previous = nullptr;
};

TEST_F(Layout, ExtentOfTheDefaultSquare) {
    EXPECT_EQ(BoardExtent(s.get(), 8), QSize(768, 400));
    EXPECT_EQ(BoardExtent(s.get(), 4), QSize(432, 232));
    EXPECT_EQ(BoardExtent(s.get(), 7), QSize(684, 358));
}

TEST_F(Layout, ShortSilhouetteStillReservesTheStoreHeight) {
    s->silhouetteHeight = 20;
    EXPECT_EQ(BoardExtent(s.get(), 8).height(), 400);
    s->silhouetteHeight = 60;
    EXPECT_EQ(BoardExtent(s.get(), 8).height(), 62 * 8 + 64);
}

TEST_F(Layout, AutoSizePicksTheLargestScaleThatFits) {
    s->view.autoSize = 1;
    LayoutBoard(s.get(), 768, 400);
    EXPECT_EQ(s->view.scale, 8);
    EXPECT_EQ(s->originX, 0);
    EXPECT_EQ(s->originY, 0);
    LayoutBoard(s.get(), 700, 400);
    EXPECT_EQ(s->view.scale, 7);
    EXPECT_EQ(s->originX, 8);
    EXPECT_EQ(s->originY, 21);
    LayoutBoard(s.get(), 767, 2000);
    EXPECT_EQ(s->view.scale, 7);
    LayoutBoard(s.get(), 1600, 1000);
    EXPECT_EQ(s->view.scale, 8);
    EXPECT_EQ(s->originX, (1600 - 768) / 2);
    EXPECT_EQ(s->originY, (1000 - 400) / 2);
    // Below the scale-4 board: 4 anyway, cut off at origin 0.
    LayoutBoard(s.get(), 300, 100);
    EXPECT_EQ(s->view.scale, 4);
    EXPECT_EQ(s->originX, 0);
    EXPECT_EQ(s->originY, 0);
}

TEST_F(Layout, FixedScaleOnlyCentres) {
    s->view.autoSize = 0;
    s->view.scale = 6;
    LayoutBoard(s.get(), 300, 1000);
    EXPECT_EQ(s->view.scale, 6);
    EXPECT_EQ(s->originX, 0);
    EXPECT_EQ(s->originY, (1000 - (42 * 6 + 64)) / 2);
    EXPECT_EQ(BoardMinClientSize(s.get()), BoardExtent(s.get(), 6));
}

TEST_F(Layout, CreateModeBoardNeedsNineHundredTwelveBySevenHundredTwelveAtScaleFour) {
    StartCreatePuzzle(s.get());
    s->view.autoSize = 1;
    EXPECT_EQ(BoardMinClientSize(s.get()), QSize(912, 712));
    LayoutBoard(s.get(), 912, 712);
    EXPECT_EQ(s->view.scale, 4);
    EXPECT_EQ(s->originX, 0);
}

TEST_F(Layout, AutoScaleChangeRebuildsTheMasks) {
    UseGradientSkin();
    s->view.autoSize = 1;
    const QImage& mask = s->drawing->maskBitmaps[TableIndex(6, 0)];  // 14 x 14 cells
    EXPECT_EQ(qGray(mask.pixel(111, 111)), 255);
    LayoutBoard(s.get(), 432, 232);
    ASSERT_EQ(s->view.scale, 4);
    EXPECT_EQ(qGray(mask.pixel(55, 55)), 255);
    EXPECT_EQ(qGray(mask.pixel(56, 55)), 0);
    EXPECT_EQ(qGray(mask.pixel(111, 111)), 0);
}

TEST_F(Layout, ZoomBeepsAtTheLimitsAndDoesNothingElse) {
    s->view.scale = 8;
    ZoomBy(s.get(), +1);
    EXPECT_EQ(g_beeps, 1);
    EXPECT_EQ(s->view.scale, 8);
    s->view.scale = 4;
    ZoomBy(s.get(), -1);
    EXPECT_EQ(g_beeps, 2);
    EXPECT_EQ(s->view.scale, 4);
    EXPECT_TRUE(host.events.empty());
    EXPECT_EQ(host.layouts, 0);
}

TEST_F(Layout, ZoomChangesScaleThenLaysOutAndRepaints) {
    s->view.autoSize = 0;
    s->view.scale = 8;
    UseGradientSkin();
    ZoomBy(s.get(), -1);
    EXPECT_EQ(s->view.scale, 7);
    EXPECT_EQ(g_beeps, 0);
    EXPECT_EQ(host.layouts, 1);
    EXPECT_EQ(host.events, std::vector<std::string>{"invalidate"});
    ZoomBy(s.get(), +1);
    EXPECT_EQ(s->view.scale, 8);
}

// A window that lays the board out in a large client area, as the app does.
class LargeWindow : public RecordingHost {
public:
    GameState* state = nullptr;
    void LayoutBoard() override { ::LayoutBoard(state, 1600, 1000); }
};

TEST_F(Layout, AutoSizeUndoesAZoomOutInALargeWindow) {
    LargeWindow window;
    window.state = s.get();
    s->mainWindow = &window;
    s->view.autoSize = 1;
    s->view.scale = 8;
    ZoomBy(s.get(), -1);
    EXPECT_EQ(s->view.scale, 8);
    EXPECT_EQ(g_beeps, 0);
    EXPECT_EQ(window.events, std::vector<std::string>{"invalidate"});
    s->mainWindow = &host;
}

TEST_F(Layout, BackBufferHasTheScreenSize) {
    CreateBackBuffer(s.get(), QSize(1280, 800));
    EXPECT_EQ(s->bufferWidth, 1280);
    EXPECT_EQ(s->bufferHeight, 800);
    EXPECT_EQ(s->drawing->backBuffer.size(), QSize(1280, 800));
}

}  // namespace
