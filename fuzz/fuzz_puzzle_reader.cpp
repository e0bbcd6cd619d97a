// Any bytes read as a valid or an invalid puzzle; a valid one written out
// again reads back as the same figure.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "library/puzzle_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static PuzzleRecord first, second;
    if (!ReadPuzzleText(reinterpret_cast<const char*>(data), size, &first)) return 0;
    if (first.width < kMinPuzzleSize || first.width > kMaxPuzzleSize ||
        first.height < kMinPuzzleSize || first.height > kMaxPuzzleSize)
        std::abort();
    const std::string text = BuildPuzzleText(first.cells, first.width, first.height, "fuzz");
    if (!ReadPuzzleText(text.data(), text.size(), &second)) std::abort();
    if (std::memcmp(&first, &second, sizeof first) != 0) std::abort();
    return 0;
}
