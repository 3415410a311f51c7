// Bitmap file bytes of any shape: a picture comes back with as many pixels
// as its size says and no side beyond the limit, and the mission picture
// made of it is always a 400 x 224 bitmap that reads back.

#include <cstdint>
#include <string>
#include <string_view>

#include "files/bitmap_reader.h"
#include "files/mission_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string why;
    std::optional<sced::Bitmap> bitmap = sced::ReadBitmapFile(bytes, why);
    if (!bitmap) return 0;
    if (bitmap->width < 1 || bitmap->height < 1 || bitmap->width > sced::kMaxBitmapSide ||
        bitmap->height > sced::kMaxBitmapSide ||
        bitmap->rgb.size() != static_cast<std::size_t>(bitmap->width) * static_cast<std::size_t>(bitmap->height) * 3)
        __builtin_trap();
    std::optional<std::string> picture = sced::MissionPictureOf(bytes, why);
    if (!picture) __builtin_trap();
    std::optional<sced::Bitmap> saved = sced::ReadBitmapFile(*picture, why);
    if (!saved || !saved->plain24 || saved->width != sced::kMissionPictureWidth ||
        saved->height != sced::kMissionPictureHeight)
        __builtin_trap();
    return 0;
}
