#include "model/binary_record.h"

#include "core/scenario_error.h"

namespace sced {

void RecordWriter::Int(std::int32_t value) {
    auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) bytes_ += static_cast<char>((u >> (8 * i)) & 0xFFu);
}

void RecordWriter::Byte(std::uint8_t value) { bytes_ += static_cast<char>(value); }

void RecordWriter::String(std::string_view text) {
    Int(static_cast<std::int32_t>(text.size()));
    bytes_ += text;
}

void RecordReader::Need(std::size_t size) const {
    Check(size <= bytes_.size() - position_, "CommandSeq::ReadFromFile - the record ends too early.");
}

std::int32_t RecordReader::Int() {
    Need(4);
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[position_ + i])) << (8 * i);
    position_ += 4;
    return static_cast<std::int32_t>(u);
}

std::uint8_t RecordReader::Byte() {
    Need(1);
    return static_cast<std::uint8_t>(bytes_[position_++]);
}

std::string RecordReader::String() {
    std::int32_t size = Count(1);
    std::string text(bytes_.substr(position_, static_cast<std::size_t>(size)));
    position_ += static_cast<std::size_t>(size);
    return text;
}

std::int32_t RecordReader::Count(std::size_t minimumSize) {
    std::int32_t count = Int();
    Check(count >= 0 && static_cast<std::size_t>(count) <= (bytes_.size() - position_) / minimumSize,
          "CommandSeq::ReadFromFile - the record ends too early.");
    return count;
}

}  // namespace sced
