// show FILE: the silhouette as text, one character per cell.
#include <cstdio>
#include <memory>
#include <string>

#include "library/puzzle_file.h"
#include "tools/tool_commands.h"

namespace {

// The cell as a character; the two slashes draw the diagonal that cuts a
// half cell.
char CellChar(const std::uint8_t q[4]) {
    const int v =
        (q[kTop] ? 1 : 0) | (q[kRight] ? 2 : 0) | (q[kBottom] ? 4 : 0) | (q[kLeft] ? 8 : 0);
    switch (v) {
        case 0: return ' ';
        case 15: return '#';
        case 3:   // top + right
        case 12:  // bottom + left
            return '\\';
        case 6:  // right + bottom
        case 9:  // left + top
            return '/';
        default: return '?';
    }
}

}  // namespace

int RunShow(const ToolArgs& args) {
    if (args.size() != 1) return UsageError("show needs exactly one FILE");
    if (args[0].size() > 1 && args[0][0] == '-')
        return UsageError("show takes no option '" + args[0] + "'");
    auto puzzle = std::make_unique<PuzzleRecord>();
    if (!ReadPuzzleFile(args[0].c_str(), puzzle.get())) {
        std::fprintf(stderr, "%s: invalid\n", args[0].c_str());
        return kExitFailed;
    }
    std::string line;
    for (int r = 0; r < puzzle->height; ++r) {
        line.clear();
        for (int c = 0; c < puzzle->width; ++c) line += CellChar(puzzle->cells[r][c]);
        line += '\n';
        std::fputs(line.c_str(), stdout);
    }
    return kExitOk;
}
