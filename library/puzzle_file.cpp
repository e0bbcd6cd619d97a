#include "library/puzzle_file.h"

#include <charconv>
#include <cstdio>
#include <cstring>

#include "library/file_access.h"
#include "library/ini_reader.h"
#include "model/board.h"
#include "model/game_host.h"
#include "model/rules.h"

namespace {

constexpr std::size_t kRowBuffer = 160;  // a row string is cut to 159 characters

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool RowIsEmpty(const Grid& g, int r) {
    for (int c = 0; c < kGridSize; ++c)
        if (g[r][c][0] | g[r][c][1] | g[r][c][2] | g[r][c][3]) return false;
    return true;
}

bool ColumnIsEmpty(const Grid& g, int c) {
    for (int r = 0; r < kGridSize; ++r)
        if (g[r][c][0] | g[r][c][1] | g[r][c][2] | g[r][c][3]) return false;
    return true;
}

// The cell value top*1 + right*2 + bottom*4 + left*8.
int CellValue(const std::uint8_t q[4]) {
    return (q[0] ? 1 : 0) | (q[1] ? 2 : 0) | (q[2] ? 4 : 0) | (q[3] ? 8 : 0);
}

void AppendNumber(std::string& s, int n) {
    char digits[16];
    s.append(digits, std::to_chars(digits, digits + sizeof digits, n).ptr);
}

MsgResult Tell(GameState* s, const char* text, MsgButtons buttons, MsgIcon icon,
               MsgResult defaultButton) {
    if (!s->mainWindow) return defaultButton;
    return s->mainWindow->MessageBox(text, s->title, buttons, icon, defaultButton);
}

}  // namespace

bool IsSafePathPart(const char* name) {
    if (name[0] == '\0' || std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
        return false;
    for (const char* c = name; *c; ++c) {
        const unsigned char u = static_cast<unsigned char>(*c);
        if (u == '\\' || u == '/' || u < 0x20 || u == 0x7f) return false;
    }
    return true;
}

bool PuzzlePath(const char* group, const char* name, char (&out)[kNameSize]) {
    out[0] = '\0';
    if (!IsSafePathPart(group) || !IsSafePathPart(name)) return false;
    const std::string path = std::string("Puzzles\\") + group + "\\" + name + ".pzk";
    // A cut path would name another file: refused, never shortened.
    if (path.size() >= kNameSize) return false;
    CopyName(out, path.c_str());
    return true;
}

bool ReadPuzzle(const IniFile& ini, PuzzleRecord* out) {
    std::memset(out, 0, sizeof *out);
    out->width = GetIniInt(ini, "DATA", "DX", -1);
    out->height = GetIniInt(ini, "DATA", "DY", -1);
    if (out->width < kMinPuzzleSize || out->width > kMaxPuzzleSize ||
        out->height < kMinPuzzleSize || out->height > kMaxPuzzleSize)
        return false;
    const std::size_t width = static_cast<std::size_t>(out->width);
    char key[32], low[kRowBuffer], high[kRowBuffer];
    for (int r = 0; r < out->height; ++r) {
        std::snprintf(key, sizeof key, "ROW_%d_LOW_", r);
        if (GetIniString(ini, "DATA", key, "", low, sizeof low) != width) return false;
        std::snprintf(key, sizeof key, "ROW_%d_HIGH", r);
        if (GetIniString(ini, "DATA", key, "", high, sizeof high) != width) return false;
        for (std::size_t c = 0; c < width; ++c) {
            const char pair[2] = {high[c], low[c]};
            // Two digits are by far the common case; the rest goes through
            // the general conversion (blanks, signs, letters).
            const bool digits = IsDigit(pair[0]) && IsDigit(pair[1]);
            const int v = digits ? (pair[0] - '0') * 10 + (pair[1] - '0')
                                 : ParseDecimal(std::string_view(pair, 2));
            if (v < 0 || v > 15) return false;
            for (int k = 0; k < 4; ++k) out->cells[r][c][k] = (v >> k) & 1;
        }
    }
    return true;
}

bool ReadPuzzleText(const char* data, std::size_t size, PuzzleRecord* out) {
    IniFile ini;
    ParseIni(data, size, &ini);
    return ReadPuzzle(ini, out);
}

bool ReadPuzzleFile(const char* path, PuzzleRecord* out) {
    IniFile ini;
    LoadIniFile(path, &ini);  // an unreadable file reads as one without keys
    return ReadPuzzle(ini, out);
}

void ExtractFigure(const GameState* state, Grid& work, int* dx, int* dy) {
    std::memset(work, 0, sizeof(Grid));
    for (const PieceSlot& slot : state->fieldSlots) StampPiece(state, slot, work, 1);
    int top = 0, left = 0, bottom = kGridSize - 1, right = kGridSize - 1;
    while (top < kGridSize && RowIsEmpty(work, top)) ++top;
    if (top == kGridSize) {  // nothing on the field: no figure to move
        *dx = *dy = 0;
        return;
    }
    while (ColumnIsEmpty(work, left)) ++left;
    while (RowIsEmpty(work, bottom)) --bottom;
    while (ColumnIsEmpty(work, right)) --right;
    // Rows move up by top and cells left by left; every source lies at or
    // after its destination, so copying in increasing order is safe.
    const std::size_t keep = static_cast<std::size_t>(kGridSize - left) * 4;
    for (int r = 0; r < kGridSize; ++r) {
        if (r + top < kGridSize) {
            std::memmove(work[r][0], work[r + top][left], keep);
            std::memset(work[r][kGridSize - left], 0, static_cast<std::size_t>(left) * 4);
        } else {
            std::memset(work[r], 0, sizeof work[r]);
        }
    }
    *dx = right - left + 1;
    *dy = bottom - top + 1;
}

std::string BuildPuzzleText(const Grid& cells, int dx, int dy, const char* name) {
    dx = dx < 0 ? 0 : (dx > kGridSize ? kGridSize : dx);
    dy = dy < 0 ? 0 : (dy > kGridSize ? kGridSize : dy);
    std::string s;
    s.reserve(64 + std::strlen(name) + static_cast<std::size_t>(dy) * (2 * dx + 40));
    s += "[DATA]\r\nNAME = ";
    s += name;
    s += "\r\nDX = ";
    AppendNumber(s, dx);
    s += "\r\nDY = ";
    AppendNumber(s, dy);
    s += "\r\n";
    for (int r = 0; r < dy; ++r) {
        s += "ROW_";
        AppendNumber(s, r);
        char low[kGridSize], high[kGridSize];
        for (int c = 0; c < dx; ++c) {
            const int v = CellValue(cells[r][c]);
            low[c] = static_cast<char>('0' + v % 10);
            high[c] = static_cast<char>('0' + v / 10);
        }
        s += "_LOW_ = ";
        s.append(low, dx);
        s += "\r\nROW_";
        AppendNumber(s, r);
        s += "_HIGH = ";
        s.append(high, dx);
        s += "\r\n";
    }
    return s;
}

void SavePuzzleFile(GameState* state) {
    int dx = 0, dy = 0;
    ExtractFigure(state, state->workGrid, &dx, &dy);
    // The reader takes at most kMaxPuzzleSize cells each way; a larger figure
    // would be saved but never read back.
    if (dx > kMaxPuzzleSize || dy > kMaxPuzzleSize) {
        Tell(state, "The figure must be less than 160 cells wide and high.", MsgButtons::Ok,
             MsgIcon::Warning, MsgResult::Ok);
        return;
    }
    const std::string text = BuildPuzzleText(state->workGrid, dx, dy, state->currentPuzzle);
    char path[kNameSize];
    if (!PuzzlePath(state->currentGroup, state->currentPuzzle, path)) {
        Tell(state, "Error open file for save.", MsgButtons::Ok, MsgIcon::Error, MsgResult::Ok);
        return;
    }
    if (PathExists(path) && Tell(state, "File exist. Overwrite?", MsgButtons::YesNo,
                                 MsgIcon::Question, MsgResult::No) != MsgResult::Yes)
        return;
    switch (WriteFileReplacing(path, text.data(), text.size())) {
        case WriteResult::OpenFailed:
            Tell(state, "Error open file for save.", MsgButtons::Ok, MsgIcon::Error, MsgResult::Ok);
            return;
        case WriteResult::WriteFailed:
            Tell(state, "Error save file.", MsgButtons::Ok, MsgIcon::Error, MsgResult::Ok);
            return;
        case WriteResult::Ok: break;
    }
    // Static like the open board: the record is 100 KB and the game
    // allocates no game data at run time.
    static PuzzleRecord saved;
    std::memset(&saved, 0, sizeof saved);
    saved.width = dx;
    saved.height = dy;
    for (int r = 0; r < dy; ++r)
        for (int c = 0; c < dx; ++c)
            for (int k = 0; k < 4; ++k) saved.cells[r][c][k] = state->workGrid[r][c][k] ? 1 : 0;
    ApplyPuzzle(state, saved);
    if (state->mainWindow) state->mainWindow->Invalidate(false);
    Tell(state, "Puzzle saved.", MsgButtons::Ok, MsgIcon::Question, MsgResult::Ok);
}
