// Palette bytes of any shape: a palette comes back exactly when there are
// 768 bytes or more, and its colours are the file's first bytes.

#include <cstdint>
#include <string_view>

#include "files/palette.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto palette = sced::ParsePalette(std::string_view(reinterpret_cast<const char*>(data), size));
    if (palette.has_value() != (size >= sced::kPaletteFileSize)) __builtin_trap();
    if (palette && ((*palette)[255].blue != data[767] || (*palette)[0].red != data[0])) __builtin_trap();
    return 0;
}
