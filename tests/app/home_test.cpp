// A whole session with every dialog, the colour and file choosers included,
// run in a child process whose home folder is empty: nothing is written
// there, since all settings live in the game folder.
#include <QColorDialog>
#include <QFileDialog>
#include <QPushButton>
#include <QTableWidget>
#include <cstdlib>
#include <filesystem>

#include "app_fixture.h"
#include "model/game_host.h"

namespace {

using HomeTest = AppTest;

// Closes every modal widget that opens; View options first opens its colour
// chooser and Sound settings its file chooser. Counts the choosers seen.
void CloseEveryDialog(QTimer* timer, int* choosers) {
    QObject::connect(timer, &QTimer::timeout, [choosers] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w) return;
        if (!w->property("visited").toBool())
            *choosers += qobject_cast<QColorDialog*>(w) || qobject_cast<QFileDialog*>(w);
        if (w->property("visited").toBool()) {
            w->close();  // back from its chooser
            return;
        }
        w->setProperty("visited", true);
        QPushButton* chooser = w->findChild<QPushButton*>("inkColour");
        if (auto* list = w->findChild<QTableWidget*>("soundList")) {
            list->selectRow(0);
            chooser = w->findChild<QPushButton*>("selectButton");
        }
        if (chooser)
            QTimer::singleShot(0, chooser, &QPushButton::click);
        else
            w->close();
    });
    timer->start(20);
}

TEST_F(HomeTest, ASessionWritesNothingUnderHome) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh process
    // The child runs this body again in a folder of its own; it takes the
    // parent's home folder from the environment.
    std::filesystem::path home = qEnvironmentVariable("POLYSHARD_TEST_HOME").toStdString();
    if (home.empty()) {
        home = dir_ / "home";
        std::filesystem::create_directory(home);
        qputenv("POLYSHARD_TEST_HOME", QByteArray::fromStdString(home.string()));
    }
    const char* kVariables[] = {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"};
    QByteArray saved[4];
    for (int i = 0; i < 4; ++i) {
        saved[i] = qgetenv(kVariables[i]);
        qunsetenv(kVariables[i]);
    }
    qputenv("HOME", QByteArray::fromStdString(home.string()));
    EXPECT_EXIT(
        {
            Start();
            QTimer timer;
            int choosers = 0;
            CloseEveryDialog(&timer, &choosers);
            for (const int command :
                 {kCmdNewGame, kCmdSavePuzzle, kCmdSound, kCmdViewOptions, kCmdAbout})
                window_->SendCommand(command);
            window_->close();
            std::exit(choosers == 2 ? 0 : 3);
        },
        testing::ExitedWithCode(0), "");
    qunsetenv("POLYSHARD_TEST_HOME");
    for (int i = 0; i < 4; ++i)
        if (!saved[i].isNull()) qputenv(kVariables[i], saved[i]);
    std::vector<std::string> written;
    for (const auto& e : std::filesystem::recursive_directory_iterator(home))
        written.push_back(e.path().string());
    EXPECT_EQ(written, std::vector<std::string>{});
}

}  // namespace
