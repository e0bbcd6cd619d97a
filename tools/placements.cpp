#include "tools/placements.h"

#include <charconv>
#include <cstring>

#include "library/file_access.h"
#include "model/board.h"
#include "model/rules.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// Splits a line at blanks; false when it is not four decimal integers.
bool ParseFields(std::string_view line, std::int32_t (&v)[4]) {
    int n = 0;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        if (i == line.size()) break;
        std::size_t end = i;
        while (end < line.size() && !IsBlank(line[end])) ++end;
        if (n == 4) return false;
        const char* first = line.data() + i;
        const char* last = line.data() + end;
        if (*first == '+') ++first;  // from_chars takes a minus sign only
        const auto [ptr, ec] = std::from_chars(first, last, v[n]);
        if (ec != std::errc() || ptr != last || first == last) return false;
        ++n;
        i = end;
    }
    return n == 4;
}

// The earlier placement that a refused one overlaps: the only remaining
// reason on the open board. Tests it against each placed slot alone.
int FindOverlapped(GameState* s, const PieceSlot& slot, int placed) {
    PieceSlot saved[kPieceCount];
    std::memcpy(saved, s->fieldSlots, sizeof saved);
    int found = -1;
    for (int j = 0; j < placed && found < 0; ++j) {
        std::memset(s->fieldSlots, 0, sizeof s->fieldSlots);
        s->fieldSlots[0] = saved[j];
        if (!CanPlace(s, slot.piece, slot.orientation, slot.col, slot.row)) found = j;
    }
    std::memcpy(s->fieldSlots, saved, sizeof saved);
    return found;
}

bool Fail(PlacementError* error, int line, std::string message) {
    *error = {line, std::move(message)};
    return false;
}

}  // namespace

bool ParsePlacements(std::string_view text, std::vector<Placement>* out, PlacementError* error) {
    out->clear();
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNumber;
        std::size_t first = 0;
        while (first < line.size() && IsBlank(line[first])) ++first;
        if (first == line.size() || line[first] == '#') continue;
        std::int32_t v[4];
        if (!ParseFields(line, v))
            return Fail(error, lineNumber, "expected four numbers: piece orientation col row");
        out->push_back({{v[2], v[3], v[0], v[1]}, lineNumber});
    }
    return true;
}

bool ReadPlacementsFile(const char* path, std::vector<Placement>* out, PlacementError* error) {
    std::vector<char> bytes;
    if (!ReadWholeFile(path, &bytes)) return Fail(error, 0, "cannot be read");
    return ParsePlacements(std::string_view(bytes.data(), bytes.size()), out, error);
}

bool LayOutPlacements(GameState* s, const std::vector<Placement>& placements,
                      PlacementError* error) {
    StartCreatePuzzle(s);
    int lineOf[kPieceCount + 1] = {};
    int placed = 0;
    for (const Placement& p : placements) {
        const PieceSlot& slot = p.slot;
        const std::string piece = "piece " + std::to_string(slot.piece);
        if (slot.piece < 1 || slot.piece > kPieceCount)
            return Fail(error, p.line, piece + " does not exist (pieces are 1 to 7)");
        if (lineOf[slot.piece] != 0)
            return Fail(error, p.line,
                        piece + " is given twice (first on line " +
                            std::to_string(lineOf[slot.piece]) + ")");
        lineOf[slot.piece] = p.line;
        const int count = s->orientationCounts[slot.piece - 1];
        if (slot.orientation < 0 || slot.orientation >= count)
            return Fail(error, p.line,
                        piece + " has no orientation " + std::to_string(slot.orientation) +
                            " (it has 0 to " + std::to_string(count - 1) + ")");
        const CellSize size = s->pieceSizes[TableIndex(slot.piece, slot.orientation)];
        // 64-bit sums: a position near the 32-bit limit must not wrap around.
        if (slot.col < 0 || slot.row < 0 ||
            static_cast<long long>(slot.col) + size.width > s->silhouetteWidth ||
            static_cast<long long>(slot.row) + size.height > s->silhouetteHeight)
            return Fail(error, p.line,
                        piece + " at col " + std::to_string(slot.col) + " row " +
                            std::to_string(slot.row) + " is off the 160 x 160 board");
        if (!CanPlace(s, slot.piece, slot.orientation, slot.col, slot.row)) {
            const int other = FindOverlapped(s, slot, placed);
            std::string message = piece + " overlaps";
            if (other >= 0)
                message += " piece " + std::to_string(s->fieldSlots[other].piece) + " (line " +
                           std::to_string(lineOf[s->fieldSlots[other].piece]) + ")";
            return Fail(error, p.line, message);
        }
        s->fieldSlots[placed++] = slot;
    }
    std::string missing;
    for (int piece = 1; piece <= kPieceCount; ++piece)
        if (lineOf[piece] == 0) missing += (missing.empty() ? "" : ", ") + std::to_string(piece);
    if (!missing.empty())
        return Fail(error, 0,
                    (missing.size() > 1 ? "pieces " : "piece ") + missing +
                        (missing.size() > 1 ? " are" : " is") + " missing");
    return true;
}

std::string FormatPlacement(const PieceSlot& slot) {
    return std::to_string(slot.piece) + " " + std::to_string(slot.orientation) + " " +
           std::to_string(slot.col) + " " + std::to_string(slot.row);
}

std::string FormatPlacements(const PieceSlot (&slots)[kPieceCount]) {
    std::string text;
    for (const PieceSlot& slot : slots)
        if (slot.piece != 0) text += FormatPlacement(slot) + "\n";
    return text;
}
