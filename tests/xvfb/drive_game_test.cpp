// Drives the built program from outside with X events: start it in a fresh
// game folder, play the default square to the win with clicks (one piece
// turned with the wheel on the way) and with hints alone, close it from its
// menu and read the settings file it wrote. Skipped without an X server or xdotool.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QImage>
#include <QProcess>
#include <QThread>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "model/board.h"
#include "model/game_state.h"
#include "model/pieces.h"

namespace {

namespace fs = std::filesystem;

constexpr int kScale = 8;
constexpr int kHalf = kScale / 2;
constexpr QRgb kBack = qRgb(255, 0, 0);  // COLOR_BACK 255

// Runs a command, returns its standard output (trimmed) or "" on failure.
std::string Shell(const std::string& command) {
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, p)) out += buffer;
        if (pclose(p) != 0) return "";
    }
    while (!out.empty() && (out.back() == '\n' || out.back() == ' ')) out.pop_back();
    return out;
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class DriveGameTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("DISPLAY") || Shell("command -v xdotool").empty() ||
            Shell("command -v import").empty())
            GTEST_SKIP() << "needs an X server, xdotool and ImageMagick's import";
        static int argc = 1;
        static char name[] = "drive_game_test";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
        std::string pattern = (fs::temp_directory_path() / "polyshard-x-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        game_ = root_ / "game";
        // The game folder exists with only a settings file: the launcher
        // adds the shipped files around it.
        fs::create_directories(game_);
        std::ofstream(game_ / "Polyshard.ini", std::ios::binary)
            << "[OPTIONS]\r\nAUTO_SIZE = 0\r\nBACK_TYPE = 0\r\nCOLOR_BACK = 255\r\n"
               "SCALE = 8\r\nSHADOW = 0\r\nSKIN_TYPE = 0\r\n\r\n"
               "[LAST]\r\nFILE = nowhere\r\nFOLDER = Missing\r\n\r\n"
               "[WINDOW]\r\nLEFT = 0\r\nRIGHT = 1000\r\nTOP = 0\r\nBOTTOM = 400\r\n";

        state_ = std::make_unique<GameState>();
        BuildPieceSet(state_.get());
    }
    void TearDown() override {
        if (game.state() != QProcess::NotRunning) {
            game.kill();
            game.waitForFinished(5000);
        }
        std::error_code ignored;
        if (!root_.empty()) fs::remove_all(root_, ignored);
    }

    void StartGame() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("POLYSHARD_INSTANCE", QString("xvfb-test-%1").arg(getpid()));
        env.insert("POLYSHARD_GAME_DIR", QString::fromStdString(game_.string()));
        env.insert("POLYSHARD_DATA", POLYSHARD_DATA);
        env.insert("POLYSHARD_BIN", POLYSHARD_BINARY);
        game.setProcessEnvironment(env);
        game.start("bash", {POLYSHARD_LAUNCHER});
        ASSERT_TRUE(game.waitForStarted(5000));
        const std::string pid = std::to_string(game.processId());
        // The launcher execs the program, so the pid is the game's.
        for (int i = 0; i < 300 && window_.empty(); ++i) {  // up to 30 s on a busy machine
            window_ = Shell("xdotool search --onlyvisible --pid " + pid + " --name '^Polyshard$'");
            if (window_.empty()) QThread::msleep(100);
        }
        ASSERT_FALSE(window_.empty())
            << "no game window; the game is "
            << (game.state() == QProcess::NotRunning ? "gone" : "running") << ", exit code "
            << game.exitCode() << ": " << game.readAllStandardError().toStdString();
        window_ = window_.substr(0, window_.find('\n'));
        QThread::msleep(300);
    }

    QImage Shot() {
        const std::string file = (root_ / "shot.png").string();
        Shell("import -window root " + file);
        return QImage(QString::fromStdString(file));
    }

    // The menu bar's height: the first row of the background colour.
    int MenuHeight(const QImage& shot) {
        for (int y = 0; y < 100; ++y)
            if (shot.pixel(50, y) == kBack) return y;
        return -1;
    }

    void ClickAt(int x, int y) {
        Shell("xdotool mousemove --window " + window_ + " " + std::to_string(x) + " " +
              std::to_string(y + menu_) + " click 1");
        QThread::msleep(60);
    }
    void MoveTo(int x, int y) {
        Shell("xdotool mousemove --window " + window_ + " " + std::to_string(x) + " " +
              std::to_string(y + menu_));
        QThread::msleep(60);
    }

    // Board positions: 1000 pixels wide at scale 8 centre a 768-pixel board
    // (origin 116); the client area is lower than the board, so origin 0.
    Rect Store() const { return {148, 32, 148 + 42 * kScale, 32 + 42 * kScale}; }
    Rect Field() const { return {Store().right + 32, 32, Store().right + 32 + 42 * kScale, 368}; }

    // A client point that takes store slot i by one of its full cells.
    QPoint TakePoint(int i) const {
        const PieceSlot& slot = state_->storeHome[i];
        const PieceMask& mask = state_->pieceMasks[TableIndex(slot.piece, slot.orientation)];
        for (int r = 0; r < kMaskSize; ++r)
            for (int c = 0; c < kMaskSize; ++c)
                if (IsFullCell(mask[r][c]))
                    return {Store().left + (slot.col + c + 1) * kScale,
                            Store().top + (slot.row + r + 1) * kScale};
        return {};
    }
    // The click that drops a piece carried with a grab offset at a field cell.
    QPoint DropPoint(int col, int row, QPoint grab) const {
        return {Field().left + (col + 1) * kScale + grab.x() + 1 - kHalf,
                Field().top + (row + 1) * kScale + grab.y() + 1 - kHalf};
    }

    void WaitForBoard() {
        for (int i = 0; i < 50 && menu_ <= 0; ++i) {
            menu_ = MenuHeight(Shot());
            if (menu_ <= 0) QThread::msleep(100);
        }
        ASSERT_GT(menu_, 0) << "the board's background was not found";
    }

    // Game > Exit: open the menu, the last item, Return; the program ends.
    void ExitFromMenu() {
        Shell("xdotool mousemove --window " + window_ + " 20 " + std::to_string(menu_ / 2) +
              " click 1");
        QThread::msleep(300);
        Shell("xdotool key Up Return");
        ASSERT_TRUE(game.state() == QProcess::NotRunning || game.waitForFinished(10000));
        EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(game.exitCode(), 0);
    }

    void AnswerTheWin();

    fs::path root_, game_;
    std::unique_ptr<GameState> state_;
    QProcess game;
    std::string window_;
    int menu_ = 0;
};

TEST_F(DriveGameTest, PlayTheDefaultSquareToTheWinAndExit) {
    StartGame();
    // Wait for the first painted board (a busy machine may take a while).
    ASSERT_NO_FATAL_FAILURE(WaitForBoard());
    // The shipped files came into the fresh game folder.
    EXPECT_TRUE(fs::exists(game_ / "Puzzles"));
    EXPECT_TRUE(fs::exists(game_ / "Help"));

    for (int i = 0; i < kPieceCount; ++i) {
        const PieceSlot home = state_->storeHome[i];
        const QPoint take = TakePoint(i);
        ClickAt(take.x(), take.y());
        // Taken with the pointer h pixels past the cell's corner.
        QPoint grab(take.x() + kHalf - Store().left - (home.col + 1) * kScale,
                    take.y() + kHalf - Store().top - (home.row + 1) * kScale);
        if (i == 0) {
            // Turn the first piece forward and back with the wheel; each
            // turn puts its grip cell under the pointer.
            const QImage before = Shot();
            Shell("xdotool click 4");
            bool turned = false;
            for (int k = 0; k < 30 && !turned; ++k) {
                QThread::msleep(100);
                turned = Shot().copy(100, 0, 900, 400) != before.copy(100, 0, 900, 400);
            }
            EXPECT_TRUE(turned) << "the wheel did not turn the piece";
            Shell("xdotool click 5");
            QThread::msleep(100);
            const CellPoint grip = state_->gripCells[TableIndex(home.piece, home.orientation)];
            grab = QPoint(grip.col * kScale, grip.row * kScale);
        }
        const QPoint drop = DropPoint(home.col, home.row, grab);
        MoveTo(drop.x(), drop.y());
        ClickAt(drop.x(), drop.y());
    }

    ASSERT_NO_FATAL_FAILURE(AnswerTheWin());
    ASSERT_NO_FATAL_FAILURE(ExitFromMenu());

    const std::string ini = ReadText(game_ / "Polyshard.ini");
    EXPECT_NE(ini.find("SCALE = 8\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("COLOR_BACK = 255\r\n"), std::string::npos);
    // The square stood in for the unreadable last puzzle: nothing is solved.
    EXPECT_NE(ini.find("[SOLVED_PUZZLES]\r\n\r\n[WINDOW]"), std::string::npos) << ini;
    EXPECT_NE(ini.find("[WINDOW]\r\nLEFT = 0\r\nRIGHT = 1000\r\nTOP = 0\r\nBOTTOM = 400\r\n"),
              std::string::npos)
        << ini;
}

TEST_F(DriveGameTest, CtrlHAloneWinsTheDefaultSquare) {
    StartGame();
    ASSERT_NO_FATAL_FAILURE(WaitForBoard());
    // Seven hints, one piece each; the seventh wins.
    Shell("xdotool windowfocus --sync " + window_ + " key --delay 300 ctrl+h ctrl+h ctrl+h " +
          "ctrl+h ctrl+h ctrl+h ctrl+h");
    ASSERT_NO_FATAL_FAILURE(AnswerTheWin());
    ASSERT_NO_FATAL_FAILURE(ExitFromMenu());
    const std::string ini = ReadText(game_ / "Polyshard.ini");
    // The square stood in for the unreadable last puzzle: nothing is solved.
    EXPECT_NE(ini.find("[SOLVED_PUZZLES]\r\n\r\n[WINDOW]"), std::string::npos) << ini;
}

// The win: the message box, then the New game dialog; both answered from
// the keyboard.
void DriveGameTest::AnswerTheWin() {
    for (const char* title : {"^Polyshard$", "^New game$"}) {
        std::string box;
        for (int i = 0; i < 50 && box.empty(); ++i) {
            for (const std::string& w :
                 {Shell(std::string("xdotool search --onlyvisible --name '") + title + "'")}) {
                std::size_t start = 0;
                while (start < w.size()) {
                    const std::size_t end = w.find('\n', start);
                    const std::string id = w.substr(start, end - start);
                    if (id != window_) box = id;
                    start = end == std::string::npos ? w.size() : end + 1;
                }
            }
            if (box.empty()) QThread::msleep(100);
        }
        ASSERT_FALSE(box.empty()) << "no window " << title << ": the game was not won";
        Shell("xdotool windowfocus --sync " + box + " key " +
              (std::string(title) == "^Polyshard$" ? "Return" : "Escape"));
        QThread::msleep(300);
    }
}

TEST_F(DriveGameTest, CtrlWithPlusAndMinusZoomsOnTheKeypadAndTheMainKeys) {
    // AUTO_SIZE is off, so the scale stays where the zoom keys put it.
    StartGame();
    ASSERT_NO_FATAL_FAILURE(WaitForBoard());
    const std::string keys = "xdotool windowfocus --sync " + window_ + " key --delay 150 ";
    Shell(keys + "ctrl+KP_Subtract ctrl+KP_Subtract ctrl+KP_Subtract");  // 8 -> 5
    Shell(keys + "ctrl+minus ctrl+plus ctrl+equal");  // a laptop's keys: 5 -> 4 -> 5 -> 6
    Shell(keys + "ctrl+KP_Add");                      // 6 -> 7
    QThread::msleep(300);
    ASSERT_NO_FATAL_FAILURE(ExitFromMenu());
    const std::string ini = ReadText(game_ / "Polyshard.ini");
    EXPECT_NE(ini.find("SCALE = 7\r\n"), std::string::npos) << ini;
}

// The carried piece is painted where the pointer is at paint time, even
// when the board saw no motion on the way there: over the menu bar, A turns
// the piece, which then shows at the board's top edge under the pointer.
TEST_F(DriveGameTest, CarriedPieceIsPaintedWhereThePointerIsNow) {
    StartGame();
    ASSERT_NO_FATAL_FAILURE(WaitForBoard());
    const QPoint take = TakePoint(0);
    ClickAt(take.x(), take.y());
    // Pieces drawn in the strip just below the menu bar, above the field:
    // more than a piece's size away from the store.
    const auto inkUnderMenu = [this](const QImage& shot) {
        int ink = 0;
        for (int y = menu_; y < menu_ + 24; ++y)
            for (int x = 680; x < 800; ++x) ink += shot.pixel(x, y) != kBack;
        return ink;
    };
    ASSERT_EQ(inkUnderMenu(Shot()), 0);
    Shell("xdotool mousemove --window " + window_ + " 740 " + std::to_string(menu_ - 2));
    QThread::msleep(200);
    Shell("xdotool windowfocus --sync " + window_ + " key a");
    int ink = 0;
    for (int k = 0; k < 30 && ink == 0; ++k) {
        QThread::msleep(100);
        ink = inkUnderMenu(Shot());
    }
    EXPECT_GT(ink, 0) << "the turned piece was painted where the pointer was last seen";
}

}  // namespace
