// Settings read at start-up and written at exit, through the real window.
#include <QScreen>

#include "app_fixture.h"
#include "model/game_host.h"

namespace {

using SettingsRoundTripTest = AppTest;

constexpr char kSettings[] =
    "[OPTIONS]\r\nAUTO_SIZE = 0\r\nBACK_INDEX = 3\r\nBACK_TYPE = 0\r\n"
    "COLOR_BACK = 12345\r\nCOLOR_BORDER = 255\r\nCOLOR_FIGURE = 65280\r\n"
    "COLOR_INK = 8421504\r\nSCALE = 6\r\nSHADOW = 0\r\nSKIN_TYPE = 0\r\n"
    "SKIN_INDEX = 2\r\nSTORE_POSITION = 1\r\n\r\n"
    "[LAST]\r\nFILE = nowhere\r\nFOLDER = Missing\r\n\r\n"
    "[SOUND]\r\ntake_FILE = .\\Sound\\drop.wav\r\ntake_ENABLE = 0\r\n"
    "[SOLVED_PUZZLES]\r\nGROUP_0 = People\r\nPUZZLE_0 = people [006]\r\n\r\n"
    "[WINDOW]\r\nLEFT = 40\r\nRIGHT = 640\r\nTOP = 30\r\nBOTTOM = 530\r\n";

TEST_F(SettingsRoundTripTest, StartReadsAndExitWritesEverything) {
    WriteText("Polyshard.ini", kSettings);
    Start();
    EXPECT_EQ(state_->view.scale, 6);
    EXPECT_EQ(state_->view.autoSize, 0);
    EXPECT_EQ(state_->view.storePosition, 1);
    EXPECT_EQ(state_->sounds[kSoundTake].enabled, 0);
    EXPECT_EQ(state_->solvedCount, 1);
    // The last puzzle cannot be read: the default square, names kept.
    EXPECT_EQ(state_->silhouetteWidth, 40);
    EXPECT_STREQ(state_->currentGroup, "Missing");
    // The saved rectangle lies on the screen: the frame is placed there.
    EXPECT_EQ(window_->frameGeometry(), QRect(40, 30, 600, 500));

    window_->move(50, 60);
    QApplication::processEvents();
    window_->close();
    const std::string text = ReadText("Polyshard.ini");
    EXPECT_NE(text.find("SCALE = 6\r\n"), std::string::npos);
    EXPECT_NE(text.find("COLOR_BACK = 12345\r\n"), std::string::npos);
    EXPECT_NE(text.find("FILE = nowhere\r\nFOLDER = Missing\r\n"), std::string::npos);
    EXPECT_NE(text.find("take_FILE = .\\Sound\\drop.wav\r\ntake_ENABLE = 0\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("GROUP_0 = People\r\nPUZZLE_0 = people [006]\r\n"), std::string::npos);
    const QRect frame = window_->frameGeometry();
    const std::string window = "[WINDOW]\r\nLEFT = " + std::to_string(frame.left()) +
                               "\r\nRIGHT = " + std::to_string(frame.left() + frame.width()) +
                               "\r\nTOP = " + std::to_string(frame.top()) +
                               "\r\nBOTTOM = " + std::to_string(frame.top() + frame.height()) +
                               "\r\n";
    EXPECT_EQ(frame.topLeft(), QPoint(50, 60));
    EXPECT_EQ(text.substr(text.size() - window.size()), window);
    // Nothing is written twice: the window's destruction after the close
    // leaves the file as it was.
    window_.reset();
    EXPECT_EQ(ReadText("Polyshard.ini"), text);
}

TEST_F(SettingsRoundTripTest, FirstStartFillsTheWorkArea) {
    Start();
    EXPECT_EQ(window_->frameGeometry(), QGuiApplication::primaryScreen()->availableGeometry());
    EXPECT_STREQ(state_->currentPuzzle, "people [006]");
    EXPECT_EQ(state_->solvedCount, 0);
}

TEST_F(SettingsRoundTripTest, RectangleOffTheScreenGivesTheWorkArea) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    WriteText("Polyshard.ini",
              "[WINDOW]\r\nLEFT = 10\r\nRIGHT = " + std::to_string(screen.right() + 2) +
                  "\r\nTOP = 10\r\nBOTTOM = 300\r\n");
    Start();
    EXPECT_EQ(window_->frameGeometry(), QGuiApplication::primaryScreen()->availableGeometry());
}

TEST_F(SettingsRoundTripTest, ExitCommandWritesTheFileBeforeTheEnd) {
    Start();
    window_->SendCommand(kCmdExit);
    EXPECT_FALSE(window_->isVisible());
    EXPECT_NE(ReadText("Polyshard.ini").find("[OPTIONS]\r\nAUTO_SIZE = 1\r\n"), std::string::npos);
}

}  // namespace
