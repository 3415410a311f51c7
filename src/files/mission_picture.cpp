#include "files/mission_picture.h"

#include "files/bitmap_file.h"

namespace sced {

namespace {

// Where the centres of the target's pixels fall among the source's, in
// 1/256 of a pixel: the lower source pixel and the weight of the next.
struct Sample {
    int low = 0;
    int next = 0;
    int weight = 0;  // 0..256, of the next pixel
};

std::vector<Sample> Samples(int from, int to) {
    std::vector<Sample> samples(static_cast<std::size_t>(to));
    for (int i = 0; i < to; ++i) {
        // (i + 0.5) * from / to - 0.5, in 1/256.
        long long at = ((2LL * i + 1) * from * 256) / (2LL * to) - 128;
        if (at < 0) at = 0;
        Sample& s = samples[static_cast<std::size_t>(i)];
        s.low = static_cast<int>(at / 256);
        s.weight = static_cast<int>(at % 256);
        if (s.low >= from - 1) {
            s.low = from - 1;
            s.weight = 0;
        }
        s.next = s.weight > 0 ? s.low + 1 : s.low;
    }
    return samples;
}

}  // namespace

Bitmap Stretched(const Bitmap& bitmap, int width, int height) {
    Bitmap out;
    out.width = width;
    out.height = height;
    out.rgb.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    if (bitmap.width <= 0 || bitmap.height <= 0) return out;
    const std::vector<Sample> columns = Samples(bitmap.width, width);
    const std::vector<Sample> rows = Samples(bitmap.height, height);
    auto at = [&](int x, int y, int channel) {
        return static_cast<int>(bitmap.rgb[(static_cast<std::size_t>(y) * static_cast<std::size_t>(bitmap.width) +
                                            static_cast<std::size_t>(x)) * 3 + static_cast<std::size_t>(channel)]);
    };
    std::size_t o = 0;
    for (const Sample& row : rows) {
        for (const Sample& column : columns) {
            for (int c = 0; c < 3; ++c) {
                int top = at(column.low, row.low, c) * (256 - column.weight) + at(column.next, row.low, c) * column.weight;
                int bottom =
                    at(column.low, row.next, c) * (256 - column.weight) + at(column.next, row.next, c) * column.weight;
                int value = (top * (256 - row.weight) + bottom * row.weight + 32768) / 65536;
                out.rgb[o++] = static_cast<std::uint8_t>(value);
            }
        }
    }
    return out;
}

std::optional<std::string> MissionPictureOf(std::string_view bytes, std::string& why) {
    std::optional<Bitmap> bitmap = ReadBitmapFile(bytes, why);
    if (!bitmap) return std::nullopt;
    if (bitmap->plain24 && bitmap->width == kMissionPictureWidth && bitmap->height == kMissionPictureHeight)
        return std::string(bytes);
    Bitmap stretched = Stretched(*bitmap, kMissionPictureWidth, kMissionPictureHeight);
    return BitmapFileBytes(stretched.width, stretched.height, stretched.rgb);
}

}  // namespace sced
