#include "library/ini_reader.h"

#include <climits>
#include <cstring>
#include <unordered_set>

#include "library/file_access.h"

namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// One line: a section header opens a section, a key line is indexed when it
// belongs to the first section of its name and is the first of its key.
using SectionSet = std::unordered_set<IniKey, IniKeyHash, IniKeyEqual>;

void IndexLine(std::string_view line, SectionSet& seen, std::string_view& section, bool& active,
               IniFile* out) {
    line = Trim(line);
    if (line.empty()) return;
    if (line.front() == '[') {
        const std::size_t close = line.find(']');
        section = Trim(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
        active = seen.insert(IniKey{section, {}}).second;
        return;
    }
    const std::size_t eq = line.find('=');
    if (!active || eq == std::string_view::npos) return;
    out->values.try_emplace(IniKey{section, Trim(line.substr(0, eq))}, Trim(line.substr(eq + 1)));
}

void BuildIndex(IniFile* out) {
    out->values.clear();
    SectionSet seen;
    std::string_view section;
    bool active = false;  // no key counts before the first section
    const char* p = out->text.data();
    const char* const end = p + out->text.size();
    while (p < end) {
        // A line ends at LF or CR; memchr keeps this fast on long files.
        const char* lf = static_cast<const char*>(std::memchr(p, '\n', end - p));
        if (!lf) lf = end;
        const char* cr = static_cast<const char*>(std::memchr(p, '\r', lf - p));
        const char* stop = cr ? cr : lf;
        IndexLine(std::string_view(p, stop - p), seen, section, active, out);
        p = stop + 1;
    }
}

}  // namespace

std::size_t IniKeyHash::operator()(const IniKey& k) const {
    std::size_t h = 1469598103934665603ull;
    for (char c : k.section) h = (h ^ static_cast<unsigned char>(Lower(c))) * 1099511628211ull;
    h = (h ^ 0xFFu) * 1099511628211ull;
    for (char c : k.key) h = (h ^ static_cast<unsigned char>(Lower(c))) * 1099511628211ull;
    return h;
}

bool IniKeyEqual::operator()(const IniKey& a, const IniKey& b) const {
    return SameText(a.section, b.section) && SameText(a.key, b.key);
}

void ParseIni(const char* data, std::size_t size, IniFile* out) {
    out->text.assign(data, data + size);
    BuildIndex(out);
}

bool LoadIniFile(const char* path, IniFile* out) {
    if (ReadWholeFile(path, &out->text)) {
        BuildIndex(out);
        return true;
    }
    out->text.clear();
    out->values.clear();
    return false;
}

const std::string_view* FindIniValue(const IniFile& ini, const char* section, const char* key) {
    const auto it = ini.values.find(IniKey{section, key});
    return it == ini.values.end() ? nullptr : &it->second;
}

std::size_t GetIniString(const IniFile& ini, const char* section, const char* key, const char* def,
                         char* buf, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view* found = FindIniValue(ini, section, key);
    std::string_view value = found ? *found : std::string_view(def ? def : "");
    value = value.substr(0, value.find('\0'));
    const std::size_t n = value.size() < size - 1 ? value.size() : size - 1;
    value.copy(buf, n);
    buf[n] = '\0';
    return n;
}

std::int32_t GetIniInt(const IniFile& ini, const char* section, const char* key, std::int32_t def) {
    const std::string_view* value = FindIniValue(ini, section, key);
    return (value && !value->empty()) ? ParseDecimal(*value) : def;
}

std::int32_t ParseDecimal(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    // Accumulate as a negative number so that INT32_MIN itself fits.
    std::int64_t v = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        v = v * 10 - (s[i] - '0');
        if (v < INT32_MIN) v = std::int64_t{INT32_MIN} - 1;  // saturated; keeps the loop bounded
    }
    if (negative) return v < INT32_MIN ? INT32_MIN : static_cast<std::int32_t>(v);
    return v < -std::int64_t{INT32_MAX} ? INT32_MAX : static_cast<std::int32_t>(-v);
}
