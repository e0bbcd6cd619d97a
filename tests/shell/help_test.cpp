// Help topics by map id, the About box's text and the home-page shortcut.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "app/about_dialog.h"
#include "app/help_viewer.h"
#include "app/home_page.h"
#include "support/modal_driver.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace {

class HelpTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        std::filesystem::create_directory("Help");
        WriteText("Help/Polyshard.map", "0 index.html\n2 tutorial.html\n1 view-options.html\n");
        WriteText("Help/index.html", "<p>start page</p>");
        WriteText("Help/tutorial.html", "<p>first game</p>");
        WriteText("Help/view-options.html", "<p>the options</p>");
    }
};

TEST_F(HelpTest, MapIdsOpenTheirTopics) {
    EXPECT_EQ(HelpPageForMapId(0), "index.html");
    EXPECT_EQ(HelpPageForMapId(1), "view-options.html");
    EXPECT_EQ(HelpPageForMapId(2), "tutorial.html");
    EXPECT_EQ(HelpPageForMapId(7), "");
    QWidget* window = OpenHelp(2);
    auto* browser = window->findChild<QTextBrowser*>("helpBrowser");
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->toPlainText().contains("first game"));
    EXPECT_EQ(OpenHelp(0), window);  // the one window is reused
    // As wide as the pages need, but on the screen.
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    EXPECT_EQ(window->width(), std::min(1110, screen.width()));
    EXPECT_LE(window->height(), screen.height());
    EXPECT_TRUE(browser->toPlainText().contains("start page"));
    window->close();
}

TEST_F(HelpTest, EscapeClosesTheHelp) {
    QPointer<QWidget> window = OpenHelp(0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QTest::keyClick(window->findChild<QTextBrowser*>("helpBrowser"), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(!window || !window->isVisible());
}

TEST_F(HelpTest, OpenHelpDoesNotKeepTheProgramRunning) {
    // The game window is the last window that counts: Exit must end the
    // program while the help is still open.
    QWidget game;
    game.show();
    QPointer<QWidget> window = OpenHelp(0);
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    // The program's own loop: closing the game window must end it.
    bool watchdog = false;
    QTimer::singleShot(0, &game, &QWidget::close);
    QTimer::singleShot(5000, qApp, [&watchdog] {
        watchdog = true;
        QCoreApplication::quit();
    });
    QApplication::exec();
    EXPECT_FALSE(watchdog);
    EXPECT_EQ(lastClosed.count(), 1);
    if (window) window->close();
}

TEST_F(HelpTest, MissingHelpSaysSoInsteadOfFailing) {
    std::filesystem::remove_all("Help");
    QWidget* window = OpenHelp(1);
    auto* browser = window->findChild<QTextBrowser*>("helpBrowser");
    EXPECT_TRUE(browser->toPlainText().contains("Help is not available"));
    window->close();
}

TEST_F(HelpTest, ShippedHelpHasEveryMapId) {
    QDir::setCurrent(POLYSHARD_DATA_DIR);
    for (int id : {0, 1, 2}) {
        const QString page = HelpPageForMapId(id);
        ASSERT_FALSE(page.isEmpty()) << id;
        EXPECT_TRUE(QFile::exists("Help/" + page)) << page.toStdString();
    }
    QDir::setCurrent(QString::fromStdString(dir_.string()));
}

TEST_F(HelpTest, ShortcutOpensOnlyWebAddresses) {
    WriteText("a.url", "[InternetShortcut]\r\nURL=https://example.org/x\r\n");
    WriteText("b.url", "[InternetShortcut]\r\nURL=/usr/bin/xterm\r\n");
    WriteText("c.url", "[other]\r\nURL=https://example.org/\r\n");
    EXPECT_EQ(ShortcutTarget("a.url"), QUrl("https://example.org/x"));
    EXPECT_TRUE(ShortcutTarget("b.url").isEmpty());
    EXPECT_TRUE(ShortcutTarget("c.url").isEmpty());
    EXPECT_TRUE(ShortcutTarget("missing.url").isEmpty());
}

TEST(AboutDialog, ShowsTitleAndVersion) {
    RecordingHost host;
    auto state = MakeGameState(&host);
    QString line1;
    // Scoped, so that the driver is gone when the test ends.
    ModalDriver driver([&](QWidget* d) {
        if (auto* l = d->findChild<QLabel*>("aboutLine1")) line1 = l->text();
        d->close();
    });
    AboutDialog(nullptr, state.get());
    EXPECT_EQ(line1, "Polyshard version 1.3");
}

}  // namespace
