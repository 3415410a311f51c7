#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sced {

class Scenario;

// What the editor takes from a map: its zone and unit group names, in file
// order.
struct MapContents {
    std::vector<std::string> zones;
    std::vector<std::string> groups;
};

// The zones and groups of a map's bytes; nothing when the signature is
// unknown or the file is corrupt (a name longer than 127 characters, a count
// or length that runs past the end, a chunk length below 4, a truncated
// record). A map without a "ZON1" chunk has no zones and no groups.
std::optional<MapContents> ParseMap(std::string_view bytes);

// The size of the map's script field and the length of the ".DLL" chunk
// data that must hold its length field and the script field.
inline constexpr std::size_t kScriptFieldSize = 200;

// The offset of the script field: the 200 bytes after the length field of
// the ".DLL" chunk, found by the chunk walk. Nothing when the signature is
// unknown or the chunk, or the field within the chunk and the file, is
// missing.
std::optional<std::size_t> FindScriptField(std::string_view bytes);

// Reads the map at the path (written the game's way, code page 1251;
// relative paths are taken from the game folder; an empty path means the
// open mission's map) into the scenario: its folder, its base name as the
// mission name, its zones and its groups. A map that cannot be opened, is
// corrupt, has more zones or groups than their lists hold, or whose name
// the game's code page cannot hold is shown with a warning that names the
// file ("txtNoMapFile", "txtMapCorrupt", or the limit), returns false and
// changes nothing.
bool ReadMap(Scenario& scenario, std::string_view path);

// The map file of the open mission: mapFolder + missionName + ".m3d", the
// file name found ignoring case.
std::filesystem::path MapPathOf(const Scenario& scenario);

}  // namespace sced
