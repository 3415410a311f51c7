#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sced {

// Little-endian numbers and slices at given offsets of a byte buffer. Every
// read says whether its bytes were there, so an offset taken from a file can
// never reach outside it.
class ByteView {
public:
    explicit ByteView(std::string_view bytes) : bytes_(bytes) {}

    std::size_t size() const { return bytes_.size(); }
    std::string_view bytes() const { return bytes_; }

    // Whether count bytes from offset lie inside the buffer (without overflow).
    bool Holds(std::size_t offset, std::size_t count) const {
        return offset <= bytes_.size() && count <= bytes_.size() - offset;
    }

    std::optional<std::uint8_t> U8(std::size_t offset) const {
        if (!Holds(offset, 1)) return std::nullopt;
        return static_cast<std::uint8_t>(bytes_[offset]);
    }
    std::optional<std::uint16_t> U16(std::size_t offset) const {
        if (!Holds(offset, 2)) return std::nullopt;
        return static_cast<std::uint16_t>(Byte(offset) | Byte(offset + 1) << 8);
    }
    std::optional<std::uint32_t> U32(std::size_t offset) const {
        if (!Holds(offset, 4)) return std::nullopt;
        return static_cast<std::uint32_t>(Byte(offset)) | static_cast<std::uint32_t>(Byte(offset + 1)) << 8 |
               static_cast<std::uint32_t>(Byte(offset + 2)) << 16 | static_cast<std::uint32_t>(Byte(offset + 3)) << 24;
    }
    std::optional<std::string_view> Slice(std::size_t offset, std::size_t count) const {
        if (!Holds(offset, count)) return std::nullopt;
        return bytes_.substr(offset, count);
    }

private:
    std::uint32_t Byte(std::size_t offset) const { return static_cast<unsigned char>(bytes_[offset]); }

    std::string_view bytes_;
};

// Appends a little-endian number to bytes being written.
inline void PutU16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFFu);
    out += static_cast<char>((value >> 8) & 0xFFu);
}
inline void PutU32(std::string& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFFu);
    PutU16(out, value >> 16);
}

}  // namespace sced
