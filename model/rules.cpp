#include "model/rules.h"

#include <cstring>

#include "model/board.h"
#include "model/game_host.h"

namespace {

// Floor division: the grid position left or above the board is negative.
int FloorDiv(int a, int b) {
    int q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

void Invalidate(GameState* s, bool erase) {
    if (s->mainWindow) s->mainWindow->Invalidate(erase);
}

bool MaskCellFull(const GameState* s, const PieceSlot& slot, int dc, int dr) {
    return IsFullCell(s->pieceMasks[TableIndex(slot.piece, slot.orientation)][dr][dc]);
}

// Takes the piece of a slot: it follows the pointer from now on.
void TakeSlot(GameState* s, PieceSlot& slot, const Rect& r, int px, int py) {
    s->carriedPiece = slot.piece;
    s->carriedOrientation = slot.orientation;
    s->grabOffsetX = px - (slot.col + 1) * s->view.scale - r.left;
    s->grabOffsetY = py - (slot.row + 1) * s->view.scale - r.top;
    slot.piece = 0;
    s->lastCarriedPiece = s->carriedPiece;
    PlaySoundEvent(s, kSoundTake);
}

void SendCarriedHome(GameState* s) {
    for (int j = 0; j < kPieceCount; ++j)
        if (s->storeHome[j].piece == s->carriedPiece) s->storeSlots[j] = s->storeHome[j];
    PlaySoundEvent(s, kSoundDrop);
}

void Win(GameState* s) {
    s->solved = 1;
    Invalidate(s, false);
    if (s->fallbackPuzzle == 0) RecordSolved(s, s->currentGroup, s->currentPuzzle);
    if (s->mainWindow)
        s->mainWindow->MessageBox("Congratulations! The game is won.", s->title, MsgButtons::Ok,
                                  MsgIcon::None, MsgResult::Ok);
    PlaySoundEvent(s, kSoundLevelCompleted);
    if (s->mainWindow) s->mainWindow->SendCommand(kCmdNewGame);
    Invalidate(s, false);
}

// Puts a piece into the lowest-numbered empty field slot, then the rest of
// a successful drop: the sound, and the win or a repaint.
void FinishDrop(GameState* s, const PieceSlot& placed) {
    for (PieceSlot& slot : s->fieldSlots) {
        if (slot.piece == 0) {
            slot = placed;
            break;
        }
    }
    s->carriedPiece = 0;
    PlaySoundEvent(s, kSoundDrop);
    int inStore = 0;
    for (const PieceSlot& slot : s->storeSlots) inStore += slot.piece;
    if (s->createMode == 0 && inStore == 0 && s->solved == 0) {
        Win(s);
        return;
    }
    Invalidate(s, false);
}

// The drop position of the carried piece for a rounded press (px, py).
void DropPosition(const GameState* s, const Rect& field, int px, int py, int* col, int* row) {
    *col = FloorDiv(px - s->grabOffsetX - field.left, s->view.scale) - 1;
    *row = FloorDiv(py - s->grabOffsetY - field.top, s->view.scale) - 1;
}

void Drop(GameState* s, const Rect& field, int px, int py) {
    int col = 0, row = 0;
    DropPosition(s, field, px, py, &col, &row);
    if (!CanPlace(s, s->carriedPiece, s->carriedOrientation, col, row)) {
        PlaySoundEvent(s, kSoundError);
        return;
    }
    FinishDrop(s, {col, row, s->carriedPiece, s->carriedOrientation});
}

// True when a name can be stored on one settings line without reading back
// empty: it holds a character other than a blank and no line break.
bool FitsSettingsLine(const char* name) {
    bool visible = false;
    for (; *name; ++name) {
        if (*name == '\r' || *name == '\n') return false;
        if (*name != ' ' && *name != '\t') visible = true;
    }
    return visible;
}

}  // namespace

void HandlePrimaryClick(GameState* s, int x, int y) {
    const int h = s->view.scale / 2;
    const int px = x + h, py = y + h;
    const Rect store = StoreRect(s);
    if (RectContains(store, px, py)) {
        const int hit = HitStorePiece(s, px, py);
        if (s->carriedPiece != 0) SendCarriedHome(s);
        if (hit < 0)
            s->carriedPiece = 0;
        else
            TakeSlot(s, s->storeSlots[hit], store, px, py);
        Invalidate(s, false);
        return;
    }
    const Rect field = FieldRect(s);
    if (!RectContains(field, px, py)) return;
    if (s->carriedPiece != 0) {
        Drop(s, field, px, py);
        return;
    }
    const int hit = HitFieldPiece(s, px, py);
    if (hit < 0) return;
    TakeSlot(s, s->fieldSlots[hit], field, px, py);
    Invalidate(s, false);
}

int HitStorePiece(const GameState* s, int px, int py) {
    const Rect r = StoreRect(s);
    const int col = FloorDiv(px - r.left, s->view.scale) - 1;
    const int row = FloorDiv(py - r.top, s->view.scale) - 1;
    for (int i = 0; i < kPieceCount; ++i) {
        const PieceSlot& slot = s->storeSlots[i];
        if (slot.piece == 0) continue;
        const int dc = col - slot.col, dr = row - slot.row;
        if (dc >= 0 && dc < kMaskSize && dr >= 0 && dr < kMaskSize && MaskCellFull(s, slot, dc, dr))
            return i;
    }
    return -1;
}

int HitFieldPiece(const GameState* s, int px, int py) {
    const Rect r = FieldRect(s);
    const int col = FloorDiv(px - r.left, s->view.scale) - 1;
    const int row = FloorDiv(py - r.top, s->view.scale) - 1;
    for (int i = 0; i < kPieceCount; ++i) {
        const PieceSlot& slot = s->fieldSlots[i];
        if (slot.piece == 0) continue;
        const CellSize size = s->pieceSizes[TableIndex(slot.piece, slot.orientation)];
        const int dc = col - slot.col, dr = row - slot.row;
        if (dc >= 0 && dc < size.width && dr >= 0 && dr < size.height &&
            MaskCellFull(s, slot, dc, dr))
            return i;
    }
    return -1;
}

void StampPiece(const GameState* s, const PieceSlot& slot, Grid& grid, std::uint8_t value) {
    if (slot.piece < 1 || slot.piece > kPieceCount) return;
    const int k = TableIndex(slot.piece, slot.orientation);
    const CellSize size = s->pieceSizes[k];
    for (int r = 0; r < size.height; ++r) {
        const int gr = slot.row + r;
        if (gr < 0 || gr >= kGridSize) continue;
        for (int c = 0; c < size.width; ++c) {
            const int gc = slot.col + c;
            if (gc < 0 || gc >= kGridSize) continue;
            for (int q = 0; q < 4; ++q)
                if (s->pieceMasks[k][r][c][q]) grid[gr][gc][q] = value;
        }
    }
}

bool CanPlace(GameState* s, int piece, int orientation, int col, int row) {
    if (piece < 1 || piece > kPieceCount || orientation < 0 || orientation >= kOrientations)
        return false;
    if (col < 0 || row < 0) return false;
    const int k = TableIndex(piece, orientation);
    const CellSize size = s->pieceSizes[k];
    // Compared without adding to col and row, which may be anywhere in range.
    if (col > s->silhouetteWidth - size.width || row > s->silhouetteHeight - size.height)
        return false;
    std::memcpy(s->workGrid, s->cells, sizeof(s->workGrid));
    for (const PieceSlot& slot : s->fieldSlots) StampPiece(s, slot, s->workGrid, 2);
    for (int r = 0; r < size.height; ++r)
        for (int c = 0; c < size.width; ++c)
            for (int q = 0; q < 4; ++q) {
                if (!s->pieceMasks[k][r][c][q]) continue;
                const std::uint8_t v = s->workGrid[row + r][col + c][q];
                if (v == 0 || v == 2) return false;
            }
    return true;
}

void TurnCarriedPiece(GameState* s, int key) {
    if (s->carriedPiece == 0 || (key != 'A' && key != 'S')) return;
    const int count = s->orientationCounts[s->carriedPiece - 1];
    if (key == 'A')
        s->carriedOrientation = s->carriedOrientation == 0 ? count - 1 : s->carriedOrientation - 1;
    else
        s->carriedOrientation = s->carriedOrientation >= count - 1 ? 0 : s->carriedOrientation + 1;
    ResetGrabToGrip(s);
    Invalidate(s, true);
    PlaySoundEvent(s, kSoundRotate);
}

void ShowOrientationMenu(GameState* s, int screenX, int screenY) {
    s->menuTarget = nullptr;
    if (s->carriedPiece == 0) return;
    s->menuTargetPair = {&s->carriedPiece, &s->carriedOrientation};
    s->menuTarget = &s->menuTargetPair;
    const int count = s->orientationCounts[s->carriedPiece - 1] == 2 ? 2 : 8;
    if (s->mainWindow) s->mainWindow->OpenOrientationPopup(count, screenX, screenY);
}

void SetOrientationFromMenu(GameState* s, int command) {
    if (s->menuTarget == nullptr || *s->menuTarget->piece == 0) return;
    *s->menuTarget->orientation = OrientationForCommand(command);
    if (s->menuTarget->piece == &s->carriedPiece) ResetGrabToGrip(s);
    Invalidate(s, false);
    PlaySoundEvent(s, kSoundRotate);
}

int OrientationForCommand(int command) {
    switch (command) {
        case kCmdOrientation1: return 0;
        case kCmdOrientation2: return 1;
        case kCmdOrientation3: return 2;
        case kCmdOrientation4: return 3;
        case kCmdOrientation5: return 4;
        case kCmdOrientation6: return 5;
        case kCmdOrientation7: return 6;
        case kCmdOrientation8: return 7;
        default: return 0;
    }
}

void ResetGrabToGrip(GameState* s) {
    if (s->carriedPiece == 0) return;
    const CellPoint grip = s->gripCells[TableIndex(s->carriedPiece, s->carriedOrientation)];
    s->grabOffsetX = grip.col * s->view.scale;
    s->grabOffsetY = grip.row * s->view.scale;
}

void RecordSolved(GameState* s, const char* group, const char* puzzle) {
    // The settings file drops the blanks around a value and ends the list at
    // the first empty entry: a blank name would lose every later entry at the
    // next start, and a line break would split its line.
    if (!FitsSettingsLine(group) || !FitsSettingsLine(puzzle)) return;
    for (int i = 0; i < s->solvedCount; ++i)
        if (std::strcmp(s->solvedList[i].group, group) == 0 &&
            std::strcmp(s->solvedList[i].puzzle, puzzle) == 0)
            return;
    if (s->solvedCount >= kMaxSolved) return;  // full: the list stays as it is
    CopyName(s->solvedList[s->solvedCount].group, group);
    CopyName(s->solvedList[s->solvedCount].puzzle, puzzle);
    ++s->solvedCount;
}

bool DropCell(const GameState* s, int x, int y, int* col, int* row) {
    if (s->carriedPiece == 0) return false;
    const int h = s->view.scale / 2;
    const int px = x + h, py = y + h;
    // A press in the store sends the piece home instead.
    if (RectContains(StoreRect(s), px, py)) return false;
    const Rect field = FieldRect(s);
    if (!RectContains(field, px, py)) return false;
    DropPosition(s, field, px, py, col, row);
    return true;
}

void LayStorePiece(GameState* s, const PieceSlot& placed) {
    for (PieceSlot& slot : s->storeSlots)
        if (slot.piece == placed.piece) slot.piece = 0;
    FinishDrop(s, placed);
}

void SendCarriedPieceHome(GameState* s) {
    if (s->carriedPiece == 0) return;
    SendCarriedHome(s);
    s->carriedPiece = 0;
    Invalidate(s, false);
}

bool GripPosition(const GameState* s, int piece, int* x, int* y) {
    if (piece < 1 || piece > kPieceCount || piece == s->carriedPiece) return false;
    const int h = s->view.scale / 2;
    auto at = [&](const PieceSlot(&slots)[kPieceCount], const Rect& r) {
        for (const PieceSlot& slot : slots) {
            if (slot.piece != piece) continue;
            // The top-left corner of the grip cell, less the rounding that
            // HandlePrimaryClick adds back.
            const CellPoint grip = s->gripCells[TableIndex(piece, slot.orientation)];
            *x = r.left + (slot.col + grip.col + 1) * s->view.scale - h;
            *y = r.top + (slot.row + grip.row + 1) * s->view.scale - h;
            return true;
        }
        return false;
    };
    return at(s->storeSlots, StoreRect(s)) || at(s->fieldSlots, FieldRect(s));
}
