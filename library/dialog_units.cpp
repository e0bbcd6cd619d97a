#include "library/dialog_units.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QWidget>

namespace {

// Multiplies and divides with rounding to the nearest pixel, halves away from
// zero, as dialog templates are scaled.
int MulDivRound(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

}  // namespace

QFont DialogFont() {
    QFont font = QApplication::font();
    font.setPointSize(8);
    return font;
}

DialogBaseUnits MeasureDialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.height()};
}

int DialogUnitsToPixelsX(const DialogBaseUnits& units, int x) {
    return MulDivRound(x, units.charWidth, 4);
}

int DialogUnitsToPixelsY(const DialogBaseUnits& units, int y) {
    return MulDivRound(y, units.charHeight, 8);
}

QRect DialogRect(const DialogBaseUnits& units, int x, int y, int width, int height) {
    return QRect(DialogUnitsToPixelsX(units, x), DialogUnitsToPixelsY(units, y),
                 DialogUnitsToPixelsX(units, width), DialogUnitsToPixelsY(units, height));
}

QSize DialogSize(const DialogBaseUnits& units, int width, int height) {
    return QSize(DialogUnitsToPixelsX(units, width), DialogUnitsToPixelsY(units, height));
}

DialogBaseUnits SetUpDialog(QWidget* dialog, int width, int height) {
    // Modal to the game window only: the help window, a window of its own,
    // stays usable while a dialog is open.
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setFont(DialogFont());
    const DialogBaseUnits units = MeasureDialogUnits(dialog->font());
    dialog->setFixedSize(DialogSize(units, width, height));
    return units;
}

void PlaceControl(QWidget* control, const DialogBaseUnits& units, int x, int y, int width,
                  int height) {
    control->setGeometry(DialogRect(units, x, y, width, height));
}

void KeepSelection(QAbstractItemView* view) {
    QItemSelectionModel* selection = view->selectionModel();
    QObject::connect(selection, &QItemSelectionModel::selectionChanged, view, [selection] {
        const QModelIndex current = selection->currentIndex();
        if (!selection->hasSelection() && current.isValid())
            selection->select(current, QItemSelectionModel::Select);
    });
}
