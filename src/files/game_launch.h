#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace sced {

class Scenario;

// What the editor hands the game: the program to start, its arguments and
// the "start.dat" a running game reads. The map path is the game's own form
// of the open mission's map ("Maps\Valley.m3d"), "" when no mission is open.

// The game's executable, "ketrel.exe" in the game folder, found ignoring case.
std::filesystem::path GameExecutable(const std::filesystem::path& gameFolder);

// Whether the file is a Windows program (it starts with "MZ"), which needs
// wine to start elsewhere.
bool IsWindowsProgram(const std::filesystem::path& program);

// The open mission's map as the game reads it: "\" separators, relative to
// the game folder, which is the game's working folder.
std::string GameMapPath(const Scenario& scenario);

// Each argument is one element, so a path with a blank stays one argument.
std::vector<std::string> PlayArguments(std::string_view mapPath);
std::vector<std::string> MapEditorArguments(std::string_view mapPath);

// The map a running game is to load; the game's default map when no
// mission is open.
std::string StartDatText(std::string_view mapPath);
std::filesystem::path StartDatPath(const std::filesystem::path& gameFolder);
// Writes "start.dat" whole or not at all; false with the system's reason.
bool WriteStartDat(const std::filesystem::path& gameFolder, std::string_view mapPath, std::error_code* why);

}  // namespace sced
