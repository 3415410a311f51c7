#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace sced {

// The game folder made absolute once; every later path is built from it.
std::filesystem::path MakeGameFolder(const std::filesystem::path& folder);

// A path written the game's way ("Data\str", "Maps/x.m3d") under the game
// folder, with native separators. On POSIX, a component that does not exist
// with its exact case is replaced by the first entry of its folder (in name
// order) that matches it ignoring ASCII case.
std::filesystem::path ResolveGamePath(const std::filesystem::path& gameFolder,
                                      std::string_view relative);

// The whole file as bytes; nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

}  // namespace sced
