#include "library/puzzle_library.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "library/file_access.h"
#include "library/puzzle_file.h"

namespace fs = std::filesystem;

namespace {

constexpr char kPuzzleExtension[] = ".pzk";
constexpr std::size_t kExtensionLength = sizeof kPuzzleExtension - 1;

int CompareIgnoringCase(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

// Names are UTF-8 both ways, as the file calls of file_access take them (the
// plain string forms of a path use the system code page on Windows).
fs::path PathOfName(const std::string& name) {
    return fs::path(std::u8string(name.begin(), name.end()));
}
std::string NameOfPath(const fs::path& path) {
    const std::u8string name = path.u8string();
    return std::string(name.begin(), name.end());
}

// The entries of a folder that are (or are not) folders themselves. A
// missing or unreadable folder gives an empty list.
std::vector<std::string> ListFolder(const std::string& folder, bool wantFolders) {
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(PathOfName(NativePath(folder.c_str())), error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code typeError;
        const bool isFolder = it->is_directory(typeError);
        if (isFolder == wantFolders) names.push_back(NameOfPath(it->path().filename()));
    }
    std::sort(names.begin(), names.end(), NameLess);
    return names;
}

}  // namespace

bool NameLess(const std::string& a, const std::string& b) {
    const int order = CompareIgnoringCase(a, b);
    return order != 0 ? order < 0 : a < b;
}

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    return CompareIgnoringCase(a, b) == 0;
}

std::vector<std::string> ListGroups() {
    std::vector<std::string> groups = ListFolder("Puzzles", true);
    // A folder that PuzzlePath refuses even with a one-character name holds
    // nothing that could be opened or saved; it is left out.
    std::erase_if(groups, [](const std::string& g) {
        char path[kNameSize];
        return !PuzzlePath(g.c_str(), "x", path);
    });
    return groups;
}

std::vector<std::string> ListPuzzles(const char* group) {
    std::vector<std::string> puzzles;
    char path[kNameSize];
    if (!IsSafePathPart(group)) return puzzles;
    for (const std::string& file : ListFolder(std::string("Puzzles\\") + group, false)) {
        if (file.size() < kExtensionLength ||
            file.compare(file.size() - kExtensionLength, kExtensionLength, kPuzzleExtension) != 0)
            continue;
        std::string name =
            file.size() > kExtensionLength ? file.substr(0, file.size() - kExtensionLength) : file;
        // Only names that open through PuzzlePath are listed.
        if (PuzzlePath(group, name.c_str(), path)) puzzles.push_back(std::move(name));
    }
    // Cutting the extension can change the order ("a.pzk" and "a b.pzk").
    std::sort(puzzles.begin(), puzzles.end(), NameLess);
    return puzzles;
}

bool IsSolvedPuzzle(const GameState* state, const char* group, const char* puzzle) {
    for (int i = 0; i < state->solvedCount && i < kMaxSolved; ++i) {
        const SolvedEntry& entry = state->solvedList[i];
        if (std::strcmp(entry.group, group) == 0 && std::strcmp(entry.puzzle, puzzle) == 0)
            return true;
    }
    return false;
}

void AdvancePuzzleNumber(char (&name)[kNameSize]) {
    const std::size_t length = std::strlen(name);
    if (length < 5 || name[length - 5] != '[' || name[length - 1] != ']') return;
    const char* digits = name + length - 4;
    const char* end = name + length - 1;
    while (digits < end && std::isspace(static_cast<unsigned char>(*digits))) ++digits;
    int number = 0;
    for (; digits < end && std::isdigit(static_cast<unsigned char>(*digits)); ++digits)
        number = number * 10 + (*digits - '0');
    char advanced[kNameSize];
    const int written = std::snprintf(advanced, sizeof advanced, "%.*s%03d]",
                                      static_cast<int>(length - 4), name, number + 1);
    if (written < 0 || written >= kNameSize) return;
    std::memcpy(name, advanced, static_cast<std::size_t>(written) + 1);
}

bool IsBlankName(const char* name) {
    for (; *name; ++name)
        if (*name != ' ') return false;
    return true;
}
