// Any bytes read as settings within their ranges; the settings written out
// again read back the same.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "library/ini_reader.h"
#include "settings/settings_file.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

// Names equal but for trailing blanks: a name cut to its buffer may end in a
// blank, which the reader removes when the file is read again.
bool SameName(const char* a, const char* b) {
    std::string_view x(a), y(b);
    while (!x.empty() && (x.back() == ' ' || x.back() == '\t')) x.remove_suffix(1);
    while (!y.empty() && (y.back() == ' ' || y.back() == '\t')) y.remove_suffix(1);
    return x == y;
}

bool SameSettings(const GameState& a, const GameState& b) {
    if (std::memcmp(&a.view, &b.view, sizeof a.view) != 0 ||
        !SameName(a.currentGroup, b.currentGroup) || !SameName(a.currentPuzzle, b.currentPuzzle) ||
        a.solvedCount != b.solvedCount ||
        std::memcmp(&a.windowRect, &b.windowRect, sizeof a.windowRect) != 0)
        return false;
    for (int i = 0; i < kSoundCount; ++i)
        if ((a.sounds[i].enabled != 0) != (b.sounds[i].enabled != 0) ||
            !SameName(a.sounds[i].file, b.sounds[i].file) ||
            !SameName(a.sounds[i].name, b.sounds[i].name))
            return false;
    for (int i = 0; i < a.solvedCount; ++i)
        if (!SameName(a.solvedList[i].group, b.solvedList[i].group) ||
            !SameName(a.solvedList[i].puzzle, b.solvedList[i].puzzle))
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static GameState first, second;
    IniFile ini;
    ParseIni(reinterpret_cast<const char*>(data), size, &ini);
    ReadSettings(&first, ini);
    Check(first.view.scale >= 4 && first.view.scale <= 8);
    Check(first.view.skinIndex >= 0 && first.view.skinIndex <= 6);
    Check(first.view.backIndex >= 0 && first.view.backIndex <= 6);
    Check(first.solvedCount >= 0 && first.solvedCount <= kMaxSolved);
    Check(std::strlen(first.currentPuzzle) < kNameSize);

    const std::string text = BuildSettingsText(&first);
    IniFile again;
    ParseIni(text.data(), text.size(), &again);
    ReadSettings(&second, again);
    Check(SameSettings(first, second));
    return 0;
}
