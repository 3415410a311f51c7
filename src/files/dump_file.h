#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace sced {

class Scenario;

// The texts a player reads, for translation: title, description, objective
// names, trigger labels, switch, timer and player names. Raises a
// ScenarioError naming the line when a title or description line would end
// its section ("#END") or a name holds a control character.
std::string DumpText(const Scenario& scenario);

// Writes the dump (CR LF line ends); false when the file cannot be written.
bool WriteDump(const Scenario& scenario, const std::filesystem::path& path);

// Renames what the dump's sections list, in place; nothing is added or
// removed, and the dynamic groups stay unique as on opening. A missing
// section renames nothing. False when the file cannot be read.
bool ReadDump(Scenario& scenario, const std::filesystem::path& path);
void ReadDumpText(Scenario& scenario, std::string_view text);

}  // namespace sced
