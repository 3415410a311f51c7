#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "files/bitmap_reader.h"

namespace sced {

// The size of the picture the game shows for a mission.
inline constexpr int kMissionPictureWidth = 400;
inline constexpr int kMissionPictureHeight = 224;

// The pixels stretched to the size, each a blend of the four source
// pixels nearest to its centre.
Bitmap Stretched(const Bitmap& bitmap, int width, int height);

// The mission picture the game reads, made of a bitmap file: a 24-bit
// bitmap file of 400 x 224 pixels, the file's picture stretched to fit. A
// file that is such a bitmap already is kept byte for byte. Nothing, with
// the reason in why, when the bytes are no bitmap the editor reads.
std::optional<std::string> MissionPictureOf(std::string_view bytes, std::string& why);

}  // namespace sced
