// check FILE...: tells for each file whether the game can read it.
#include <cstdio>
#include <memory>

#include "library/puzzle_file.h"
#include "tools/tool_commands.h"

int RunCheck(const ToolArgs& args) {
    if (args.empty()) return UsageError("check needs at least one FILE");
    for (const std::string& a : args)
        if (a.size() > 1 && a[0] == '-') return UsageError("check takes no option '" + a + "'");
    auto puzzle = std::make_unique<PuzzleRecord>();
    int result = kExitOk;
    for (const std::string& path : args) {
        if (ReadPuzzleFile(path.c_str(), puzzle.get())) {
            std::printf("%s: valid %dx%d\n", path.c_str(), puzzle->width, puzzle->height);
        } else {
            std::printf("%s: invalid\n", path.c_str());
            result = kExitFailed;
        }
    }
    return result;
}
