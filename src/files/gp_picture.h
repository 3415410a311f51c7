#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/palette.h"

namespace sced {

// The largest canvas a picture gets; parts beyond it are clipped.
inline constexpr int kMaxCanvasSide = 4096;

// A decoded briefing picture: rows from the top, 3 bytes a pixel (red,
// green, blue). A picture that could not be decoded whole keeps what was
// drawn and says why in failure.
struct GpImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
    std::string failure;

    bool failed() const { return !failure.empty(); }
    Rgb At(int x, int y) const {
        auto at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3;
        return {rgb[at], rgb[at + 1], rgb[at + 2]};
    }
};

// A ".gp" picture file held whole: a header naming its palette, a block
// shared by its pictures, and one chain of drawn parts per picture.
class GpFile {
public:
    // Nothing, with the reason, when the bytes cannot hold the header and
    // the table of picture offsets.
    static std::optional<GpFile> Parse(std::string bytes, std::string& why);

    int pictureCount() const { return pictureCount_; }
    int paletteNumber() const { return paletteNumber_; }

    // Picture index (from 0), drawn with the palette. Never reads outside
    // the file and always ends, its work bounded by the file's size and the
    // canvas (rows below the canvas are not read): a bad picture, or one
    // that asks for far more work than its size needs, comes back with a
    // failure. The canvas starts as the ground tiled from its centre, so
    // that what the picture leaves transparent, or blends, shows the
    // ground; black without one.
    GpImage Decode(int index, const Palette& palette, const GpImage* ground = nullptr) const;

private:
    GpFile() = default;

    std::string bytes_;
    int pictureCount_ = 0;
    int paletteNumber_ = 0;
    std::uint32_t shared_ = 0;
};

}  // namespace sced
