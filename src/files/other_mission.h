#pragma once

#include <filesystem>
#include <memory>
#include <optional>

namespace sced {

class Scenario;

// The game folder whose mission a descriptor is: the folder above the
// "UserMissions" folder (any case) it lies in; nothing elsewhere.
std::optional<std::filesystem::path> GameFolderOf(const std::filesystem::path& descriptor);

// Opens the mission of the descriptor beside the one being edited, to
// compare the two: in a scenario of its own for the game folder, whose
// declarations it reads, or the edited scenario's game folder's when that
// folder has no "Data" of its own. The page table and the current scenario
// stay as they were once it goes. A script that cannot be read, commands
// left out, and a descriptor on the map of a mission of another name
// (whose files are read) are said in a warning. Raises when the descriptor
// cannot be read, the declarations are malformed or the map cannot be read.
std::unique_ptr<Scenario> OpenOtherMission(const Scenario& edited, const std::filesystem::path& gameFolder,
                                           const std::filesystem::path& descriptor);

}  // namespace sced
