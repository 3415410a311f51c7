#include "files/gp_picture.h"

#include <algorithm>
#include <cstdlib>

#include "core/byte_view.h"
#include "files/gp_unpack.h"

namespace sced {

namespace {

constexpr std::size_t kHeaderSize = 14;
constexpr std::size_t kPartHeaderSize = 23;
constexpr std::uint32_t kLastPart = 0xFFFFFFFFu;

struct PartHeader {
    std::size_t start = 0;
    std::uint32_t next = kLastPart;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int encoding = 0;
    std::size_t dataOffset = 0;
    std::size_t length = 0;
    int rows = 0;
};

std::optional<PartHeader> ReadPartHeader(ByteView file, std::size_t start) {
    if (!file.Holds(start, kPartHeaderSize)) return std::nullopt;
    PartHeader part;
    part.start = start;
    part.next = *file.U32(start);
    part.x = *file.U16(start + 4);
    part.y = *file.U16(start + 6);
    part.width = std::abs(static_cast<int>(static_cast<std::int16_t>(*file.U16(start + 8))));
    part.height = std::abs(static_cast<int>(static_cast<std::int16_t>(*file.U16(start + 10))));
    const std::uint8_t kind = *file.U8(start + 16);
    const std::uint32_t packed = *file.U32(start + 17);
    part.encoding = kind & 0x3F;
    part.dataOffset = (packed & 0x3FFFu) + (kind & 0x40 ? 16384u : 0u) + (kind & 0x80 ? 32768u : 0u);
    part.length = (packed >> 14) + (part.encoding == 43 ? 0x40000u : part.encoding == 44 ? 0x80000u : 0u);
    part.rows = *file.U16(start + 21);
    return part;
}

constexpr const char* kTooMuchWork = "it asks for far more work than a picture of its file's size needs";

// The work a picture may take, counted in bytes read and values unpacked,
// with a row and a pixel painted weighed by what they cost more. A real
// picture reads each byte of its file about once and paints its canvas a
// few times, well within a few times the file and the canvas; a hostile
// chain of thousands of parts that read the same bytes again and again
// runs out instead of taking minutes. The most it allows, for a file of a
// few MB on the largest canvas, is decoded in well under 100 ms.
class WorkLeft {
public:
    static constexpr std::size_t kPerPixelPainted = 4;
    static constexpr std::size_t kPerRow = 4;

    WorkLeft(std::size_t fileSize, std::size_t canvasPixels)
        : left_(kFree + kPerFileByte * fileSize + kPerCanvasPixel * canvasPixels) {}

    // False, with nothing left, when the amount is more than what is left.
    bool Take(std::size_t amount) {
        if (amount > left_) {
            left_ = 0;
            return false;
        }
        left_ -= amount;
        return true;
    }
    bool Spent() const { return left_ == 0; }

private:
    static constexpr std::size_t kFree = 4 << 20;
    static constexpr std::size_t kPerFileByte = 2;
    static constexpr std::size_t kPerCanvasPixel = 1;
    std::size_t left_;
};

bool IsDrawn(int encoding) {
    return (encoding >= 0 && encoding <= 7) || encoding == 11 || encoding == 38 || encoding == 39 ||
           (encoding >= 41 && encoding <= 44);
}

std::uint8_t Clamped(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 255)); }

// One drawn pixel: the new colour from the old one and the value d.
void Paint(std::uint8_t* pixel, int encoding, std::uint8_t d, const Palette& palette) {
    const Rgb colour = palette[d];
    const int rgb[3] = {colour.red, colour.green, colour.blue};
    for (int c = 0; c < 3; ++c) {
        const int old = pixel[c];
        int value = old;
        switch (encoding) {
        case 0: case 1: case 11:
            value = rgb[c];
            break;
        case 2: case 3: case 4: case 41: case 42: case 43: case 44: {
            // A quarter, a half or three quarters of the colour; all of it for the packed ones.
            const int weight = encoding <= 4 ? encoding - 1 : 4;
            value = (rgb[c] * weight + old * (4 - weight)) / 4;
            break;
        }
        case 5:
            value = old / 4 * 3;
            break;
        case 6: case 7: {
            // The shading tables name palette colour 0 for every level.
            const Rgb shade = palette[0];
            const int tint[3] = {shade.red, shade.green, shade.blue};
            value = old * (8 - (d & 7)) / 8 + tint[c];
            break;
        }
        case 39:
            value = old * (32 - d) / 32;
            break;
        }
        pixel[c] = Clamped(value);
    }
}

class Canvas {
public:
    Canvas(GpImage& image, const Palette& palette) : image_(image), palette_(palette) {}

    int height() const { return image_.height; }

    // Draws count pixels from (x, y) rightwards with the values from next on;
    // what lies outside the canvas is clipped, its values still used up.
    // Returns the pixels painted.
    int Run(int x, int y, int count, int encoding, const std::vector<std::uint8_t>& values, std::size_t next) {
        if (y < 0 || y >= image_.height) return 0;
        const int from = std::max(x, 0);
        const int to = std::min(x + count, image_.width);
        for (int column = from; column < to; ++column) {
            std::uint8_t d = encoding == 5 ? 0 : values[next + static_cast<std::size_t>(column - x)];
            auto at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(image_.width) +
                       static_cast<std::size_t>(column)) * 3;
            Paint(&image_.rgb[at], encoding, d, palette_);
        }
        return std::max(to - from, 0);
    }

private:
    GpImage& image_;
    const Palette& palette_;
};

// Follows the row codes of a part and draws its values; a failure text when
// its codes or values run out. Rows below the canvas are not read: rows
// only go down, so nothing after them is drawn. Every code byte read is
// taken from the work left.
std::string DrawPart(ByteView file, const PartHeader& part, const UnpackedPart& unpacked, Canvas& canvas,
                     WorkLeft& work) {
    std::size_t code = part.start + kPartHeaderSize;
    std::size_t next = 0;
    std::size_t counted = code;
    auto byte = [&]() { return file.U8(code++); };
    const int end = std::min(part.y + part.rows, canvas.height());
    for (int row = part.y; row < end; ++row) {
        // The codes of the row before, and this row's own cost.
        if (!work.Take(code - counted + WorkLeft::kPerRow)) return kTooMuchWork;
        counted = code;
        int x = part.x;
        auto h = byte();
        if (!h) return "its row codes run past the end of the file";
        const bool short_runs = *h & 0x80;
        const int runs = short_runs ? (*h & 31) : *h;
        for (int run = 0; run < runs; ++run) {
            int skip = 0;
            int draw = 0;
            if (short_runs) {
                auto r = byte();
                if (!r) return "its row codes run past the end of the file";
                skip = (*r & 15) + (*h & 0x40 ? 16 : 0);
                draw = (*r >> 4) + (*h & 0x20 ? 16 : 0);
            } else {
                auto s = byte();
                auto d = byte();
                if (!s || !d) return "its row codes run past the end of the file";
                skip = *s;
                draw = *d;
            }
            x += skip;
            if (part.encoding != 5 && next + static_cast<std::size_t>(draw) > unpacked.values.size())
                return "it draws more pixels than its data holds";
            const int painted = canvas.Run(x, row, draw, part.encoding, unpacked.values, next);
            work.Take(WorkLeft::kPerPixelPainted * static_cast<std::size_t>(painted));
            if (part.encoding != 5) next += static_cast<std::size_t>(draw);
            x += draw;
        }
    }
    return {};
}

// The ground tiled over the canvas, one of its tiles starting at the
// canvas's centre.
void LayGround(GpImage& image, const GpImage& ground) {
    if (ground.width <= 0 || ground.height <= 0 ||
        ground.rgb.size() < static_cast<std::size_t>(ground.width) * static_cast<std::size_t>(ground.height) * 3)
        return;
    auto first = [](int half, int side) { return ((side - half % side) % side); };
    const int left = first(image.width / 2, ground.width);
    const int top = first(image.height / 2, ground.height);
    auto at = image.rgb.begin();
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            Rgb colour = ground.At((x + left) % ground.width, (y + top) % ground.height);
            *at++ = colour.red;
            *at++ = colour.green;
            *at++ = colour.blue;
        }
}

}  // namespace

std::optional<GpFile> GpFile::Parse(std::string bytes, std::string& why) {
    ByteView view(bytes);
    auto count = view.U16(4);
    if (!view.Holds(0, kHeaderSize) || !count) {
        why = "The file is too short for a picture file header.";
        return std::nullopt;
    }
    if (!view.Holds(kHeaderSize, std::size_t{4} * *count)) {
        why = "The table of " + std::to_string(*count) + " pictures runs past the end of the file.";
        return std::nullopt;
    }
    GpFile file;
    file.pictureCount_ = *count;
    file.paletteNumber_ = *view.U16(6);
    file.shared_ = *view.U32(8);
    file.bytes_ = std::move(bytes);
    return file;
}

GpImage GpFile::Decode(int index, const Palette& palette, const GpImage* ground) const {
    GpImage image;
    ByteView file(bytes_);
    if (index < 0 || index >= pictureCount_) {
        image.failure = "There is no picture " + std::to_string(index + 1) + ".";
        return image;
    }
    const std::uint64_t start = *file.U32(kHeaderSize + 4 * static_cast<std::size_t>(index));
    // The first failure is the one told; what was drawn until then stays.
    auto failed = [&](const std::string& why) {
        if (!image.failed()) image.failure = "Picture " + std::to_string(index + 1) + ": " + why + ".";
    };

    // The chain of parts, cut where it runs outside the file or comes back
    // to a part it has already visited. It is walked twice, once for the
    // canvas and once to draw, so that no list of its parts is kept.
    std::vector<bool> visited(file.size() + 1, false);
    std::size_t partCount = 0;
    int width = 0;
    int height = 0;
    for (std::uint64_t at = start;;) {
        auto part = at <= file.size() ? ReadPartHeader(file, static_cast<std::size_t>(at)) : std::nullopt;
        if (!part) {
            failed("a part header lies outside the file");
            break;
        }
        visited[static_cast<std::size_t>(at)] = true;
        ++partCount;
        width = std::max(width, part->x + part->width);
        height = std::max(height, part->y + part->height);
        if (part->next == kLastPart) break;
        at = start + part->next;
        if (at <= file.size() && visited[static_cast<std::size_t>(at)]) {
            failed("its chain of parts loops");
            break;
        }
    }
    image.width = std::min((width + 3) / 4 * 4, kMaxCanvasSide);
    image.height = std::min(height, kMaxCanvasSide);
    image.rgb.assign(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3, 0);
    if (ground) LayGround(image, *ground);

    Canvas canvas(image, palette);
    WorkLeft work(file.size(), image.rgb.size() / 3);
    std::uint64_t at = start;
    for (std::size_t i = 0; i < partCount; ++i) {
        const PartHeader part = *ReadPartHeader(file, static_cast<std::size_t>(at));
        at = start + part.next;
        if (!work.Take(kPartHeaderSize)) {
            failed(kTooMuchWork);
            break;
        }
        if (!IsDrawn(part.encoding)) continue;
        if (part.encoding == 38) {
            failed("it uses an encoding that cannot be shown");
            break;
        }
        // A part below the canvas draws nothing: its data is not unpacked.
        if (part.y >= image.height) continue;
        if (!work.Take(part.length)) {
            failed(kTooMuchWork);
            break;
        }
        UnpackedPart unpacked = UnpackPart(file, part.start + part.dataOffset, part.encoding, part.length, shared_);
        std::string why = unpacked.failure.empty() ? DrawPart(file, part, unpacked, canvas, work) : unpacked.failure;
        if (why.empty() && work.Spent()) why = kTooMuchWork;
        if (!why.empty()) {
            failed(why == kTooMuchWork ? why
                                       : "a part at " + std::to_string(part.x) + ", " + std::to_string(part.y) +
                                             " failed: " + why);
            break;
        }
    }
    return image;
}

}  // namespace sced
