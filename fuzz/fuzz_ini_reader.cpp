// Any bytes are indexed without a fault, and every indexed key is found again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "library/ini_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    IniFile ini;
    ParseIni(reinterpret_cast<const char*>(data), size, &ini);
    char buf[160];
    for (const auto& [name, value] : ini.values) {
        // Names with NULs cannot be asked for through the C string interface.
        const std::string section(name.section), key(name.key);
        if (section.find('\0') != std::string::npos || key.find('\0') != std::string::npos)
            continue;
        const std::string_view* found = FindIniValue(ini, section.c_str(), key.c_str());
        if (!found || found->data() != value.data()) std::abort();
        const std::size_t n = GetIniString(ini, section.c_str(), key.c_str(), "", buf, sizeof buf);
        if (n >= sizeof buf || buf[n] != '\0') std::abort();
        GetIniInt(ini, section.c_str(), key.c_str(), -1);
    }
    GetIniInt(ini, "DATA", "DX", -1);
    ParseDecimal(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
