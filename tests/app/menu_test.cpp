// The menu bar's texts, order and shortcuts, and the menu state.
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QToolButton>
#include <QWindow>

#include "app/help_viewer.h"
#include "app_fixture.h"
#include "model/game_host.h"
#include "support/modal_driver.h"

namespace {

using MenuTest = AppTest;

struct Item {
    std::string text;  // "-" for a separator
    std::string keys;  // the portable text of the shortcut shown
    int command;
};

std::vector<Item> Items(QMenu* menu) {
    std::vector<Item> out;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) {
            out.push_back({"-", "", 0});
            continue;
        }
        QString text = a->text();
        QString keys = a->shortcut().toString(QKeySequence::PortableText);
        if (text.contains(QLatin1Char('\t'))) {
            keys = text.section(QLatin1Char('\t'), 1);
            text = text.section(QLatin1Char('\t'), 0, 0);
        }
        out.push_back({text.toStdString(), keys.toStdString(), a->data().toInt()});
    }
    return out;
}

bool operator==(const Item& a, const Item& b) {
    return a.text == b.text && a.keys == b.keys && a.command == b.command;
}

void PrintTo(const Item& i, std::ostream* os) {
    *os << "{" << i.text << ", " << i.keys << ", " << i.command << "}";
}

TEST_F(MenuTest, TextsOrderAndShortcuts) {
    Start();
    QMenuBar* bar = window_->menuBar();
    ASSERT_EQ(bar->actions().size(), 3);
    EXPECT_EQ(bar->actions()[0]->text(), "Game");
    EXPECT_EQ(bar->actions()[1]->text(), "&Customize");
    EXPECT_EQ(bar->actions()[2]->text(), "&Help");
    EXPECT_EQ(Items(bar->actions()[0]->menu()),
              (std::vector<Item>{{"&New...", "Ctrl+N", kCmdNewGame},
                                 {"-", "", 0},
                                 {"&Create puzzle", "Ctrl+C", kCmdCreatePuzzle},
                                 {"&Save puzzle...", "Ctrl+S", kCmdSavePuzzle},
                                 {"-", "", 0},
                                 {"&Hint", "Ctrl+H", kCmdHint},
                                 {"Show s&olution", "", kCmdShowSolution},
                                 {"-", "", 0},
                                 {"&Print", "Ctrl+P", kCmdPrint},
                                 {"-", "", 0},
                                 {"E&xit", "Alt+F4", kCmdExit}}));
    EXPECT_EQ(Items(bar->actions()[1]->menu()),
              (std::vector<Item>{{"Sound...", "", kCmdSound},
                                 {"-", "", 0},
                                 {"View...", "Ctrl+V", kCmdViewOptions},
                                 {"-", "", 0},
                                 {"Show where the piece lands", "", kCmdShowLanding}}));
    EXPECT_EQ(Items(bar->actions()[2]->menu()),
              (std::vector<Item>{{"User manual", "Ctrl+F1", kCmdUserManual},
                                 {"Tutorial", "", kCmdTutorial},
                                 {"-", "", 0},
                                 {"&About ...", "Alt+/", kCmdAbout},
                                 {"Home page", "", kCmdHomePage}}));
}

TEST_F(MenuTest, ShortcutsTriggerTheirCommands) {
    Start();
    window_->runCommands = false;
    const std::vector<std::pair<QKeyCombination, int>> keys = {
        {QKeyCombination(Qt::ControlModifier, Qt::Key_C), kCmdCreatePuzzle},
        {QKeyCombination(Qt::ControlModifier, Qt::Key_V), kCmdViewOptions},
        {QKeyCombination(Qt::ControlModifier, Qt::Key_F1), kCmdUserManual},
        {QKeyCombination(Qt::AltModifier, Qt::Key_Slash), kCmdAbout},
        {QKeyCombination(Qt::AltModifier, Qt::Key_Question), kCmdAbout},
        {QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus), kCmdZoomIn},
        {QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Minus), kCmdZoomOut},
        {QKeyCombination(Qt::ControlModifier, Qt::Key_H), kCmdHint},
        // A laptop's main keyboard zooms too: plus (with or without Shift),
        // equals and minus.
        {QKeyCombination(Qt::ControlModifier, Qt::Key_Plus), kCmdZoomIn},
        {QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Plus), kCmdZoomIn},
        {QKeyCombination(Qt::ControlModifier, Qt::Key_Equal), kCmdZoomIn},
        {QKeyCombination(Qt::ControlModifier, Qt::Key_Minus), kCmdZoomOut},
    };
    for (const auto& [combination, command] : keys) {
        log_.clear();
        QTest::keyClick(board(), combination.key(), combination.keyboardModifiers());
        QApplication::processEvents();
        EXPECT_EQ(Only("command"), std::vector<std::string>{"command " + std::to_string(command)})
            << QKeySequence(combination).toString().toStdString();
    }
    // F1 alone and plus without Ctrl do nothing.
    log_.clear();
    QTest::keyClick(board(), Qt::Key_F1);
    QTest::keyClick(board(), Qt::Key_Plus);
    QTest::keyClick(board(), Qt::Key_Equal, Qt::AltModifier | Qt::ControlModifier);
    EXPECT_TRUE(Only("command").empty());
}

TEST_F(MenuTest, SavePuzzleIsEnabledOnlyInCreateMode) {
    Start();
    QAction* save = window_->action(kCmdSavePuzzle);
    ASSERT_NE(save, nullptr);
    EXPECT_FALSE(save->isEnabled());
    QTest::keyClick(board(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(state_->createMode, 1);
    EXPECT_EQ(state_->silhouetteWidth, kGridSize);
    EXPECT_TRUE(save->isEnabled());
    static PuzzleRecord square;
    MakeDefaultSquare(&square);
    ApplyPuzzle(state_.get(), square);
    EXPECT_FALSE(save->isEnabled());
}

TEST_F(MenuTest, HintAndSolutionOnlyWhileAPuzzleIsPlayed) {
    Start();
    QAction* hint = window_->action(kCmdHint);
    QAction* solution = window_->action(kCmdShowSolution);
    ASSERT_TRUE(hint && solution);
    const auto enabled = [&] { return std::make_pair(hint->isEnabled(), solution->isEnabled()); };
    EXPECT_EQ(enabled(), std::make_pair(true, true));
    QTest::keyClick(board(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(Only("sound"), std::vector<std::string>{"sound drop"});
    EXPECT_EQ(enabled(), std::make_pair(true, true));
    QTest::keyClick(board(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(enabled(), std::make_pair(false, false));
    static PuzzleRecord square;
    MakeDefaultSquare(&square);
    ApplyPuzzle(state_.get(), square);
    EXPECT_EQ(enabled(), std::make_pair(true, true));
    solution->trigger();
    EXPECT_TRUE(Only("message").empty());
    EXPECT_EQ(enabled(), std::make_pair(false, false));
}

TEST_F(MenuTest, ZoomKeysChangeAFixedScale) {
    WriteText("Polyshard.ini", "[OPTIONS]\r\nAUTO_SIZE = 0\r\nSCALE = 5\r\n");
    Start();
    QTest::keyClick(board(), Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(state_->view.scale, 6);
    QTest::keyClick(board(), Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
    QTest::keyClick(board(), Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(state_->view.scale, 4);
    QTest::keyClick(board(), Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(state_->view.scale, 5);
    QTest::keyClick(board(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(state_->view.scale, 4);
}

TEST_F(MenuTest, WindowIsHeldToTheBoardAndTheScreen) {
    Start();
    // 40 x 40 cells at scale 4 (auto size): 432 x 232 client pixels.
    const int menu = window_->menuBar()->sizeHint().height();
    EXPECT_EQ(window_->minimumSize(), QSize(432, 232 + menu));
    // The largest window, its frame included, is the screen.
    const QMargins frame = window_->windowHandle()->frameMargins();
    EXPECT_EQ(window_->maximumSize().grownBy(frame), QGuiApplication::primaryScreen()->size());
}

}  // namespace

namespace {

// The help window is a window of its own: every dialog of the game leaves
// it usable.
TEST_F(MenuTest, HelpWindowTakesClicksWhileADialogIsOpen) {
    Start();
    StartCreatePuzzle(state_.get());  // Save puzzle opens with all pieces laid
    for (int i = 0; i < kPieceCount; ++i) {
        state_->fieldSlots[i] = {17 + 16 * i, 33 + 5 * i, i + 1, 0};
        state_->storeSlots[i].piece = 0;
    }
    QWidget* help = OpenHelp(0);
    QToolButton* contents = nullptr;
    for (QToolButton* b : help->findChildren<QToolButton*>())
        if (b->text() == QLatin1String("Contents")) contents = b;
    ASSERT_NE(contents, nullptr);
    int clicks = 0;
    QObject::connect(contents, &QToolButton::clicked, [&clicks] { ++clicks; });
    for (const int command : {kCmdNewGame, kCmdSavePuzzle, kCmdSound, kCmdAbout, kCmdViewOptions}) {
        SCOPED_TRACE(command);
        const int before = clicks;
        QString opened;
        WhenModal([&](QWidget* w) {
            opened = w->windowTitle();
            QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {},
                              contents->mapTo(help, contents->rect().center()));
            QApplication::processEvents();
            w->close();
        });
        window_->SendCommand(command);
        EXPECT_FALSE(opened.isEmpty());
        EXPECT_EQ(clicks, before + 1) << opened.toStdString();
    }
    help->close();
}

}  // namespace
