#include "wave_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace {

void Put32(std::ofstream& f, std::uint32_t v) {
    const char bytes[4] = {static_cast<char>(v), static_cast<char>(v >> 8),
                           static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
    f.write(bytes, 4);
}

void Put16(std::ofstream& f, std::uint16_t v) {
    const char bytes[2] = {static_cast<char>(v), static_cast<char>(v >> 8)};
    f.write(bytes, 2);
}

}  // namespace

bool WriteWave(const std::string& path, const Samples& samples) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f) return false;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    f.write("RIFF", 4);
    Put32(f, 36 + dataBytes);
    f.write("WAVEfmt ", 8);
    Put32(f, 16);  // size of the format chunk
    Put16(f, 1);   // PCM
    Put16(f, 1);   // mono
    Put32(f, kSampleRate);
    Put32(f, kSampleRate * 2);  // bytes per second
    Put16(f, 2);                // bytes per sample frame
    Put16(f, 16);               // bits per sample
    f.write("data", 4);
    Put32(f, dataBytes);
    for (float v : samples) {
        long q = std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f);
        Put16(f, static_cast<std::uint16_t>(static_cast<std::int16_t>(q)));
    }
    return static_cast<bool>(f);
}
