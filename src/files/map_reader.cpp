#include "files/map_reader.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/fixed_list.h"
#include "core/game_path.h"
#include "core/path_text.h"
#include "core/string_table.h"
#include "core/warning.h"
#include "model/scenario.h"

namespace sced {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kChunksStart = 12;
constexpr std::size_t kMaxNameLength = 127;
constexpr std::size_t kZoneRecordMinimum = 17 + 1;
constexpr std::size_t kGroupRecordMinimum = 8 + 4 + 37 + 1;
constexpr std::size_t kGroupMemberSize = 8;

// Reads forward over the map's bytes; every read says whether the bytes
// were there, so nothing is ever taken from outside the file.
class MapBytes {
public:
    explicit MapBytes(std::string_view bytes, std::size_t position = 0)
        : bytes_(bytes), position_(position <= bytes.size() ? position : bytes.size()) {}

    std::size_t position() const { return position_; }
    std::size_t left() const { return bytes_.size() - position_; }
    bool atEnd() const { return position_ == bytes_.size(); }

    bool Skip(std::size_t count) {
        if (count > left()) return false;
        position_ += count;
        return true;
    }

    std::optional<std::string_view> Take(std::size_t count) {
        if (count > left()) return std::nullopt;
        std::string_view part = bytes_.substr(position_, count);
        position_ += count;
        return part;
    }

    std::optional<std::uint8_t> Byte() {
        if (left() < 1) return std::nullopt;
        return static_cast<std::uint8_t>(bytes_[position_++]);
    }

    std::optional<std::uint32_t> U32() {
        if (left() < 4) return std::nullopt;
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i)
            value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[position_ + i])) << (8 * i);
        position_ += 4;
        return value;
    }

    // A length-prefixed name of at most 127 bytes.
    std::optional<std::string> Name() {
        auto length = Byte();
        if (!length || *length > kMaxNameLength) return std::nullopt;
        auto name = Take(*length);
        if (!name) return std::nullopt;
        return std::string(*name);
    }

private:
    std::string_view bytes_;
    std::size_t position_;
};

bool HasMapSignature(std::string_view bytes) {
    std::string_view signature = bytes.substr(0, 4);
    return signature == "3DMP" || signature == "4DMP" || signature == "5DMP";
}

enum class WalkEnd { kFound, kNotFound, kCorrupt };

struct WalkResult {
    WalkEnd end;
    std::size_t tagOffset = 0;
};

// Walks the chunks from offset 12 until the chunk tagged `wanted`, the end
// of the file or the "ENDM" chunk. Every step moves forward by at least the
// tag and the length field, so the walk always ends.
WalkResult WalkChunks(std::string_view bytes, std::string_view wanted) {
    if (bytes.size() < kChunksStart) return {WalkEnd::kCorrupt};
    MapBytes in(bytes, kChunksStart);
    while (!in.atEnd()) {
        std::size_t tagOffset = in.position();
        auto tag = in.Take(4);
        if (!tag) return {WalkEnd::kCorrupt};
        if (*tag == wanted) return {WalkEnd::kFound, tagOffset};
        auto length = in.U32();
        if (!length || *length < 4 || !in.Skip(*length - 4)) return {WalkEnd::kCorrupt};
        if (*tag == "ENDM") break;
    }
    return {WalkEnd::kNotFound};
}

// The "ZON1" chunk from its length field on. Its records must lie inside
// the chunk: a record that runs past the chunk's length is truncated.
std::optional<MapContents> ReadZoneChunk(std::string_view bytes, std::size_t lengthOffset) {
    MapBytes header(bytes, lengthOffset);
    auto length = header.U32();
    if (!length || *length < 4 || *length - 4 > header.left()) return std::nullopt;
    MapBytes in(bytes.substr(0, lengthOffset + *length), lengthOffset + 4);
    auto zoneCount = in.U32();
    auto groupCount = in.U32();
    if (!zoneCount || !groupCount) return std::nullopt;

    MapContents contents;
    if (*zoneCount > in.left() / kZoneRecordMinimum) return std::nullopt;
    for (std::uint32_t i = 0; i < *zoneCount; ++i) {
        if (!in.Skip(17)) return std::nullopt;
        auto name = in.Name();
        if (!name) return std::nullopt;
        contents.zones.push_back(std::move(*name));
    }

    if (*groupCount > in.left() / kGroupRecordMinimum) return std::nullopt;
    for (std::uint32_t i = 0; i < *groupCount; ++i) {
        if (!in.Skip(8)) return std::nullopt;
        auto members = in.U32();
        if (!members || !in.Skip(37)) return std::nullopt;
        auto name = in.Name();
        // The count is checked against what is left before it is multiplied.
        if (!name || *members > in.left() / kGroupMemberSize || !in.Skip(*members * kGroupMemberSize))
            return std::nullopt;
        contents.groups.push_back(std::move(*name));
    }
    return contents;
}

// The file name up to its last dot ("Valley.m3d" -> "Valley") in the
// game's code page; nothing when the code page cannot hold it.
std::optional<std::string> BaseName(const fs::path& file) {
    std::optional<std::string> name = ExactTextOfPath(file.filename());
    if (name) name->erase(std::min(name->rfind('.'), name->size()));
    return name;
}

}  // namespace

std::optional<MapContents> ParseMap(std::string_view bytes) {
    if (!HasMapSignature(bytes)) return std::nullopt;
    WalkResult walk = WalkChunks(bytes, "ZON1");
    if (walk.end == WalkEnd::kCorrupt) return std::nullopt;
    if (walk.end == WalkEnd::kNotFound) return MapContents{};
    return ReadZoneChunk(bytes, walk.tagOffset + 4);
}

std::optional<std::size_t> FindScriptField(std::string_view bytes) {
    if (!HasMapSignature(bytes)) return std::nullopt;
    WalkResult walk = WalkChunks(bytes, ".DLL");
    if (walk.end != WalkEnd::kFound) return std::nullopt;
    MapBytes in(bytes, walk.tagOffset + 4);
    auto length = in.U32();
    if (!length || *length < 4 + kScriptFieldSize || in.left() < kScriptFieldSize) return std::nullopt;
    return walk.tagOffset + 8;
}

bool ReadMap(Scenario& scenario, std::string_view path) {
    if (path.empty() && (scenario.missionName.empty() || scenario.mapFolder.empty())) return false;
    // Both groups must exist before anything is read.
    StringList& zones = scenario.objectGroups.GetGroup("zones");
    StringList& groups = scenario.objectGroups.GetGroup("groups");

    fs::path file = path.empty() ? MapPathOf(scenario) : LookUpGamePath(scenario.gameFolder, path);
    std::optional<std::string> bytes = ReadWholeFile(file);
    // Each warning names the file: the designer may have several maps open
    // in the game's map editor.
    const std::string named = "\n" + TextOfPath(file);
    if (!bytes) return Warn(false, Lookup("txtNoMapFile") + named);
    std::optional<MapContents> contents = ParseMap(*bytes);
    if (!contents) return Warn(false, Lookup("txtMapCorrupt") + named);
    // A map grown past what a mission can name is refused like a damaged
    // one: the mission open keeps the names it had.
    auto overfull = [&](const std::vector<std::string>& names, const StringList& list, const char* what) {
        if (names.size() <= static_cast<std::size_t>(list.capacity())) return false;
        Warn(false, "The map has " + std::to_string(names.size()) + " " + what + "; a mission can name at most " +
                        std::to_string(list.capacity()) + "." + named);
        return true;
    };
    if (overfull(contents->zones, zones, "zones") || overfull(contents->groups, groups, "unit groups")) return false;
    // The mission is named after the map, and the game's files hold the
    // name in its code page.
    std::optional<std::string> name = BaseName(file);
    if (!name)
        return Warn(false, "The map's name holds a character that the game's code page 1251 cannot hold; rename "
                           "the map in the game's map editor." + named);

    zones.Clear();
    for (const std::string& zone : contents->zones) zones.Add(zone);
    groups.Clear();
    for (const std::string& group : contents->groups) groups.Add(group);
    scenario.mapFolder = file.parent_path();
    scenario.missionName = std::move(*name);
    return true;
}

fs::path MapPathOf(const Scenario& scenario) {
    // "Valley.M3D" is the map of the mission "Valley" too.
    return FindInFolder(scenario.mapFolder, scenario.missionName + ".m3d");
}

}  // namespace sced
