// polyshard-puzzle: command-line checks and authoring of puzzle files, built
// from the game's own reader and writer.
#include <cstdio>
#include <cstring>

#include "tools/tool_commands.h"

namespace {

struct ToolCommand {
    const char* name;
    const char* usage;  // the arguments, as shown by --help
    const char* summary;
    int (*run)(const ToolArgs& args);
};

// One row per subcommand; the order is the order of the usage text.
constexpr ToolCommand kCommands[] = {
    {"check", "FILE...", "print 'FILE: valid DXxDY' or 'FILE: invalid' for each puzzle file",
     RunCheck},
    {"difficulty", "FILE...",
     "print 'FILE: score S, layouts L, parts P' (S from 0 easy to 100 hard: 100 less 20 per\n"
     "      tenfold layouts of the seven pieces, less 5 per separate part beyond the first;\n"
     "      layouts are counted up to 100000)",
     RunDifficulty},
    {"make", "--name NAME --out FILE PLACEMENTS",
     "write the puzzle of seven placements ('piece orientation col row' lines)", RunMake},
    {"show", "FILE", "print the silhouette, one character per cell", RunShow},
    {"solve", "FILE...",
     "print '# FILE' and a layout of the seven pieces that covers the puzzle, or 'none'", RunSolve},
    {"similar", "FILE...",
     "print 'A and B: HOW' for each pair of puzzles alike; exit 1 when any. HOW is\n"
     "      'the same silhouette', '... turned by 90/180/270 degrees', 'mirror images' "
     "(left-right,\n"
     "      up-down or either turned), or, for two files in the same folder, 'one piece moved':\n"
     "      after shifting, turning or mirroring B as a whole, B is A with one region in the\n"
     "      shape of a piece lifted out and laid down again elsewhere",
     RunSimilar},
};

bool IsHelp(const char* arg) {
    return std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0;
}

}  // namespace

void PrintUsage(bool toError) {
    std::FILE* out = toError ? stderr : stdout;
    std::fprintf(out, "usage:\n");
    for (const ToolCommand& c : kCommands)
        std::fprintf(out, "  polyshard-puzzle %s %s\n      %s\n", c.name, c.usage, c.summary);
    std::fprintf(out, "  polyshard-puzzle --help\n");
    std::fprintf(out,
                 "exit status: 0 success, 1 invalid or refused input, 2 usage error\n"
                 "cells in show: ' ' empty, '#' full, '\\' top+right or bottom+left half,\n"
                 "'/' right+bottom or left+top half, '?' anything else\n");
}

int UsageError(const std::string& message) {
    std::fprintf(stderr, "polyshard-puzzle: %s\n", message.c_str());
    PrintUsage(true);
    return kExitUsage;
}

int main(int argc, char** argv) {
    if (argc < 2) return UsageError("no command given");
    for (int i = 1; i < argc; ++i)
        if (IsHelp(argv[i])) {
            PrintUsage(false);
            return kExitOk;
        }
    const ToolArgs args(argv + 2, argv + argc);
    for (const ToolCommand& c : kCommands)
        if (std::strcmp(argv[1], c.name) == 0) return c.run(args);
    return UsageError(std::string("unknown command '") + argv[1] + "'");
}
