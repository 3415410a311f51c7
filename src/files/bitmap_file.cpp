#include "files/bitmap_file.h"

#include "core/byte_view.h"

namespace sced {

std::string BitmapFileBytes(int width, int height, const std::vector<std::uint8_t>& rgb) {
    const std::size_t rowSize = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    const std::size_t pixels = rowSize * static_cast<std::size_t>(height);
    std::string out = "BM";
    PutU32(out, static_cast<std::uint32_t>(14 + 40 + pixels));
    PutU32(out, 0);
    PutU32(out, 14 + 40);
    PutU32(out, 40);
    PutU32(out, static_cast<std::uint32_t>(width));
    PutU32(out, static_cast<std::uint32_t>(height));
    PutU16(out, 1);
    PutU16(out, 24);
    PutU32(out, 0);
    PutU32(out, static_cast<std::uint32_t>(pixels));
    PutU32(out, 2835);
    PutU32(out, 2835);
    PutU32(out, 0);
    PutU32(out, 0);
    out.reserve(out.size() + pixels);
    for (int row = height - 1; row >= 0; --row) {
        const std::size_t lineStart = out.size();
        for (int column = 0; column < width; ++column) {
            auto at = (static_cast<std::size_t>(row) * static_cast<std::size_t>(width) + static_cast<std::size_t>(column)) * 3;
            out += static_cast<char>(rgb[at + 2]);
            out += static_cast<char>(rgb[at + 1]);
            out += static_cast<char>(rgb[at]);
        }
        out.resize(lineStart + rowSize, '\0');
    }
    return out;
}

}  // namespace sced
