#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace sced {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

// The 256 colours a picture's bytes index.
using Palette = std::array<Rgb, 256>;

// A palette file: 256 triples of red, green, blue.
inline constexpr std::size_t kPaletteFileSize = 768;

// Colour i is grey i: what a picture shows when its palette is missing.
Palette GreyPalette();

// The first 768 bytes as a palette; nothing when there are fewer.
std::optional<Palette> ParsePalette(std::string_view bytes);

// The Windows path of palette file number ("c:\Zendarch\N\kvew_1.pal").
std::string PaletteFileName(int number);

// Palette number, looked up under the Wine prefix. A missing or short file
// is a warning that names it, and the grey palette.
Palette LoadPalette(int number, const std::filesystem::path& winePrefix);

}  // namespace sced
