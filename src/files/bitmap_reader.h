#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sced {

// The largest width or height of a bitmap file the editor takes: the game
// shows 400 x 224, and a bigger file is a mistake rather than a picture.
inline constexpr int kMaxBitmapSide = 4096;

// The pixels of a bitmap: rows from the top, 3 bytes a pixel (red, green,
// blue).
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
    // The file held 24-bit pixels, uncompressed, bottom-up: the form the
    // game reads.
    bool plain24 = false;
};

// Decodes a bitmap file: 1, 4, 8, 16, 24 or 32 bits a pixel, uncompressed,
// run-length coded (8 and 4 bits) or with bit fields, bottom-up or
// top-down, at most kMaxBitmapSide on each side. Nothing, with the reason
// in why, when the bytes are no such bitmap.
std::optional<Bitmap> ReadBitmapFile(std::string_view bytes, std::string& why);

}  // namespace sced
