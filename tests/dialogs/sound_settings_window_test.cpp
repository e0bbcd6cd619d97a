// The sound settings dialog opened from the game window: its owner, the
// message box without a selected row, and a cleared "take" silencing the
// real board while Play still sounds the row.
#include <QDialog>
#include <QMessageBox>
#include <QTableWidget>

#include "app/app_fixture.h"
#include "app/commands.h"
#include "model/game_host.h"
#include "settings/sound_settings_dialog.h"
#include "support/modal_driver.h"

namespace {

using SoundSettingsWindowTest = AppTest;

QAbstractButton* Button(QWidget* dialog, const char* name) {
    return dialog->findChild<QAbstractButton*>(QString::fromLatin1(name));
}

TEST_F(SoundSettingsWindowTest, MessageWithoutSelectionIsOwnedByTheDialog) {
    Start();
    QWidget* owner = nullptr;
    QString title, text, boxTitle;
    QWidget* boxOwner = nullptr;
    QMessageBox::Icon icon = QMessageBox::Critical;
    QMessageBox::StandardButtons buttons;
    QWidget* dialog = nullptr;
    WhenModal([&](QWidget* w) {
        dialog = w;
        owner = w->parentWidget();
        title = w->windowTitle();
        WhenModal(
            [&](QWidget* m) {
                if (auto* box = qobject_cast<QMessageBox*>(m)) {
                    text = box->text();
                    boxTitle = box->windowTitle();
                    boxOwner = box->parentWidget();
                    icon = box->icon();
                    buttons = box->standardButtons();
                }
                m->close();
            },
            w);
        if (QAbstractButton* play = Button(w, "playButton")) play->click();
        static_cast<QDialog*>(w)->reject();
    });
    RunCommand(*window_, kCmdSound);
    EXPECT_EQ(title, "Sound settings");
    EXPECT_EQ(owner, window_.get());
    EXPECT_EQ(text, "Please select a line in list box.");
    EXPECT_EQ(boxTitle, "Polyshard");
    EXPECT_NE(boxOwner, nullptr);
    EXPECT_EQ(boxOwner, dialog);
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(buttons, QMessageBox::Ok);
    EXPECT_TRUE(Only("sound").empty());
}

TEST_F(SoundSettingsWindowTest, ClearedTakeIsSilentOnTheBoardButPlays) {
    Start();
    WhenModal([&](QWidget* w) {
        if (auto* list = w->findChild<QTableWidget*>("soundList")) {
            list->item(kSoundTake, 0)->setCheckState(Qt::Unchecked);
            list->selectRow(kSoundTake);
            Button(w, "playButton")->click();
            Button(w, "okButton")->click();
        } else {
            w->close();
        }
    });
    RunCommand(*window_, kCmdSound);
    EXPECT_EQ(Only("sound"), std::vector<std::string>{"sound take"});
    EXPECT_EQ(state_->sounds[kSoundTake].enabled, 0);

    // Taking a piece is silent now; putting it back still sounds "drop".
    log_.clear();
    const QPoint piece = StorePiecePoint(0);
    Click(piece);
    ASSERT_NE(state_->carriedPiece, 0);
    EXPECT_TRUE(Only("sound").empty());
    Click(piece);
    EXPECT_EQ(state_->carriedPiece, 0);
    EXPECT_EQ(Only("sound"), std::vector<std::string>{"sound drop"});
}

}  // namespace
