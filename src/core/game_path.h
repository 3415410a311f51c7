#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace sced {

// The game folder made absolute and normalised once ("x/.", "x/" and
// "../x" name the same folder, without a trailing separator); every later
// path is built from it.
std::filesystem::path MakeGameFolder(const std::filesystem::path& folder);

// A path written the game's way ("Data\str", "Maps/x.m3d", code page
// 1251) under the folder, with native separators. On POSIX, a component
// that does not exist with its exact case is replaced by the first entry of
// its folder (in name order) that matches it ignoring case.
std::filesystem::path ResolveGamePath(const std::filesystem::path& folder, std::string_view relative);
// The same for a relative path of this system.
std::filesystem::path ResolvePath(const std::filesystem::path& folder, const std::filesystem::path& relative);

// A path written the game's way, absolute or taken from the base folder,
// looked up as ResolveGamePath does.
std::filesystem::path LookUpGamePath(const std::filesystem::path& base, std::string_view path);
// The same for a path of this system.
std::filesystem::path LookUpPath(const std::filesystem::path& base, const std::filesystem::path& path);

// A path read from a game file ("\" separators) with native separators.
std::string NativePath(std::string_view gamePath);

// The Wine prefix that holds the game's Windows drive paths: $WINEPREFIX,
// else "~/.wine".
std::filesystem::path DefaultWinePrefix();

// A Windows path with a drive letter ("c:\Zendarch\1\kvew_1.pal"). On
// Windows it is used as written; elsewhere it lies under the prefix's
// "drive_c" (the letter lowercased) and is looked up as ResolveGamePath does.
std::filesystem::path ResolveDrivePath(std::string_view windowsPath, const std::filesystem::path& winePrefix);

// The entry of the folder with the name (code page 1251); on POSIX, when
// there is none with the exact case, the first entry (in name order) that
// matches ignoring case. The exact path when nothing matches.
std::filesystem::path FindInFolder(const std::filesystem::path& folder, std::string_view name);
// The same for a name of this system.
std::filesystem::path FindNameInFolder(const std::filesystem::path& folder, const std::filesystem::path& name);

// The whole file as bytes; nothing when it cannot be opened or read, or is
// not a regular file (a folder, pipe or device; links are followed).
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

}  // namespace sced
