// The sound settings dialog driven in-process: the rows, OK against Cancel,
// Set default, Set all and Reset all, Play and Select... with and without a
// selected row, and the current directory around the file dialog.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "library/dialog_units.h"
#include "settings/sound_events.h"
#include "settings/sound_settings_dialog.h"
#include "support/modal_driver.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace {

class SoundSettingsTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        state = MakeGameState(&host);
    }

    void Open() {
        dialog = std::make_unique<SoundSettingsDialog>(nullptr, state.get());
        dialog->show();
        list = dialog->findChild<QTableWidget*>("soundList");
        ASSERT_NE(list, nullptr);
    }
    void Click(const char* name) {
        auto* b = dialog->findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        ASSERT_TRUE(b->isEnabled()) << name;
        b->click();
    }
    bool Ticked(int row) { return list->item(row, 0)->checkState() == Qt::Checked; }
    void SetTicked(int row, bool on) {
        list->item(row, 0)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
    QString File(int row) { return list->item(row, 2)->text(); }
    void SelectRow(int row) { list->selectRow(row); }

    // Every event off, with a file of its own.
    void Customise() {
        for (int i = 0; i < kSoundCount; ++i) {
            state->sounds[i].enabled = 0;
            std::snprintf(state->sounds[i].file, kNameSize, "mine%d.wav", i);
        }
    }

    RecordingHost host;
    std::unique_ptr<GameState> state;
    std::unique_ptr<SoundSettingsDialog> dialog;
    QTableWidget* list = nullptr;
};

TEST_F(SoundSettingsTest, ListsTheFiveEventsWithBoxNameAndFile) {
    state->sounds[kSoundRotate].enabled = 0;
    Open();
    EXPECT_EQ(dialog->windowTitle(), "Sound settings");
    ASSERT_EQ(list->rowCount(), 5);
    ASSERT_EQ(list->columnCount(), 3);
    EXPECT_EQ(list->horizontalHeaderItem(0)->text(), "");
    EXPECT_EQ(list->horizontalHeaderItem(1)->text(), "Event");
    EXPECT_EQ(list->horizontalHeaderItem(2)->text(), "File name");
    // 30, 100 and 360 pixels for a font six pixels a character wide, grown
    // with the dialog's font; the longest event name fits its column.
    const int charWidth = MeasureDialogUnits(dialog->font()).charWidth;
    EXPECT_EQ(list->columnWidth(0), (30 * charWidth + 3) / 6);
    EXPECT_EQ(list->columnWidth(1), (100 * charWidth + 3) / 6);
    EXPECT_EQ(list->columnWidth(2), (360 * charWidth + 3) / 6);
    EXPECT_GE(list->columnWidth(1),
              list->fontMetrics().horizontalAdvance("level is completed") + 8);
    EXPECT_TRUE(list->showGrid());
    EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_FALSE(list->horizontalHeader()->sectionsClickable());

    const char* const names[] = {"drop", "error", "level is completed", "rotate", "take"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(list->item(i, 1)->text(), names[i]);
        EXPECT_EQ(File(i), QString(".\\Sound\\%1.wav").arg(names[i]));
        EXPECT_EQ(Ticked(i), i != kSoundRotate) << i;
    }
}

TEST_F(SoundSettingsTest, SetDefaultThenOkRestoresEveryEvent) {
    Customise();
    Open();
    Click("defaultButton");
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(Ticked(i));
    // Only the rows changed so far.
    EXPECT_EQ(state->sounds[0].enabled, 0);
    EXPECT_STREQ(state->sounds[0].file, "mine0.wav");

    Click("okButton");
    EXPECT_EQ(dialog->result(), 1);
    for (int i = 0; i < 5; ++i) {
        char expected[kNameSize];
        DefaultSoundPath(i, expected);
        EXPECT_STREQ(state->sounds[i].file, expected);
        EXPECT_EQ(state->sounds[i].enabled, 1);
    }
    EXPECT_STREQ(state->sounds[2].file, ".\\Sound\\level is completed.wav");
}

TEST_F(SoundSettingsTest, SetDefaultThenCancelChangesNothing) {
    Customise();
    Open();
    Click("defaultButton");
    Click("setAllButton");
    Click("cancelButton");
    EXPECT_EQ(dialog->result(), 2);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(state->sounds[i].enabled, 0);
        EXPECT_EQ(std::string(state->sounds[i].file), "mine" + std::to_string(i) + ".wav");
    }
}

TEST_F(SoundSettingsTest, SetAllAndResetAllTouchOnlyTheBoxes) {
    Customise();
    Open();
    Click("setAllButton");
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(Ticked(i));
    Click("resetAllButton");
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(Ticked(i));
    Click("setAllButton");
    Click("okButton");
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(state->sounds[i].enabled, 1);
        EXPECT_EQ(std::string(state->sounds[i].file), "mine" + std::to_string(i) + ".wav");
    }
}

TEST_F(SoundSettingsTest, PlayAndSelectWithoutASelectedRowAsk) {
    Open();
    // The list has the focus and a current row, but nothing is selected.
    list->setFocus();
    Click("playButton");
    Click("selectButton");
    EXPECT_EQ(host.events, (std::vector<std::string>{"message Please select a line in list box.",
                                                     "message Please select a line in list box."}));
    // No file dialog opened: the only modal window is the dialog itself.
    EXPECT_EQ(QApplication::activeModalWidget(), dialog.get());
}

TEST_F(SoundSettingsTest, PlaySoundsARowEvenWhenItsBoxIsClear) {
    Open();
    SetTicked(kSoundError, false);
    SelectRow(kSoundError);
    Click("playButton");
    EXPECT_EQ(host.events, std::vector<std::string>{"sound .\\Sound\\error.wav"});
    // The row stays marked after it is deselected again.
    list->clearSelection();
    Click("playButton");
    EXPECT_EQ(host.Only("sound").size(), 2u);
}

TEST_F(SoundSettingsTest, ClearingTakeSilencesOnlyTaking) {
    Open();
    SetTicked(kSoundTake, false);
    Click("okButton");
    EXPECT_EQ(state->sounds[kSoundTake].enabled, 0);
    PlaySoundEvent(state.get(), kSoundTake);
    PlaySoundEvent(state.get(), kSoundDrop);
    EXPECT_EQ(host.Only("sound"), std::vector<std::string>{"sound .\\Sound\\drop.wav"});
}

TEST_F(SoundSettingsTest, ClearingTakeThenCancelLeavesItOn) {
    Open();
    SetTicked(kSoundTake, false);
    Click("cancelButton");
    EXPECT_EQ(state->sounds[kSoundTake].enabled, 1);
}

TEST_F(SoundSettingsTest, SelectStoresTheFullPathAndKeepsTheCurrentDirectory) {
    std::filesystem::create_directory("waves");
    WriteText("waves/bell.wav", "RIFF");
    const QString chosen = QDir::current().absoluteFilePath("waves/bell.wav");
    const QString before = QDir::currentPath();
    Open();
    SelectRow(kSoundTake);
    QString title;
    QStringList filters;
    WhenModal([&](QWidget* w) {
        auto* files = qobject_cast<QFileDialog*>(w);
        if (files) {
            title = files->windowTitle();
            filters = files->nameFilters();
            // The player walks into the folder before choosing.
            files->setDirectory(QDir::current().absoluteFilePath("waves"));
            if (auto* edit = files->findChild<QLineEdit*>("fileNameEdit"))
                edit->setText("bell.wav");
            static_cast<QDialog*>(files)->accept();
        } else {
            w->close();
        }
    });
    Click("selectButton");
    EXPECT_EQ(title, "Please select a wave file");
    EXPECT_EQ(filters, QStringList{"Wave file (*.wav)"});
    EXPECT_EQ(File(kSoundTake), chosen);
    EXPECT_EQ(QDir::currentPath(), before);

    Click("okButton");
    EXPECT_EQ(QString::fromLocal8Bit(state->sounds[kSoundTake].file), chosen);
}

// A stored path has room for 259 bytes, and the settings file keeps it on
// one line with blanks at its ends trimmed; a path that would not come back
// as it is (a full path can only end in a blank), is refused rather than
// stored.
TEST_F(SoundSettingsTest, SelectRefusesAPathTheSettingsCannotKeep) {
    const std::string longFolder(200, 'd');
    const std::pair<std::string, std::string> kRefused[] = {
        {longFolder, std::string(60, 'n') + ".wav"},
        {"w", "a\n[WINDOW].wav"},
        {"w", "a\r.wav"},
        {"w", "trail.wav "}};
    Open();
    SelectRow(kSoundRotate);
    for (const auto& [folder, name] : kRefused) {
        SCOPED_TRACE(name);
        std::filesystem::create_directory(folder);
        WriteText(folder + "/" + name, "RIFF");
        QString offered;
        WhenModal([&](QWidget* w) {
            if (auto* files = qobject_cast<QFileDialog*>(w)) {
                files->setDirectory(
                    QDir::current().absoluteFilePath(QString::fromStdString(folder)));
                if (auto* edit = files->findChild<QLineEdit*>("fileNameEdit"))
                    edit->setText(QString::fromStdString(name));
                offered = files->selectedFiles().value(0);
            }
            static_cast<QDialog*>(w)->accept();
        });
        Click("selectButton");
        // The dialog did hand the file over; the refusal is ours.
        EXPECT_TRUE(offered.endsWith(QString::fromStdString(name)));
        EXPECT_EQ(File(kSoundRotate), ".\\Sound\\rotate.wav");
    }
}

TEST_F(SoundSettingsTest, CancelledFileDialogChangesNothing) {
    Open();
    SelectRow(kSoundDrop);
    WhenModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    Click("selectButton");
    EXPECT_EQ(File(kSoundDrop), ".\\Sound\\drop.wav");
}

TEST_F(SoundSettingsTest, EscapeActsAsCancel) {
    Open();
    dialog->hide();
    SetTicked(kSoundDrop, false);
    WhenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_EQ(dialog->exec(), 2);
    EXPECT_EQ(state->sounds[kSoundDrop].enabled, 1);
}

}  // namespace
