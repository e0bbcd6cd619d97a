// The New game dialog: the library as a tree of groups and puzzles, a
// preview of the selected puzzle, and OK to start playing it.
#pragma once

#include <QRect>
#include <string>

#include "model/game_state.h"

class QPainter;
class QTreeWidget;
class QWidget;

// The preview is drawn for a square of this many pixels, one per cell.
constexpr int kPreviewSize = 160;

// The names behind the tree's current item: both empty when nothing is
// selected; for a group item the puzzle is the group's name and the group
// is empty, so that a group never counts as a puzzle.
struct SelectedNames {
    std::string group;
    std::string puzzle;
};

// Appends every group of the library with its puzzles, each puzzle marked
// solved (tick) or not (dash). Each item's Qt::UserRole holds its image:
// 0 unsolved, 1 solved, 2 group.
void FillPuzzleTree(const GameState* state, QTreeWidget* tree);
// Makes the first puzzle item named puzzle under a group item named group
// the current item (exact comparison) and shows it; nothing otherwise.
void SelectPuzzleInTree(QTreeWidget* tree, const char* group, const char* puzzle);
SelectedNames SelectedNamesOf(const QTreeWidget* tree);
// PuzzlePath of the selected puzzle, or the empty text.
std::string SelectedPuzzlePath(const QTreeWidget* tree);

// Paints the preview of the puzzle file at path (empty: nothing selected)
// into a painter whose origin is the preview's top-left corner: the
// background, then the silhouette centred in the 160 x 160 square, or a
// message. The file is read into scratch.
void PaintPuzzlePreview(const GameState* state, QPainter& painter, const QRect& clip,
                        const std::string& path, PuzzleRecord* scratch);

// Runs the dialog modal over parent. On OK the chosen puzzle is applied and
// becomes the current one. Returns QDialog::Accepted after OK, otherwise
// QDialog::Rejected.
int NewGameDialog(QWidget* parent, GameState* state);
