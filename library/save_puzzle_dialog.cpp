#include "library/save_puzzle_dialog.h"

#include <QDialog>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <string>

#include "library/dialog_units.h"
#include "library/file_access.h"
#include "library/name_filter.h"
#include "library/puzzle_file.h"
#include "library/puzzle_library.h"
#include "model/board.h"
#include "model/game_host.h"

namespace {

void Tell(GameState* state, const char* text, MsgIcon icon = MsgIcon::None) {
    if (state->mainWindow)
        state->mainWindow->MessageBox(text, state->title, MsgButtons::Ok, icon, MsgResult::Ok);
}

std::string ToLocal(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

bool AllPiecesOnField(const GameState* state) {
    for (const PieceSlot& slot : state->fieldSlots)
        if (slot.piece == 0) return false;
    return true;
}

// A group box drawn behind the controls it frames.
void AddFrame(QWidget* dialog, const DialogBaseUnits& units, const char* title, int x, int y,
              int width, int height) {
    auto* frame = new QGroupBox(QString::fromLatin1(title), dialog);
    PlaceControl(frame, units, x, y, width, height);
    frame->lower();
}

class SavePuzzleWindow : public QDialog {
public:
    SavePuzzleWindow(QWidget* parent, GameState* state) : QDialog(parent), state_(state) {
        setWindowTitle(QStringLiteral("Save puzzle"));
        const DialogBaseUnits units = SetUpDialog(this, 228, 137);

        groupName_ = new FileNameEdit(this);
        groupName_->setObjectName(QStringLiteral("groupName"));
        PlaceControl(groupName_, units, 15, 14, 86, 12);
        auto* create = new QPushButton(QStringLiteral("Create"), this);
        create->setObjectName(QStringLiteral("create"));
        PlaceControl(create, units, 108, 13, 50, 14);
        groups_ = new QListWidget(this);
        groups_->setObjectName(QStringLiteral("groupList"));
        PlaceControl(groups_, units, 14, 30, 144, 55);
        KeepSelection(groups_);
        fileName_ = new FileNameEdit(this);
        fileName_->setObjectName(QStringLiteral("fileName"));
        PlaceControl(fileName_, units, 14, 109, 144, 12);
        auto* ok = new QPushButton(QStringLiteral("OK"), this);
        ok->setObjectName(QStringLiteral("ok"));
        ok->setDefault(true);
        PlaceControl(ok, units, 171, 6, 50, 14);
        auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
        cancel->setObjectName(QStringLiteral("cancel"));
        PlaceControl(cancel, units, 171, 23, 50, 14);
        AddFrame(this, units, "Group", 7, 3, 158, 89);
        AddFrame(this, units, "File name", 7, 95, 158, 35);

        setTabOrder(groupName_, create);
        setTabOrder(create, groups_);
        setTabOrder(groups_, fileName_);
        setTabOrder(fileName_, ok);
        setTabOrder(ok, cancel);

        AdvancePuzzleNumber(state->currentPuzzle);
        fileName_->setText(QString::fromLocal8Bit(state->currentPuzzle));
        FillGroupList(state, groups_);

        connect(create, &QPushButton::clicked, this, &SavePuzzleWindow::Create);
        connect(ok, &QPushButton::clicked, this, &SavePuzzleWindow::Ok);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    }

private:
    void Create() {
        const std::string name = ToLocal(groupName_->text());
        if (IsBlankName(name.c_str())) {
            Tell(state_, "Please enter a group name.");
            return;
        }
        for (int i = 0; i < groups_->count(); ++i) {
            if (SameNameIgnoringCase(ToLocal(groups_->item(i)->text()), name)) {
                Tell(state_, "This group already exist.");
                return;
            }
        }
        // The group becomes a path part; a name that could leave "Puzzles"
        // is refused like a folder that cannot be made.
        if (!IsSafePathPart(name.c_str()) || !CreateFolder(("Puzzles\\" + name).c_str())) {
            Tell(state_, "Error creation group.", MsgIcon::Error);
            return;
        }
        CopyName(state_->currentGroup, name.c_str());
        FillGroupList(state_, groups_);
        groupName_->clear();
    }

    void Ok() {
        const QList<QListWidgetItem*> selected = groups_->selectedItems();
        if (selected.isEmpty()) {
            Tell(state_, "Please create a group.");
            return;
        }
        CopyName(state_->currentGroup, ToLocal(selected.front()->text()).c_str());
        const std::string name = ToLocal(fileName_->text());
        if (IsBlankName(name.c_str())) {
            Tell(state_, "Please enter a file name.");
            return;
        }
        CopyName(state_->currentPuzzle, name.c_str());
        SavePuzzleFile(state_);
        accept();
    }

    GameState* state_;
    FileNameEdit* groupName_ = nullptr;
    QListWidget* groups_ = nullptr;
    FileNameEdit* fileName_ = nullptr;
};

}  // namespace

void FillGroupList(const GameState* state, QListWidget* list) {
    list->clear();
    const std::vector<std::string> groups = ListGroups();
    int selected = -1;
    for (int i = 0; i < static_cast<int>(groups.size()); ++i) {
        list->addItem(QString::fromLocal8Bit(groups[i]));
        if (selected < 0 && SameNameIgnoringCase(groups[i], state->currentGroup)) selected = i;
    }
    if (selected < 0 && !groups.empty()) selected = 0;
    if (selected >= 0) list->setCurrentRow(selected);
}

int SavePuzzleDialog(QWidget* parent, GameState* state) {
    if (!AllPiecesOnField(state)) {
        Tell(state, "Please put all figures on the field.");
        return QDialog::Rejected;
    }
    SavePuzzleWindow dialog(parent, state);
    return dialog.exec();
}
