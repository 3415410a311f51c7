// Picture file bytes of any shape: decoding every picture ends, never reads
// outside the file, and gives a canvas no larger than the ceiling whose
// pixels are all there.

#include <cstdint>
#include <string>

#include "files/gp_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string why;
    auto file = sced::GpFile::Parse(std::string(reinterpret_cast<const char*>(data), size), why);
    if (!file) {
        if (why.empty()) __builtin_trap();
        return 0;
    }
    const sced::Palette palette = sced::GreyPalette();
    // A few pictures are enough: each one is decoded the same way.
    for (int i = 0; i < file->pictureCount() && i < 4; ++i) {
        sced::GpImage image = file->Decode(i, palette);
        if (image.width > sced::kMaxCanvasSide || image.height > sced::kMaxCanvasSide || image.width % 4 != 0)
            __builtin_trap();
        if (image.rgb.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3)
            __builtin_trap();
    }
    return 0;
}
