// solve FILE...: proves each puzzle solvable by printing one layout of the
// seven pieces, or "none" when the complete search found none.
#include <cstdio>
#include <memory>

#include "library/puzzle_file.h"
#include "model/pieces.h"
#include "solver/solver.h"
#include "tools/placements.h"
#include "tools/tool_commands.h"

int RunSolve(const ToolArgs& args) {
    if (args.empty()) return UsageError("solve needs at least one FILE");
    auto state = std::make_unique<GameState>();
    auto puzzle = std::make_unique<PuzzleRecord>();
    BuildPieceSet(state.get());
    int status = kExitOk;
    for (const std::string& path : args) {
        std::printf("# %s\n", path.c_str());
        if (!ReadPuzzleFile(path.c_str(), puzzle.get())) {
            std::fprintf(stderr, "%s: not a valid puzzle file\n", path.c_str());
            std::printf("none\n");
            status = kExitFailed;
            continue;
        }
        const SolveOutcome found = SolvePuzzle(*state, *puzzle);
        if (!found.solved) {
            std::printf("none\n");
            status = kExitFailed;
            continue;
        }
        // The search works on its own bitsets; the game's rules have the
        // last word on whether the layout really is one.
        if (!VerifySolution(state.get(), *puzzle, found.layout)) {
            std::fprintf(stderr, "%s: internal error: the layout found does not verify\n",
                         path.c_str());
            std::printf("none\n");
            status = kExitFailed;
            continue;
        }
        std::fputs(FormatPlacements(found.layout).c_str(), stdout);
    }
    return status;
}
