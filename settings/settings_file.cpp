#include "settings/settings_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "library/file_access.h"
#include "library/ini_reader.h"
#include "model/board.h"
#include "settings/sound_events.h"
#include "settings/view_defaults.h"

namespace {

struct OptionKey {
    const char* key;
    std::int32_t ViewOptions::*field;
};

// In the order of the file; a missing key takes the default look.
constexpr OptionKey kOptions[] = {
    {"AUTO_SIZE", &ViewOptions::autoSize},
    {"BACK_INDEX", &ViewOptions::backIndex},
    {"BACK_TYPE", &ViewOptions::backType},
    {"COLOR_BACK", &ViewOptions::colorBack},
    {"COLOR_BORDER", &ViewOptions::colorBorder},
    {"COLOR_FIGURE", &ViewOptions::colorFigure},
    {"COLOR_INK", &ViewOptions::colorInk},
    {"SCALE", &ViewOptions::scale},
    {"SHADOW", &ViewOptions::shadow},
    {"SKIN_TYPE", &ViewOptions::skinType},
    {"SKIN_INDEX", &ViewOptions::skinIndex},
    {"STORE_POSITION", &ViewOptions::storePosition},
};

// The landing outline's switch has a section of its own after the others.
constexpr const char* kLandingSection = "LANDING_OUTLINE";

void Correct(std::int32_t& value, int low, int high, int replacement) {
    if (value < low || value > high) value = replacement;
}

std::string SettingsFileName(const GameState* state) {
    return std::string(state->title) + ".ini";
}

void ReadSounds(GameState* state, const IniFile& ini) {
    ResetSoundEvents(state);
    for (SoundEvent& sound : state->sounds) {
        const std::string name = sound.name;
        char def[kNameSize];
        std::memcpy(def, sound.file, sizeof def);
        GetIniString(ini, "SOUND", (name + "_FILE").c_str(), def, sound.file, kNameSize);
        sound.enabled = GetIniInt(ini, "SOUND", (name + "_ENABLE").c_str(), 1);
    }
}

void ReadSolved(GameState* state, const IniFile& ini) {
    state->solvedCount = 0;
    char key[32];
    for (int i = 0; i < kMaxSolved; ++i) {
        SolvedEntry& entry = state->solvedList[i];
        std::snprintf(key, sizeof key, "GROUP_%d", i);
        const std::size_t group =
            GetIniString(ini, "SOLVED_PUZZLES", key, "", entry.group, kNameSize);
        std::snprintf(key, sizeof key, "PUZZLE_%d", i);
        const std::size_t puzzle =
            GetIniString(ini, "SOLVED_PUZZLES", key, "", entry.puzzle, kNameSize);
        if (group == 0 || puzzle == 0) return;
        state->solvedCount = i + 1;
    }
}

// A line break in a value would start a new line, which the reader takes
// for a key or a section of its own.
bool HoldsLineBreak(const char* value) {
    return std::strpbrk(value, "\r\n") != nullptr;
}

// Writes "key = value"; a value with a line break is left out, so the
// reader's default applies to it.
void AppendLine(std::string& s, const char* key, const char* value) {
    if (HoldsLineBreak(value)) return;
    s += key;
    s += " = ";
    s += value;
    s += "\r\n";
}

void AppendLine(std::string& s, const std::string& key, std::int32_t value) {
    AppendLine(s, key.c_str(), std::to_string(value).c_str());
}

}  // namespace

void ReadSettings(GameState* s, const IniFile& ini) {
    ViewOptions defaults;
    DefaultViewOptions(&defaults);
    for (const OptionKey& o : kOptions)
        s->view.*o.field = GetIniInt(ini, "OPTIONS", o.key, defaults.*o.field);
    Correct(s->view.skinIndex, 0, 6, 1);
    Correct(s->view.backIndex, 0, 6, 1);
    Correct(s->view.scale, 4, 8, 8);
    GetIniString(ini, "LAST", "FILE", "people [006]", s->currentPuzzle, kNameSize);
    GetIniString(ini, "LAST", "FOLDER", "People", s->currentGroup, kNameSize);
    ReadSounds(s, ini);
    ReadSolved(s, ini);
    s->windowRect.left = GetIniInt(ini, "WINDOW", "LEFT", -1);
    s->windowRect.top = GetIniInt(ini, "WINDOW", "TOP", 0);
    s->windowRect.right = GetIniInt(ini, "WINDOW", "RIGHT", 0);
    s->windowRect.bottom = GetIniInt(ini, "WINDOW", "BOTTOM", 0);
    s->showLanding = GetIniInt(ini, kLandingSection, "SHOW", 0) != 0 ? 1 : 0;
}

void LoadSettings(GameState* state) {
    IniFile ini;
    LoadIniFile(SettingsFileName(state).c_str(), &ini);  // missing file: all defaults
    ReadSettings(state, ini);
}

std::string BuildSettingsText(const GameState* st) {
    std::string s = "[OPTIONS]\r\n";
    for (const OptionKey& o : kOptions) AppendLine(s, o.key, st->view.*o.field);
    s += "\r\n[LAST]\r\n";
    AppendLine(s, "FILE", st->currentPuzzle);
    AppendLine(s, "FOLDER", st->currentGroup);
    s += "\r\n[SOUND]\r\n";
    for (const SoundEvent& sound : st->sounds) {
        AppendLine(s, (std::string(sound.name) + "_FILE").c_str(), sound.file);
        AppendLine(s, std::string(sound.name) + "_ENABLE", sound.enabled != 0 ? 1 : 0);
    }
    s += "[SOLVED_PUZZLES]\r\n";
    const int count = std::clamp(st->solvedCount, 0, kMaxSolved);
    // The reader stops at the first missing pair, so a left-out entry takes
    // no number.
    for (int i = 0, n = 0; i < count; ++i) {
        const SolvedEntry& e = st->solvedList[i];
        if (HoldsLineBreak(e.group) || HoldsLineBreak(e.puzzle)) continue;
        AppendLine(s, ("GROUP_" + std::to_string(n)).c_str(), e.group);
        AppendLine(s, ("PUZZLE_" + std::to_string(n)).c_str(), e.puzzle);
        ++n;
    }
    s += "\r\n[WINDOW]\r\n";
    AppendLine(s, "LEFT", st->windowRect.left);
    AppendLine(s, "RIGHT", st->windowRect.right);
    AppendLine(s, "TOP", st->windowRect.top);
    AppendLine(s, "BOTTOM", st->windowRect.bottom);
    // Only while it is on, so that a player who never turns it on keeps a
    // file with exactly the sections above.
    if (st->showLanding != 0) {
        s += "\r\n[";
        s += kLandingSection;
        s += "]\r\n";
        AppendLine(s, "SHOW", 1);
    }
    return s;
}

void SaveSettings(GameState* state) {
    const std::string text = BuildSettingsText(state);
    WriteFileReplacing(SettingsFileName(state).c_str(), text.data(), text.size());
}

Rect ChooseWindowRect(Rect saved, Rect screen, Rect workArea) {
    Rect cut{std::max(saved.left, screen.left), std::max(saved.top, screen.top),
             std::min(saved.right, screen.right), std::min(saved.bottom, screen.bottom)};
    if (cut.left >= cut.right || cut.top >= cut.bottom) cut = Rect{0, 0, 0, 0};
    const bool inside = cut.left == saved.left && cut.top == saved.top &&
                        cut.right == saved.right && cut.bottom == saved.bottom;
    return inside ? saved : workArea;
}
