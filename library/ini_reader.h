// Reading text in the layout of an initialisation file ("[SECTION]" lines and
// "KEY = value" lines), shared by the puzzle and the settings readers.
//
// The rules the readers rely on: section and key names match without regard
// to case; a value is the text after the first "=" with the surrounding
// blanks removed; a missing section or key gives the default; the first
// matching section and, inside it, the first matching key win. Lines end in
// CR LF, LF or CR; any other byte (NULs included) is ordinary text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

struct IniKey {
    std::string_view section;
    std::string_view key;
};

struct IniKeyHash {
    std::size_t operator()(const IniKey& k) const;
};

struct IniKeyEqual {
    bool operator()(const IniKey& a, const IniKey& b) const;
};

// The bytes of one file and an index of its keys. The index points into
// text, so the record can be moved but not copied.
struct IniFile {
    std::vector<char> text;
    std::unordered_map<IniKey, std::string_view, IniKeyHash, IniKeyEqual> values;

    IniFile() = default;
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;
    IniFile(IniFile&&) = default;
    IniFile& operator=(IniFile&&) = default;
};

// Indexes text held in memory (a copy is kept).
void ParseIni(const char* data, std::size_t size, IniFile* out);
// Reads and indexes a file; false (and an empty index) when it cannot be read.
bool LoadIniFile(const char* path, IniFile* out);

// The value of a key, or null when the section or the key is missing.
const std::string_view* FindIniValue(const IniFile& ini, const char* section, const char* key);

// Copies the value (or def) into buf, cut to size - 1 bytes and at an
// embedded NUL; returns the length copied. size 0 copies nothing.
std::size_t GetIniString(const IniFile& ini, const char* section, const char* key, const char* def,
                         char* buf, std::size_t size);

// The value as a signed decimal number (see ParseDecimal); def when the key
// is missing or its value is empty.
std::int32_t GetIniInt(const IniFile& ini, const char* section, const char* key, std::int32_t def);

// Leading white space skipped, one optional sign, then digits up to the first
// other character; no digits gives 0. Values beyond 32 bits saturate.
std::int32_t ParseDecimal(std::string_view text);
