#include "files/gp_unpack.h"

#include <algorithm>
#include <optional>

namespace sced {

namespace {

// Packed data may end a little past its length; the output has room for it.
constexpr std::size_t kSlack = 32;

constexpr const char* kDataOutside = "its data runs past the end of the file";

// Packed data: flag bytes, each of whose bits says whether a literal byte or
// a 16-bit copy instruction follows.
class PackedReader {
public:
    PackedReader(ByteView file, std::size_t position) : file_(file), position_(position) {}

    std::optional<std::uint8_t> Byte() {
        auto value = file_.U8(position_);
        if (value) ++position_;
        return value;
    }
    std::optional<std::uint16_t> Word() {
        auto value = file_.U16(position_);
        if (value) position_ += 2;
        return value;
    }

private:
    ByteView file_;
    std::size_t position_;
};

// Flag bytes, each bit of which says whether a literal byte or a 16-bit copy
// word follows; copy puts out what a word names, or says why it cannot.
template <typename Copy>
std::string UnpackFlagged(PackedReader in, std::size_t length, bool highestFirst, std::vector<std::uint8_t>& out,
                          std::size_t& put, Copy copy) {
    while (put < length) {
        auto flags = in.Byte();
        if (!flags) return kDataOutside;
        for (int i = 0; i < 8 && put < length; ++i) {
            if (*flags & (1u << (highestFirst ? 7 - i : i))) {
                auto word = in.Word();
                if (!word) return kDataOutside;
                if (std::string why = copy(*word); !why.empty()) return why;
            } else {
                auto literal = in.Byte();
                if (!literal) return kDataOutside;
                out[put++] = *literal;
            }
        }
    }
    return {};
}

// Copies of the shared block: flags from the highest bit, a copy of
// (w >> 12) + 3 bytes from the block's offset w & 0xFFF.
std::string UnpackShared(ByteView file, std::size_t dataStart, std::size_t length, std::size_t shared,
                         std::vector<std::uint8_t>& out) {
    std::size_t put = 0;
    return UnpackFlagged(PackedReader(file, dataStart), length, true, out, put, [&](std::uint16_t word) -> std::string {
        auto from = file.Slice(shared + (word & 0xFFFu), (word >> 12) + 3u);
        if (!from) return "a copy of the shared block lies outside the file";
        for (char c : *from)
            if (put < out.size()) out[put++] = static_cast<std::uint8_t>(c);
        return {};
    });
}

// Copies of earlier output: flags from the lowest bit, a copy of
// (w >> 13) + 3 bytes from (w & 0x1FFF) + 1 bytes back, byte by byte so
// that a copy may overlap what it writes.
std::string UnpackBackReferences(ByteView file, std::size_t dataStart, std::size_t length,
                                 std::vector<std::uint8_t>& out) {
    std::size_t put = 0;
    return UnpackFlagged(PackedReader(file, dataStart), length, false, out, put, [&](std::uint16_t word) -> std::string {
        const std::size_t count = (word >> 13) + 3u;
        const std::size_t distance = (word & 0x1FFFu) + 1u;
        if (distance > put) return "a copy reaches back before the start of its part";
        for (std::size_t i = 0; i < count && put < out.size(); ++i, ++put) out[put] = out[put - distance];
        return {};
    });
}

// Two bits a value, lowest first, each naming one of palette colours 212 to 215.
std::string UnpackTwoBit(ByteView file, std::size_t dataStart, std::size_t length, std::vector<std::uint8_t>& out) {
    auto packed = file.Slice(dataStart, length >> 2);
    if (!packed) return kDataOutside;
    std::size_t put = 0;
    for (char c : *packed) {
        auto b = static_cast<std::uint8_t>(c);
        for (int shift = 0; shift < 8; shift += 2) out[put++] = static_cast<std::uint8_t>(212 + ((b >> shift) & 3));
    }
    return {};
}

}  // namespace

UnpackedPart UnpackPart(ByteView file, std::size_t dataStart, int encoding, std::size_t length, std::size_t shared) {
    UnpackedPart part;
    if (encoding == 5) return part;
    part.values.assign(length + kSlack, 0);
    switch (encoding) {
    case 0:
        part.failure = UnpackShared(file, dataStart, length, shared, part.values);
        break;
    case 42:
    case 43:
    case 44:
        part.failure = UnpackBackReferences(file, dataStart, length, part.values);
        break;
    case 1:
        part.failure = UnpackTwoBit(file, dataStart, length, part.values);
        break;
    default:
        if (auto plain = file.Slice(dataStart, length))
            std::copy(plain->begin(), plain->end(), part.values.begin());
        else
            part.failure = kDataOutside;
    }
    return part;
}

}  // namespace sced
