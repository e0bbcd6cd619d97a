// Dialog layouts are given in dialog units: a horizontal unit is a quarter of
// the dialog font's average character width, a vertical unit an eighth of
// its character height. These helpers turn such layouts into pixels for
// dialogs built in code, so every dialog scales with its font alike.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

class QAbstractItemView;
class QWidget;

// The average character width and the character height of a font, in
// pixels, measured the way dialog templates are scaled: the width of the 52
// letters A-Z a-z divided by 52 and rounded, and the font's line height.
struct DialogBaseUnits {
    int charWidth;
    int charHeight;
};

// The font dialogs are laid out with: the application font at 8 points.
QFont DialogFont();

DialogBaseUnits MeasureDialogUnits(const QFont& font);

// Dialog units to pixels: x * charWidth / 4 and y * charHeight / 8, rounded.
int DialogUnitsToPixelsX(const DialogBaseUnits& units, int x);
int DialogUnitsToPixelsY(const DialogBaseUnits& units, int y);
QRect DialogRect(const DialogBaseUnits& units, int x, int y, int width, int height);
QSize DialogSize(const DialogBaseUnits& units, int width, int height);

// Gives a dialog DialogFont(), a fixed client size of width x height dialog
// units and window modality (it blocks the windows it belongs to, not the
// help window); returns the units for placing its controls.
DialogBaseUnits SetUpDialog(QWidget* dialog, int width, int height);
// Places a control at a rectangle given in dialog units.
void PlaceControl(QWidget* control, const DialogBaseUnits& units, int x, int y, int width,
                  int height);

// Makes a single-selection list keep its selection once it has one, as a
// list box does: a Ctrl+click on the selected entry, Ctrl+Space or a click
// below the entries, which empty the selection of a Qt list, leave the
// current entry selected.
void KeepSelection(QAbstractItemView* view);
