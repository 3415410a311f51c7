#include "files/bitmap_reader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>

#include "core/byte_view.h"

namespace sced {

namespace {

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };

using Colour = std::array<std::uint8_t, 3>;  // red, green, blue

// One channel of a pixel taken by a bit mask, scaled to 0..255.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t top = 0;  // the largest value the mask holds

    explicit Channel(std::uint32_t m) : mask(m) {
        if (mask == 0) return;
        shift = std::countr_zero(mask);
        top = mask >> shift;
    }
    std::uint8_t Of(std::uint32_t pixel) const {
        if (top == 0) return 0;
        return static_cast<std::uint8_t>((((pixel & mask) >> shift) * 255u + top / 2) / top);
    }
};

struct Header {
    int width = 0;
    int height = 0;  // the number of rows
    bool topDown = false;
    int bits = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t masks[3] = {0, 0, 0};
    std::vector<Colour> palette;
    std::size_t pixels = 0;  // offset of the pixel data
};

std::optional<Header> ReadHeader(const ByteView& file, std::string& why) {
    Header header;
    auto fail = [&](const char* reason) {
        why = reason;
        return std::optional<Header>();
    };
    auto start = file.U32(10);
    auto infoSize = file.U32(14);
    if (!file.bytes().starts_with("BM") || !start || !infoSize) return fail("it is not a bitmap file");
    header.pixels = *start;
    std::size_t paletteEntry = 4;
    std::uint32_t colours = 0;
    if (*infoSize == 12) {
        auto width = file.U16(18), height = file.U16(20), bits = file.U16(24);
        if (!bits) return fail("its header is cut short");
        header.width = *width;
        header.height = *height;
        header.bits = *bits;
        paletteEntry = 3;
    } else if (*infoSize >= 40 && *infoSize <= 124) {
        auto width = file.U32(18), height = file.U32(22), compression = file.U32(30), used = file.U32(46);
        auto bits = file.U16(28);
        if (!used || !bits || !file.Holds(14, *infoSize)) return fail("its header is cut short");
        const auto signedHeight = static_cast<std::int32_t>(*height);
        if (static_cast<std::int32_t>(*width) <= 0 || signedHeight == 0 || signedHeight == std::numeric_limits<std::int32_t>::min())
            return fail("it has no pixels");
        header.width = static_cast<std::int32_t>(*width);
        header.topDown = signedHeight < 0;
        header.height = header.topDown ? -signedHeight : signedHeight;
        header.bits = *bits;
        header.compression = *compression;
        colours = *used;
        if (header.compression == kBitFields || header.compression == kAlphaBitFields) {
            // Masks inside a longer header, else right after the short one.
            for (std::size_t i = 0; i < 3; ++i) {
                auto mask = file.U32(14 + 40 + 4 * i);
                if (!mask) return fail("its colour masks are cut short");
                header.masks[i] = *mask;
            }
            if (*infoSize == 40) *infoSize += header.compression == kAlphaBitFields ? 16 : 12;
        }
    } else {
        return fail("its header is of a kind the editor does not know");
    }
    if (header.width <= 0 || header.height <= 0) return fail("it has no pixels");
    if (header.width > kMaxBitmapSide || header.height > kMaxBitmapSide) return fail("it is larger than 4096 x 4096 pixels");

    const int bits = header.bits;
    const std::uint32_t c = header.compression;
    const bool known = (c == kRgb && (bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32)) ||
                       (c == kRle8 && bits == 8) || (c == kRle4 && bits == 4) ||
                       ((c == kBitFields || c == kAlphaBitFields) && (bits == 16 || bits == 32));
    if (!known) return fail("its pixels are stored in a way the editor does not read");
    if ((c == kRle8 || c == kRle4) && header.topDown) return fail("its pixels are stored in a way the editor does not read");
    if (c == kRgb && bits == 16) {
        header.masks[0] = 0x7C00;
        header.masks[1] = 0x03E0;
        header.masks[2] = 0x001F;
    }
    if (c == kRgb && bits == 32) {
        header.masks[0] = 0xFF0000;
        header.masks[1] = 0x00FF00;
        header.masks[2] = 0x0000FF;
    }
    if (bits <= 8) {
        const std::uint32_t most = 1u << bits;
        std::uint32_t count = colours == 0 || colours > most ? most : colours;
        const std::size_t at = 14 + *infoSize;
        // Many files hold fewer colours than they name: the table ends where
        // the pixels begin, and an index beyond it is black.
        if (header.pixels > at) count = std::min<std::size_t>(count, (header.pixels - at) / paletteEntry);
        if (count == 0) return fail("its colour table is cut short");
        for (std::uint32_t i = 0; i < count; ++i) {
            auto entry = file.Slice(at + i * paletteEntry, 3);
            if (!entry) return fail("its colour table is cut short");
            header.palette.push_back({static_cast<std::uint8_t>((*entry)[2]), static_cast<std::uint8_t>((*entry)[1]),
                                      static_cast<std::uint8_t>((*entry)[0])});
        }
    }
    return header;
}

// Sets the pixel at (x, row counted in file order) to the palette colour.
class Canvas {
public:
    Canvas(Bitmap& bitmap, const Header& header) : bitmap_(bitmap), header_(header) {}

    void Set(int x, int fileRow, const Colour& colour) {
        if (x < 0 || x >= bitmap_.width || fileRow < 0 || fileRow >= bitmap_.height) return;
        const int row = header_.topDown ? fileRow : bitmap_.height - 1 - fileRow;
        auto at = (static_cast<std::size_t>(row) * static_cast<std::size_t>(bitmap_.width) +
                   static_cast<std::size_t>(x)) * 3;
        bitmap_.rgb[at] = colour[0];
        bitmap_.rgb[at + 1] = colour[1];
        bitmap_.rgb[at + 2] = colour[2];
    }
    void SetIndex(int x, int fileRow, unsigned index) {
        static constexpr Colour kBlack = {0, 0, 0};
        Set(x, fileRow, index < header_.palette.size() ? header_.palette[index] : kBlack);
    }

private:
    Bitmap& bitmap_;
    const Header& header_;
};

bool ReadUncompressed(const ByteView& file, const Header& header, Canvas& canvas) {
    const std::size_t rowSize = (static_cast<std::size_t>(header.width) * static_cast<std::size_t>(header.bits) + 31) / 32 * 4;
    auto data = file.Slice(header.pixels, rowSize * static_cast<std::size_t>(header.height));
    if (!data) return false;
    const Channel red(header.masks[0]), green(header.masks[1]), blue(header.masks[2]);
    for (int y = 0; y < header.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint8_t*>(data->data()) + rowSize * static_cast<std::size_t>(y);
        for (int x = 0; x < header.width; ++x) {
            const auto ux = static_cast<std::size_t>(x);
            switch (header.bits) {
                case 1: canvas.SetIndex(x, y, (row[ux / 8] >> (7 - ux % 8)) & 1u); break;
                case 4: canvas.SetIndex(x, y, (row[ux / 2] >> (ux % 2 ? 0 : 4)) & 15u); break;
                case 8: canvas.SetIndex(x, y, row[ux]); break;
                case 24: canvas.Set(x, y, {row[ux * 3 + 2], row[ux * 3 + 1], row[ux * 3]}); break;
                case 16: {
                    std::uint32_t pixel = row[ux * 2] | static_cast<std::uint32_t>(row[ux * 2 + 1]) << 8;
                    canvas.Set(x, y, {red.Of(pixel), green.Of(pixel), blue.Of(pixel)});
                    break;
                }
                case 32: {
                    std::uint32_t pixel = row[ux * 4] | static_cast<std::uint32_t>(row[ux * 4 + 1]) << 8 |
                                          static_cast<std::uint32_t>(row[ux * 4 + 2]) << 16 |
                                          static_cast<std::uint32_t>(row[ux * 4 + 3]) << 24;
                    canvas.Set(x, y, {red.Of(pixel), green.Of(pixel), blue.Of(pixel)});
                    break;
                }
            }
        }
    }
    return true;
}

// Run-length coded pixels: a count and an index (two for 4 bits), or an
// escape: 0 end of row, 1 end of picture, 2 a move, 3 and more that many
// indices as they are. Pixels no run reaches stay black, as the file
// leaves them.
bool ReadRunLengths(const ByteView& file, const Header& header, Canvas& canvas) {
    const bool four = header.compression == kRle4;
    std::size_t at = header.pixels;
    int x = 0, y = 0;
    auto index = [four](std::uint8_t byte, int i) -> unsigned { return four ? (i % 2 ? byte & 15u : byte >> 4) : byte; };
    while (y < header.height) {
        auto count = file.U8(at), value = file.U8(at + 1);
        if (!count || !value) return true;  // the data ends early: what came stays
        at += 2;
        if (*count > 0) {
            for (int i = 0; i < *count; ++i) canvas.SetIndex(x++, y, index(*value, i));
            continue;
        }
        switch (*value) {
            case 0: x = 0; ++y; break;
            case 1: return true;
            case 2: {
                auto dx = file.U8(at), dy = file.U8(at + 1);
                if (!dx || !dy) return true;
                at += 2;
                x += *dx;
                y += *dy;
                break;
            }
            default: {
                const int n = *value;
                const std::size_t length = four ? (static_cast<std::size_t>(n) + 1) / 2 : static_cast<std::size_t>(n);
                auto literal = file.Slice(at, length);
                if (!literal) return true;
                for (int i = 0; i < n; ++i)
                    canvas.SetIndex(x++, y, index(static_cast<std::uint8_t>((*literal)[static_cast<std::size_t>(four ? i / 2 : i)]), i));
                at += length + length % 2;  // runs of literals keep to 16-bit words
                break;
            }
        }
        // A row far beyond the picture ends it; x beyond it wastes no work.
        if (x > header.width) x = header.width;
    }
    return true;
}

}  // namespace

std::optional<Bitmap> ReadBitmapFile(std::string_view bytes, std::string& why) {
    const ByteView file(bytes);
    std::optional<Header> header = ReadHeader(file, why);
    if (!header) return std::nullopt;
    Bitmap bitmap;
    bitmap.width = header->width;
    bitmap.height = header->height;
    bitmap.rgb.assign(static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height) * 3, 0);
    bitmap.plain24 = header->bits == 24 && header->compression == kRgb && !header->topDown;
    Canvas canvas(bitmap, *header);
    const bool runs = header->compression == kRle8 || header->compression == kRle4;
    if (!(runs ? ReadRunLengths(file, *header, canvas) : ReadUncompressed(file, *header, canvas))) {
        why = "the file ends before its pixels";
        return std::nullopt;
    }
    return bitmap;
}

}  // namespace sced
