#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sced::test {

// The pieces of a map file, for maps made in tests.
inline std::string U32(std::uint32_t value) {
    std::string bytes;
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFFu);
    return bytes;
}

inline std::string Header(std::string_view signature = "5DMP") { return std::string(signature) + "hdrbytes"; }

inline std::string Chunk(std::string_view tag, std::string_view data) {
    return std::string(tag) + U32(static_cast<std::uint32_t>(data.size() + 4)) + std::string(data);
}

inline std::string ZoneRecord(std::string_view name) {
    return std::string(17, 'z') + static_cast<char>(name.size()) + std::string(name);
}

inline std::string GroupRecord(std::string_view name, std::uint32_t members) {
    return std::string(8, 'g') + U32(members) + std::string(37, 'h') + static_cast<char>(name.size()) +
           std::string(name) + std::string(std::size_t{members} * 8, 'm');
}

inline std::string Counts(std::uint32_t zones, std::uint32_t groups) { return U32(zones) + U32(groups); }

// A whole map: zones and groups, an empty script field, the end chunk.
inline std::string MapBytes(const std::vector<std::string>& zones, const std::vector<std::string>& groups) {
    std::string records = Counts(static_cast<std::uint32_t>(zones.size()), static_cast<std::uint32_t>(groups.size()));
    for (const std::string& zone : zones) records += ZoneRecord(zone);
    for (const std::string& group : groups) records += GroupRecord(group, 2);
    return Header() + Chunk("ZON1", records) + Chunk(".DLL", std::string(200 + 16, '\0')) + Chunk("ENDM", "");
}

}  // namespace sced::test
