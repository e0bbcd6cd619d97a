// difficulty FILE...: a measured difficulty per puzzle, from the number of
// layouts of the seven pieces that cover it and its number of separate parts.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "library/puzzle_file.h"
#include "model/pieces.h"
#include "solver/solver.h"
#include "tools/silhouette.h"
#include "tools/tool_commands.h"

namespace {

// Counting stops here: a figure with this many layouts is as easy as they come.
constexpr std::int64_t kLayoutCap = 100000;

// 100 for a figure with one layout, 20 less for every tenfold more layouts,
// and 5 less for every part beyond the first (each part is a smaller puzzle
// of its own); never below 0.
int Score(std::int64_t layouts, int parts) {
    const double score =
        100.0 - 20.0 * std::log10(static_cast<double>(std::max<std::int64_t>(layouts, 1))) -
        5.0 * (parts - 1);
    return std::max(0, static_cast<int>(std::lround(score)));
}

}  // namespace

int RunDifficulty(const ToolArgs& args) {
    if (args.empty()) return UsageError("difficulty needs at least one FILE");
    for (const std::string& a : args)
        if (a.size() > 1 && a[0] == '-')
            return UsageError("difficulty takes no option '" + a + "'");
    auto state = std::make_unique<GameState>();
    auto puzzle = std::make_unique<PuzzleRecord>();
    BuildPieceSet(state.get());
    int status = kExitOk;
    for (const std::string& path : args) {
        if (!ReadPuzzleFile(path.c_str(), puzzle.get())) {
            std::printf("%s: invalid\n", path.c_str());
            status = kExitFailed;
            continue;
        }
        std::int64_t layouts = 0;
        ForEachSolution(*state, *puzzle,
                        [&](const PieceSlot(&)[kPieceCount]) { return ++layouts < kLayoutCap; });
        const int parts = CountParts(SilhouetteOf(*puzzle));
        std::printf("%s: score %d, layouts %s%lld, parts %d\n", path.c_str(), Score(layouts, parts),
                    layouts >= kLayoutCap ? ">=" : "", static_cast<long long>(layouts), parts);
        if (layouts == 0) status = kExitFailed;
    }
    return status;
}
