#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sced {

// A 24-bit bitmap file of the pixels (rows from the top, 3 bytes a pixel:
// red, green, blue): the "BM" header, a 40-byte information header and
// bottom-up rows of blue, green, red, each padded to four bytes.
std::string BitmapFileBytes(int width, int height, const std::vector<std::uint8_t>& rgb);

}  // namespace sced
