#include "library/new_game_dialog.h"

#include <QDialog>
#include <QIcon>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>
#include <memory>

#include "display/board_painter.h"
#include "display/drawing_resources.h"
#include "library/dialog_units.h"
#include "library/puzzle_file.h"
#include "library/puzzle_library.h"
#include "model/board.h"
#include "model/game_host.h"

namespace {

// Images of the tree, in the order of their indices.
enum TreeImage { kImageUnsolved = 0, kImageSolved = 1, kImageGroup = 2 };

// The tree's images. The selected state gets the same picture, so that the
// style does not tint a selected item's mark.
struct TreeImages {
    QIcon icons[3];
    TreeImages() {
        static const char* const kPaths[] = {":/images/tree_dash.png", ":/images/tree_tick.png",
                                             ":/images/tree_folder.png"};
        for (int i = 0; i < 3; ++i) {
            const QPixmap picture(QString::fromLatin1(kPaths[i]));
            icons[i].addPixmap(picture, QIcon::Normal);
            icons[i].addPixmap(picture, QIcon::Selected);
        }
    }
    // Gives an item its image; the index is kept in the item's user role so
    // that the mark can be read back without comparing pictures.
    void Set(QTreeWidgetItem* item, TreeImage image) const {
        item->setIcon(0, icons[image]);
        item->setData(0, Qt::UserRole, static_cast<int>(image));
    }
};

QString FromLocal(const std::string& text) {
    return QString::fromLocal8Bit(text);
}

std::string ToLocal(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

void Tell(GameState* state, const char* text) {
    if (state->mainWindow)
        state->mainWindow->MessageBox(text, state->title, MsgButtons::Ok, MsgIcon::Information,
                                      MsgResult::Ok);
}

// Text centred horizontally on x with its top at y, as the preview's
// messages are placed.
void DrawCentredText(QPainter& painter, int x, int y, const QString& text) {
    const QFontMetrics metrics = painter.fontMetrics();
    painter.drawText(x - metrics.horizontalAdvance(text) / 2, y + metrics.ascent(), text);
}

// The preview control; it asks the dialog what to paint.
class PreviewArea : public QWidget {
public:
    PreviewArea(QWidget* parent, GameState* state, const QTreeWidget* tree)
        : QWidget(parent), state_(state), tree_(tree), scratch_(std::make_unique<PuzzleRecord>()) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        PaintPuzzlePreview(state_, painter, rect(), SelectedPuzzlePath(tree_), scratch_.get());
    }

private:
    GameState* state_;
    const QTreeWidget* tree_;
    std::unique_ptr<PuzzleRecord> scratch_;  // the file is read again at every paint
};

class NewGameWindow : public QDialog {
public:
    NewGameWindow(QWidget* parent, GameState* state)
        : QDialog(parent), state_(state), chosen_(std::make_unique<PuzzleRecord>()) {
        setWindowTitle(QStringLiteral("New game"));
        const DialogBaseUnits units = SetUpDialog(this, 325, 113);

        auto* ok = new QPushButton(QStringLiteral("OK"), this);
        ok->setObjectName(QStringLiteral("ok"));
        ok->setDefault(true);
        PlaceControl(ok, units, 268, 7, 50, 14);
        auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
        cancel->setObjectName(QStringLiteral("cancel"));
        PlaceControl(cancel, units, 268, 24, 50, 14);

        tree_ = new QTreeWidget(this);
        tree_->setObjectName(QStringLiteral("tree"));
        tree_->setHeaderHidden(true);
        tree_->setRootIsDecorated(true);
        tree_->setIconSize(QSize(16, 16));
        tree_->setSelectionMode(QAbstractItemView::SingleSelection);
        KeepSelection(tree_);
        PlaceControl(tree_, units, 7, 7, 133, 98);

        auto* preview = new PreviewArea(this, state, tree_);
        preview->setObjectName(QStringLiteral("preview"));
        PlaceControl(preview, units, 148, 7, 107, 98);

        setTabOrder(ok, cancel);
        setTabOrder(cancel, tree_);

        FillPuzzleTree(state, tree_);
        SelectPuzzleInTree(tree_, state->currentGroup, state->currentPuzzle);

        connect(ok, &QPushButton::clicked, this, &NewGameWindow::Ok);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
        connect(tree_, &QTreeWidget::currentItemChanged, preview, [preview] { preview->update(); });
        connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this] {
            if (!SelectedPuzzlePath(tree_).empty()) Ok();
        });
    }

private:
    void Ok() {
        const std::string path = SelectedPuzzlePath(tree_);
        if (path.empty()) {
            Tell(state_, "Puzzle is not selected.");
            return;
        }
        if (!ReadPuzzleFile(path.c_str(), chosen_.get())) {
            Tell(state_, "Please select a valid puzzle.");
            return;
        }
        ApplyPuzzle(state_, *chosen_);
        const SelectedNames names = SelectedNamesOf(tree_);
        CopyName(state_->currentGroup, names.group.c_str());
        CopyName(state_->currentPuzzle, names.puzzle.c_str());
        accept();
    }

    GameState* state_;
    QTreeWidget* tree_ = nullptr;
    std::unique_ptr<PuzzleRecord> chosen_;
};

}  // namespace

void FillPuzzleTree(const GameState* state, QTreeWidget* tree) {
    const TreeImages images;
    for (const std::string& group : ListGroups()) {
        auto* groupItem = new QTreeWidgetItem(tree, QStringList(FromLocal(group)));
        images.Set(groupItem, kImageGroup);
        for (const std::string& puzzle : ListPuzzles(group.c_str())) {
            auto* item = new QTreeWidgetItem(groupItem, QStringList(FromLocal(puzzle)));
            const bool solved = IsSolvedPuzzle(state, group.c_str(), puzzle.c_str());
            images.Set(item, solved ? kImageSolved : kImageUnsolved);
        }
    }
}

void SelectPuzzleInTree(QTreeWidget* tree, const char* group, const char* puzzle) {
    const QString groupText = QString::fromLocal8Bit(group);
    const QString puzzleText = QString::fromLocal8Bit(puzzle);
    for (int g = 0; g < tree->topLevelItemCount(); ++g) {
        QTreeWidgetItem* groupItem = tree->topLevelItem(g);
        if (groupItem->text(0) != groupText) continue;
        for (int p = 0; p < groupItem->childCount(); ++p) {
            QTreeWidgetItem* item = groupItem->child(p);
            if (item->text(0) != puzzleText) continue;
            tree->setCurrentItem(item);
            tree->scrollToItem(item);
            return;
        }
    }
}

SelectedNames SelectedNamesOf(const QTreeWidget* tree) {
    const QTreeWidgetItem* item = tree->currentItem();
    if (!item) return {};
    const QTreeWidgetItem* parent = item->parent();
    return {parent ? ToLocal(parent->text(0)) : std::string(), ToLocal(item->text(0))};
}

std::string SelectedPuzzlePath(const QTreeWidget* tree) {
    const SelectedNames names = SelectedNamesOf(tree);
    if (names.group.empty() || names.puzzle.empty()) return {};
    char path[kNameSize];
    PuzzlePath(names.group.c_str(), names.puzzle.c_str(), path);
    return path;
}

void PaintPuzzlePreview(const GameState* state, QPainter& painter, const QRect& clip,
                        const std::string& path, PuzzleRecord* scratch) {
    const QColor ink = ColorFromRef(static_cast<std::uint32_t>(state->view.colorInk));
    const QBrush background =
        state->drawing ? state->drawing->backgroundBrush
                       : QBrush(ColorFromRef(static_cast<std::uint32_t>(state->view.colorBack)));
    painter.fillRect(QRect(0, 0, kPreviewSize, kPreviewSize), background);
    painter.setClipRect(clip);
    painter.setPen(ink);
    const int centre = kPreviewSize / 2;
    if (path.empty()) {
        DrawCentredText(painter, centre, centre, QStringLiteral("Puzzle is not selected."));
        return;
    }
    if (!ReadPuzzleFile(path.c_str(), scratch)) {
        DrawCentredText(painter, centre, centre, QStringLiteral("The puzzle is invalid."));
        return;
    }
    FillCellGrid(painter, ink, &scratch->cells[0][0][0], kGridSize,
                 (kPreviewSize - scratch->width) / 2, (kPreviewSize - scratch->height) / 2,
                 scratch->width, scratch->height, 1);
}

int NewGameDialog(QWidget* parent, GameState* state) {
    NewGameWindow dialog(parent, state);
    return dialog.exec();
}
