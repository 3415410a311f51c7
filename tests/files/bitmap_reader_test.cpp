#include <gtest/gtest.h>

#include "core/byte_view.h"
#include "files/bitmap_file.h"
#include "files/bitmap_reader.h"
#include "files/mission_picture.h"

namespace sced {
namespace {

using Pixels = std::vector<std::uint8_t>;

// A bitmap file with a 40-byte header (or the 12-byte one of the oldest
// files): what follows the header (masks, colour table) and the pixel data.
std::string File(int width, int height, int bits, std::uint32_t compression, const std::string& afterHeader,
                 const std::string& pixels, int headerSize = 40) {
    std::string info;
    PutU32(info, static_cast<std::uint32_t>(headerSize));
    if (headerSize == 12) {
        PutU16(info, static_cast<std::uint32_t>(width));
        PutU16(info, static_cast<std::uint32_t>(height));
        PutU16(info, 1);
        PutU16(info, static_cast<std::uint32_t>(bits));
    } else {
        PutU32(info, static_cast<std::uint32_t>(width));
        PutU32(info, static_cast<std::uint32_t>(height));
        PutU16(info, 1);
        PutU16(info, static_cast<std::uint32_t>(bits));
        PutU32(info, compression);
        for (int i = 0; i < 5; ++i) PutU32(info, 0);
    }
    std::string out = "BM";
    const auto start = static_cast<std::uint32_t>(14 + info.size() + afterHeader.size());
    PutU32(out, start + static_cast<std::uint32_t>(pixels.size()));
    PutU32(out, 0);
    PutU32(out, start);
    return out + info + afterHeader + pixels;
}

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

// Red, green on the top row; blue, white below.
const Pixels kPicture = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
// The same four colours as a colour table: blue, green, red, unused.
const std::string kTable = Bytes({0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0});

TEST(BitmapReader, EveryStorageOfThePixelsGivesThePicture) {
    std::string masks565;
    for (std::uint32_t mask : {0xF800u, 0x07E0u, 0x001Fu}) PutU32(masks565, mask);
    const std::string core = Bytes({0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255});
    const std::pair<const char*, std::string> files[] = {
        {"24 bits", BitmapFileBytes(2, 2, kPicture)},
        {"24 bits, top-down", File(2, -2, 24, 0, "", Bytes({0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0}))},
        {"8 bits", File(2, 2, 8, 0, kTable, Bytes({2, 3, 0, 0, 0, 1, 0, 0}))},
        {"4 bits", File(2, 2, 4, 0, kTable, Bytes({0x23, 0, 0, 0, 0x01, 0, 0, 0}))},
        {"8-bit runs", File(2, 2, 8, 1, kTable, Bytes({1, 2, 1, 3, 0, 0, 1, 0, 1, 1, 0, 1}))},
        {"8-bit literal run", File(2, 2, 8, 1, kTable, Bytes({0, 3, 2, 3, 9, 0, 0, 0, 1, 0, 1, 1, 0, 1}))},
        {"4-bit runs", File(2, 2, 4, 2, kTable, Bytes({2, 0x23, 0, 0, 2, 0x01, 0, 1}))},
        {"16-bit fields, top-down", File(2, -2, 16, 3, masks565, Bytes({0, 0xF8, 0xE0, 0x07, 0x1F, 0, 0xFF, 0xFF}))},
        {"32 bits", File(2, 2, 32, 0, "", Bytes({255, 0, 0, 0, 255, 255, 255, 0, 0, 0, 255, 0, 0, 255, 0, 0}))},
        {"oldest header", File(2, 2, 8, 0, core, Bytes({2, 3, 0, 0, 0, 1, 0, 0}), 12)},
    };
    for (const auto& [name, bytes] : files) {
        std::string why;
        std::optional<Bitmap> bitmap = ReadBitmapFile(bytes, why);
        ASSERT_TRUE(bitmap) << name << ": " << why;
        EXPECT_EQ(bitmap->width, 2) << name;
        EXPECT_EQ(bitmap->height, 2) << name;
        EXPECT_EQ(bitmap->rgb, kPicture) << name;
        EXPECT_EQ(bitmap->plain24, std::string_view(name) == "24 bits") << name;
    }

    const std::string good = BitmapFileBytes(2, 2, kPicture);
    const std::pair<std::string, const char*> refused[] = {
        {"\x89PNG\r\n", "it is not a bitmap file"},
        {good.substr(0, 30), "its header is cut short"},
        {good.substr(0, good.size() - 1), "the file ends before its pixels"},
        {File(4097, 1, 24, 0, "", std::string(4097 * 3 + 1, '\0')), "it is larger than 4096 x 4096 pixels"},
        {File(2, 0, 24, 0, "", ""), "it has no pixels"},
        {File(2, 2, 24, 4, "", std::string(16, '\0')), "its pixels are stored in a way the editor does not read"},
        {File(2, 2, 8, 0, "", ""), "its colour table is cut short"},
        {File(2, 2, 24, 0, "", "", 20), "its header is of a kind the editor does not know"},
    };
    for (const auto& [bytes, reason] : refused) {
        std::string why;
        EXPECT_FALSE(ReadBitmapFile(bytes, why)) << reason;
        EXPECT_EQ(why, reason);
    }
}

TEST(MissionPicture, IsA400By224BitmapAndOneThatIsKeptByteForByte) {
    Pixels gradient;
    for (int y = 0; y < kMissionPictureHeight; ++y)
        for (int x = 0; x < kMissionPictureWidth; ++x)
            gradient.insert(gradient.end(), {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7});
    std::string why;
    const std::string ready = BitmapFileBytes(kMissionPictureWidth, kMissionPictureHeight, gradient) + "tail";
    EXPECT_EQ(MissionPictureOf(ready, why), ready);

    // Of the right size but not as the game reads it: the same pixels, rewritten.
    std::string grey;
    for (int i = 0; i < 256; ++i) grey += Bytes({i, i, i, 0});
    std::string indices;
    for (int y = 0; y < kMissionPictureHeight; ++y)
        for (int x = 0; x < kMissionPictureWidth; ++x) indices += static_cast<char>((x + y) % 256);
    Pixels greys;
    for (int y = kMissionPictureHeight - 1; y >= 0; --y)
        for (int x = 0; x < kMissionPictureWidth; ++x) greys.insert(greys.end(), 3, static_cast<std::uint8_t>((x + y) % 256));
    EXPECT_EQ(MissionPictureOf(File(kMissionPictureWidth, kMissionPictureHeight, 8, 0, grey, indices), why),
              BitmapFileBytes(kMissionPictureWidth, kMissionPictureHeight, greys));

    // A small picture is stretched: its corners stay, its middle blends.
    std::optional<std::string> stretched = MissionPictureOf(BitmapFileBytes(2, 2, kPicture), why);
    ASSERT_TRUE(stretched);
    std::optional<Bitmap> saved = ReadBitmapFile(*stretched, why);
    ASSERT_TRUE(saved);
    EXPECT_TRUE(saved->plain24);
    ASSERT_EQ(saved->width, kMissionPictureWidth);
    ASSERT_EQ(saved->height, kMissionPictureHeight);
    auto pixel = [&](int x, int y) {
        auto at = static_cast<std::size_t>((y * kMissionPictureWidth + x) * 3);
        return Pixels(saved->rgb.begin() + static_cast<std::ptrdiff_t>(at), saved->rgb.begin() + static_cast<std::ptrdiff_t>(at + 3));
    };
    EXPECT_EQ(pixel(0, 0), Pixels({255, 0, 0}));
    EXPECT_EQ(pixel(399, 0), Pixels({0, 255, 0}));
    EXPECT_EQ(pixel(0, 223), Pixels({0, 0, 255}));
    EXPECT_EQ(pixel(399, 223), Pixels({255, 255, 255}));
    EXPECT_EQ(pixel(200, 112), Pixels({128, 128, 128}));

    EXPECT_FALSE(MissionPictureOf("BM and no bitmap", why));
}

}  // namespace
}  // namespace sced
