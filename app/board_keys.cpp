#include "app/board_keys.h"

#include <QKeyEvent>

#include "model/rules.h"

namespace {

bool OnField(const GameState* s, int piece) {
    for (const PieceSlot& slot : s->fieldSlots)
        if (slot.piece == piece) return true;
    return false;
}

// A press on the piece's grip cell, wherever it lies. A press on the field
// while another piece is carried would drop that one, so it goes home first.
void TakeByKey(GameState* s, int piece, QPoint* pointer) {
    int x = 0, y = 0;
    if (!GripPosition(s, piece, &x, &y)) return;  // carried already
    if (s->carriedPiece != 0 && OnField(s, piece)) SendCarriedPieceHome(s);
    HandlePrimaryClick(s, x, y);
    *pointer = QPoint(x, y);
}

}  // namespace

PlayKey HandlePlayKey(GameState* s, const QKeyEvent& event, QPoint* pointer) {
    // Ctrl, Alt and Meta belong to the menu's shortcuts.
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return PlayKey::None;
    const int key = event.key();
    if (key >= Qt::Key_1 && key <= Qt::Key_7) {
        TakeByKey(s, key - Qt::Key_0, pointer);
        return PlayKey::Handled;
    }
    const int step = s->view.scale * ((event.modifiers() & Qt::ShiftModifier) ? 5 : 1);
    QPoint move;
    switch (key) {
        case Qt::Key_Left: move = QPoint(-step, 0); break;
        case Qt::Key_Right: move = QPoint(step, 0); break;
        case Qt::Key_Up: move = QPoint(0, -step); break;
        case Qt::Key_Down: move = QPoint(0, step); break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter: return s->carriedPiece != 0 ? PlayKey::Drop : PlayKey::Handled;
        case Qt::Key_Escape: SendCarriedPieceHome(s); return PlayKey::Handled;
        default: return PlayKey::None;
    }
    if (s->carriedPiece != 0) *pointer += move;
    return PlayKey::Handled;
}
