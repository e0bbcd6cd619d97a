// The options dialog opened from the game window: its owner, Apply moving
// the store at once, Ctrl+V, and Help opening the options topic while the
// dialog is open.
#include <QDialog>
#include <QTextBrowser>

#include "app/app_fixture.h"
#include "app/commands.h"
#include "model/game_host.h"
#include "settings/view_options_dialog.h"
#include "support/modal_driver.h"

namespace {

using ViewOptionsWindowTest = AppTest;

QAbstractButton* Button(QWidget* dialog, const char* name) {
    return dialog->findChild<QAbstractButton*>(QString::fromLatin1(name));
}

TEST_F(ViewOptionsWindowTest, ApplyMovesTheStoreAtOnceAndCancelKeepsIt) {
    Start();
    ASSERT_LT(StoreRect(state_.get()).left, FieldRect(state_.get()).left);
    bool storeMovedWhileOpen = false;
    QWidget* owner = nullptr;
    QString title;
    WhenModal([&](QWidget* w) {
        owner = w->parentWidget();
        title = w->windowTitle();
        if (qobject_cast<ViewOptionsDialog*>(w)) {
            Button(w, "storeRight")->click();
            Button(w, "applyButton")->click();
            storeMovedWhileOpen =
                StoreRect(state_.get()).left > FieldRect(state_.get()).left && w->isVisible();
            Button(w, "storeLeft")->click();
        }
        static_cast<QDialog*>(w)->reject();
    });
    RunCommand(*window_, kCmdViewOptions);
    EXPECT_EQ(title, "Options");
    EXPECT_EQ(owner, window_.get());
    EXPECT_TRUE(storeMovedWhileOpen);
    EXPECT_EQ(state_->view.storePosition, 1);
    EXPECT_GT(StoreRect(state_.get()).left, FieldRect(state_.get()).left);
}

TEST_F(ViewOptionsWindowTest, CtrlVOpensTheDialog) {
    Start();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    QString title;
    WhenModal([&](QWidget* w) {
        title = w->windowTitle();
        w->close();
    });
    QTest::keyClick(board(), Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(title, "Options");
}

TEST_F(ViewOptionsWindowTest, HelpOpensTheOptionsTopic) {
    QDir().mkdir("Help");
    WriteText("Help/Polyshard.map", "0 index.html\n1 options.html\n2 tutorial.html\n");
    WriteText("Help/options.html", "<html><body><h1>Options</h1></body></html>");
    Start();
    QTextBrowser* browser = nullptr;
    WhenModal([&](QWidget* w) {
        if (QAbstractButton* help = Button(w, "helpButton")) help->click();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == "helpWindow" && top->isVisible())
                browser = top->findChild<QTextBrowser*>("helpBrowser");
        static_cast<QDialog*>(w)->reject();
    });
    RunCommand(*window_, kCmdViewOptions);
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->source().toString().endsWith("options.html"));
    browser->window()->close();
}

}  // namespace
