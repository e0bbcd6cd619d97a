#include "settings/sound_settings_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>

#include "library/dialog_units.h"
#include "model/board.h"
#include "model/game_host.h"
#include "settings/sound_events.h"

namespace {

enum Column { kCheckColumn = 0, kEventColumn = 1, kFileColumn = 2 };

QTableWidgetItem* ReadOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QTableWidgetItem* CheckItem(bool ticked) {
    auto* item = new QTableWidgetItem();
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    return item;
}

// Column widths are given in pixels of a dialog font that averages six
// pixels a character; they grow with the dialog's font like the rest of the
// dialog, so that a name such as "level is completed" is not cut short.
int ColumnWidth(const DialogBaseUnits& units, int pixels) {
    return (pixels * units.charWidth + 3) / 6;
}

}  // namespace

SoundSettingsDialog::SoundSettingsDialog(QWidget* parent, GameState* state)
    : QDialog(parent), state_(state) {
    setWindowTitle(QStringLiteral("Sound settings"));
    BuildControls();
    FillList();
    Connect();
}

void SoundSettingsDialog::BuildControls() {
    const DialogBaseUnits units = SetUpDialog(this, 403, 156);
    list_ = new QTableWidget(kSoundCount, 3, this);
    PlaceControl(list_, units, 7, 7, 330, 142);
    struct ButtonSpec {
        QPushButton** button;
        const char* text;
        const char* name;
        int y;
    };
    const ButtonSpec buttons[] = {
        {&ok_, "OK", "okButton", 7},
        {&setDefault_, "Set default", "defaultButton", 23},
        {&play_, "Play", "playButton", 47},
        {&select_, "Select...", "selectButton", 64},
        {&setAll_, "Set all", "setAllButton", 90},
        {&resetAll_, "Reset all", "resetAllButton", 107},
        {&cancel_, "Cancel", "cancelButton", 135},
    };
    // Created in the tab order: the list first, then the buttons from top
    // to bottom.
    for (const ButtonSpec& b : buttons) {
        *b.button = new QPushButton(QString::fromLatin1(b.text), this);
        (*b.button)->setObjectName(QString::fromLatin1(b.name));
        PlaceControl(*b.button, units, 346, b.y, 50, 14);
    }
    ok_->setDefault(true);

    list_->setObjectName(QStringLiteral("soundList"));
    list_->setHorizontalHeaderLabels(
        {QString(), QStringLiteral("Event"), QStringLiteral("File name")});
    list_->setShowGrid(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSortingEnabled(false);
    list_->setWordWrap(false);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 4);
    QHeaderView* header = list_->horizontalHeader();
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->resizeSection(kCheckColumn, ColumnWidth(units, 30));
    header->resizeSection(kEventColumn, ColumnWidth(units, 100));
    header->resizeSection(kFileColumn, ColumnWidth(units, 360));
    list_->installEventFilter(this);
}

void SoundSettingsDialog::FillList() {
    for (int i = 0; i < kSoundCount; ++i) {
        const SoundEvent& sound = state_->sounds[i];
        list_->setItem(i, kCheckColumn, CheckItem(sound.enabled != 0));
        list_->setItem(i, kEventColumn, ReadOnlyItem(QString::fromLocal8Bit(sound.name)));
        list_->setItem(i, kFileColumn, ReadOnlyItem(QString::fromLocal8Bit(sound.file)));
    }
}

void SoundSettingsDialog::Connect() {
    // The mark follows the most recent selection and stays when the row is
    // deselected again.
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected) {
                if (!selected.indexes().isEmpty())
                    selectionMark_ = selected.indexes().first().row();
            });
    connect(ok_, &QPushButton::clicked, this, [this] {
        TakeRows();
        done(1);
    });
    connect(setDefault_, &QPushButton::clicked, this, [this] { SetDefaultRows(); });
    connect(play_, &QPushButton::clicked, this, [this] { PlayRow(); });
    connect(select_, &QPushButton::clicked, this, [this] { SelectFile(); });
    connect(setAll_, &QPushButton::clicked, this, [this] { TickAll(true); });
    connect(resetAll_, &QPushButton::clicked, this, [this] { TickAll(false); });
    connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });
}

void SoundSettingsDialog::reject() {
    done(2);
}

// The space bar ticks or clears the focused row, as a click on its box does.
bool SoundSettingsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        const int row = list_->currentRow();
        if (row >= 0) {
            QTableWidgetItem* box = list_->item(row, kCheckColumn);
            box->setCheckState(box->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void SoundSettingsDialog::TakeRows() {
    for (int i = 0; i < kSoundCount; ++i) {
        SoundEvent& sound = state_->sounds[i];
        sound.enabled = list_->item(i, kCheckColumn)->checkState() == Qt::Checked ? 1 : 0;
        CopyName(sound.file, list_->item(i, kFileColumn)->text().toLocal8Bit().constData());
    }
}

void SoundSettingsDialog::SetDefaultRows() {
    for (int i = 0; i < kSoundCount; ++i) {
        char path[kNameSize];
        DefaultSoundPath(i, path);
        list_->item(i, kFileColumn)->setText(QString::fromLocal8Bit(path));
        list_->item(i, kCheckColumn)->setCheckState(Qt::Checked);
    }
}

int SoundSettingsDialog::MarkedRow() {
    if (selectionMark_ < 0)
        state_->mainWindow->MessageBox("Please select a line in list box.", state_->title,
                                       MsgButtons::Ok, MsgIcon::None, MsgResult::Ok);
    return selectionMark_;
}

// Plays the row's file whether its box is ticked or not: the player wants
// to hear it before deciding.
void SoundSettingsDialog::PlayRow() {
    const int row = MarkedRow();
    if (row < 0) return;
    const QByteArray file = list_->item(row, kFileColumn)->text().toLocal8Bit();
    state_->mainWindow->PlaySoundFile(file.constData());
}

// All files are found relative to the current directory, so the file dialog
// must leave it where it is.
void SoundSettingsDialog::SelectFile() {
    const int row = MarkedRow();
    if (row < 0) return;
    const QString directory = QDir::currentPath();
    QFileDialog chooser(this, QStringLiteral("Please select a wave file"), QString(),
                        QStringLiteral("Wave file (*.wav)"));
    chooser.setWindowModality(Qt::WindowModal);  // the help window stays usable
    chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    const bool chosen = chooser.exec() == QDialog::Accepted && !chooser.selectedFiles().isEmpty();
    QDir::setCurrent(directory);
    if (!chosen) return;
    const QString path = QDir::toNativeSeparators(chooser.selectedFiles().first());
    // A stored path holds at most kNameSize - 1 bytes; a longer one would be
    // cut and point nowhere, so it is refused like a file that cannot be
    // chosen. So is one that the settings file cannot keep as it is: a line
    // break would split its line, and blanks at either end are trimmed
    // when it is read back.
    if (path.toLocal8Bit().size() >= kNameSize || path.contains(u'\r') || path.contains(u'\n') ||
        path != path.trimmed()) {
        QApplication::beep();
        return;
    }
    list_->item(row, kFileColumn)->setText(path);
}

void SoundSettingsDialog::TickAll(bool on) {
    for (int i = 0; i < kSoundCount; ++i)
        list_->item(i, kCheckColumn)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}
