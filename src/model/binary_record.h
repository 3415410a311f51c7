#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sced {

class Template;

// Writes the binary record form of commands: 4-byte little-endian integers,
// strings as a byte count and the bytes.
class RecordWriter {
public:
    void Int(std::int32_t value);
    void Byte(std::uint8_t value);
    void String(std::string_view text);
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// Reads what RecordWriter wrote; a record that ends early or holds a count
// beyond what is left raises an error instead of reading past its end.
// Commands are bound again to the functions given by name.
class RecordReader {
public:
    RecordReader(std::string_view bytes, const std::vector<Template>& functions)
        : bytes_(bytes), functions_(functions) {}

    std::int32_t Int();
    std::uint8_t Byte();
    std::string String();
    // A count of items of at least minimumSize bytes each that can still follow.
    std::int32_t Count(std::size_t minimumSize);

    const std::vector<Template>& functions() const { return functions_; }
    bool atEnd() const { return position_ == bytes_.size(); }

private:
    void Need(std::size_t size) const;

    std::string_view bytes_;
    std::size_t position_ = 0;
    const std::vector<Template>& functions_;
};

}  // namespace sced
