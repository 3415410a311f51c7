#include "files/palette.h"

#include "core/game_path.h"
#include "core/warning.h"
#include "core/path_text.h"

namespace sced {

Palette GreyPalette() {
    Palette palette;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        auto level = static_cast<std::uint8_t>(i);
        palette[i] = {level, level, level};
    }
    return palette;
}

std::optional<Palette> ParsePalette(std::string_view bytes) {
    if (bytes.size() < kPaletteFileSize) return std::nullopt;
    Palette palette;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        auto channel = [&](std::size_t c) { return static_cast<std::uint8_t>(bytes[i * 3 + c]); };
        palette[i] = {channel(0), channel(1), channel(2)};
    }
    return palette;
}

std::string PaletteFileName(int number) { return "c:\\Zendarch\\" + std::to_string(number) + "\\kvew_1.pal"; }

Palette LoadPalette(int number, const std::filesystem::path& winePrefix) {
    const std::filesystem::path path = ResolveDrivePath(PaletteFileName(number), winePrefix);
    auto bytes = ReadWholeFile(path);
    if (!bytes) {
        Warn(false, "The palette " + TextOfPath(path) + " cannot be read; the picture is shown in grey.");
        return GreyPalette();
    }
    auto palette = ParsePalette(*bytes);
    if (!palette) {
        Warn(false, "The palette " + TextOfPath(path) + " holds " + std::to_string(bytes->size()) + " bytes instead of " +
                        std::to_string(kPaletteFileSize) + "; the picture is shown in grey.");
        return GreyPalette();
    }
    return *palette;
}

}  // namespace sced
