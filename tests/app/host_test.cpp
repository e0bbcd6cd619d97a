// The window as the rules' host: message boxes and their owners.
#include <QDialog>
#include <QMenuBar>

#include "app_fixture.h"
#include "model/game_host.h"
#include "support/modal_driver.h"

namespace {

using HostTest = AppTest;

TEST_F(HostTest, MessageBoxShowsWhatIsAskedAndReturnsTheAnswer) {
    Start();
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QWidget* owner = nullptr;
    WhenModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        icon = box->icon();
        buttons = box->standardButtons();
        defaultButton = box->standardButton(box->defaultButton());
        owner = box->parentWidget();
        box->button(QMessageBox::Yes)->click();
    });
    const MsgResult answer = window_->MessageBox("Replace it?", "Polyshard", MsgButtons::YesNo,
                                                 MsgIcon::Warning, MsgResult::No);
    EXPECT_EQ(answer, MsgResult::Yes);
    EXPECT_EQ(title, "Polyshard");
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(defaultButton, QMessageBox::No);
    EXPECT_EQ(owner, window_.get());

    WhenModal([](QWidget* w) { qobject_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click(); });
    EXPECT_EQ(window_->MessageBox("Saved.", "Polyshard", MsgButtons::Ok, MsgIcon::Information,
                                  MsgResult::Ok),
              MsgResult::Ok);
}

TEST_F(HostTest, MessageBoxBelongsToTheOpenDialog) {
    Start();
    QDialog dialog(window_.get());
    QWidget* owner = nullptr;
    MsgResult answer = MsgResult::Cancel;
    // The dialog opens; inside it the rules ask something; Escape on the
    // box answers No.
    QTimer::singleShot(50, [&] {
        WhenModal(
            [&](QWidget* w) {
                owner = w->parentWidget();
                QTest::keyClick(w, Qt::Key_Escape);
            },
            &dialog);
        answer = window_->MessageBox("Replace it?", "Polyshard", MsgButtons::YesNo,
                                     MsgIcon::Question, MsgResult::Yes);
        dialog.reject();
    });
    QTimer::singleShot(3000, &dialog, &QDialog::reject);  // watchdog
    dialog.exec();
    EXPECT_EQ(owner, &dialog);
    EXPECT_EQ(answer, MsgResult::No);
}

TEST_F(HostTest, ResizingTheWindowLaysTheBoardOut) {
    Start();
    // A 700 x 400 client area holds the 40 x 40 square at scale 7 (684 x
    // 358), centred at (8, 21).
    window_->resize(700, 400 + window_->menuBar()->height());
    QApplication::processEvents();
    ASSERT_EQ(board()->size(), QSize(700, 400));
    EXPECT_EQ(state_->view.scale, 7);
    EXPECT_EQ(state_->originX, 8);
    EXPECT_EQ(state_->originY, 21);
    window_->resize(800, 500 + window_->menuBar()->height());
    QApplication::processEvents();
    EXPECT_EQ(state_->view.scale, 8);
}

}  // namespace
