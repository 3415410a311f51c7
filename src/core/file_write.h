#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace sced {

// "\n" as the game's text files want it: every LF becomes CR LF.
std::string WithCrLf(std::string_view text);

// Writes the bytes to a temporary file beside the target and renames it over
// the target only when it is complete, so a failure never leaves half a file
// where a good one stood. False when anything fails; the target is then as
// it was.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

}  // namespace sced
