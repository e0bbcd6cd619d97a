// make --name NAME --out FILE PLACEMENTS: writes the puzzle file that the
// game's Save puzzle would write for the seven placed pieces.
#include <cstdio>
#include <memory>

#include "library/file_access.h"
#include "library/puzzle_file.h"
#include "model/pieces.h"
#include "tools/placements.h"
#include "tools/tool_commands.h"

namespace {

struct MakeArgs {
    std::string name, out, placements;
    bool hasName = false, hasOut = false;
};

// Empty text when the arguments are complete, else what is wrong.
std::string ParseMakeArgs(const ToolArgs& args, MakeArgs* m) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--name" || a == "--out") {
            if (i + 1 == args.size()) return a + " needs a value";
            (a == "--name" ? m->name : m->out) = args[++i];
            (a == "--name" ? m->hasName : m->hasOut) = true;
        } else if (a.size() > 1 && a[0] == '-') {
            return "make takes no option '" + a + "'";
        } else if (!m->placements.empty()) {
            return "make takes one PLACEMENTS file";
        } else {
            m->placements = a;
        }
    }
    if (!m->hasName) return "make needs --name NAME";
    if (!m->hasOut || m->out.empty()) return "make needs --out FILE";
    if (m->placements.empty()) return "make needs a PLACEMENTS file";
    // The name becomes one line of the file.
    if (m->name.find_first_of("\r\n") != std::string::npos) return "NAME must be a single line";
    return {};
}

}  // namespace

int RunMake(const ToolArgs& args) {
    MakeArgs m;
    const std::string problem = ParseMakeArgs(args, &m);
    if (!problem.empty()) return UsageError(problem);

    std::vector<Placement> placements;
    PlacementError error;
    auto state = std::make_unique<GameState>();
    BuildPieceSet(state.get());
    if (!ReadPlacementsFile(m.placements.c_str(), &placements, &error) ||
        !LayOutPlacements(state.get(), placements, &error)) {
        if (error.line > 0)
            std::fprintf(stderr, "%s:%d: %s\n", m.placements.c_str(), error.line,
                         error.message.c_str());
        else
            std::fprintf(stderr, "%s: %s\n", m.placements.c_str(), error.message.c_str());
        return kExitFailed;
    }

    int dx = 0, dy = 0;
    ExtractFigure(state.get(), state->workGrid, &dx, &dy);
    const std::string text = BuildPuzzleText(state->workGrid, dx, dy, m.name.c_str());
    if (WriteFileReplacing(m.out.c_str(), text.data(), text.size()) != WriteResult::Ok) {
        std::fprintf(stderr, "%s: cannot be written\n", m.out.c_str());
        return kExitFailed;
    }
    std::printf("%s: written %dx%d\n", m.out.c_str(), dx, dy);
    // Written as the game writes it, but the game reads only 20 to 159.
    if (dx > kMaxPuzzleSize || dy > kMaxPuzzleSize)
        std::fprintf(stderr, "%s: warning: the game cannot read a figure of %dx%d cells\n",
                     m.out.c_str(), dx, dy);
    return kExitOk;
}
