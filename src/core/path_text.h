#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace sced {

// The crossing between the game's code page 1251 names and the file system.
// On Windows a path is UTF-16; elsewhere a name is UTF-8, as every Linux
// desktop and Wine (which runs the game there) write it. Neither goes
// through the system's own code page, so a Cyrillic name works on a Western
// Windows too.

// A name or path written in code page 1251 (read from a game file, or typed
// by the designer) as a path; separators stay as they are.
std::filesystem::path PathOfText(std::string_view text);

// A path as code page 1251 text, for a game file or a mission's name;
// nothing when it holds a character the code page cannot hold. A name that
// is not UTF-8 outside Windows (written so by an older editor) is taken as
// code page 1251 already.
std::optional<std::string> ExactTextOfPath(const std::filesystem::path& path);

// The same for a message: a character the code page cannot hold shows as
// "?".
std::string TextOfPath(const std::filesystem::path& path);

}  // namespace sced
