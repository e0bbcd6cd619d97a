#include "model/board.h"

#include <cstring>

#include "model/game_host.h"

namespace {

Rect FirstRect(const GameState* s, int widthCells, int heightCells) {
    const int left = s->originX + 32, top = s->originY + 32;
    return {left, top, left + widthCells * s->view.scale, top + heightCells * s->view.scale};
}

Rect SecondRect(const Rect& first, const GameState* s, int widthCells, int heightCells) {
    const int left = first.right + 32;
    return {left, first.top, left + widthCells * s->view.scale,
            first.top + heightCells * s->view.scale};
}

}  // namespace

Rect StoreRect(const GameState* s) {
    const int fw = s->silhouetteWidth + 2, fh = s->silhouetteHeight + 2;
    if (s->view.storePosition == 0) return FirstRect(s, 42, 42);
    return SecondRect(FirstRect(s, fw, fh), s, 42, 42);
}

Rect FieldRect(const GameState* s) {
    const int fw = s->silhouetteWidth + 2, fh = s->silhouetteHeight + 2;
    if (s->view.storePosition == 0) return SecondRect(FirstRect(s, 42, 42), s, fw, fh);
    return FirstRect(s, fw, fh);
}

bool IsFullCell(const std::uint8_t cell[4]) {
    return (cell[0] & 1) && (cell[1] & 1) && (cell[2] & 1) && (cell[3] & 1);
}

bool RectContains(const Rect& r, int x, int y) {
    return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
}

void MakeDefaultSquare(PuzzleRecord* p) {
    std::memset(p, 0, sizeof(PuzzleRecord));
    p->width = p->height = 40;
    for (int r = 0; r < 40; ++r) std::memset(&p->cells[r][0][0], 1, 40 * 4);
}

void MakeOpenBoard(PuzzleRecord* p) {
    p->width = p->height = kGridSize;
    std::memset(p->cells, 1, sizeof(p->cells));
}

void ApplyPuzzle(GameState* s, const PuzzleRecord& puzzle) {
    std::memset(s->fieldSlots, 0, sizeof(s->fieldSlots));
    std::memcpy(s->cells, puzzle.cells, sizeof(s->cells));
    s->silhouetteWidth = puzzle.width;
    s->silhouetteHeight = puzzle.height;
    std::memcpy(s->storeSlots, s->storeHome, sizeof(s->storeSlots));
    s->carriedPiece = 0;
    if (s->mainWindow) s->mainWindow->LayoutBoard();
    s->createMode = 0;
    s->solved = 0;
    s->fallbackPuzzle = 0;
    if (s->mainWindow) {
        s->mainWindow->UpdateMenuState();
        s->mainWindow->Invalidate(false);
    }
}

void StartCreatePuzzle(GameState* s) {
    // Static: the record is 100 KB and the game allocates nothing at run time.
    static PuzzleRecord board;
    MakeOpenBoard(&board);
    ApplyPuzzle(s, board);
    s->createMode = 1;
    if (s->mainWindow) s->mainWindow->UpdateMenuState();
}

void CopyName(char (&dest)[kNameSize], const char* src) {
    std::size_t n = src ? std::strlen(src) : 0;
    if (n > kNameSize - 1) n = kNameSize - 1;
    if (n) std::memmove(dest, src, n);
    dest[n] = '\0';
}
