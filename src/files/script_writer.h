#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace sced {

class Scenario;

// The mission script as the game reads it, before scrambling and with "\n"
// line ends; fills the page table with the pages of the page calls in the
// order they are written.
std::string BuildScript(Scenario& scenario);

// Saves the mission: descriptor, scrambled script, pages file, description
// file and picture, then records the script in the map. Everything that can
// be checked is checked before a file is touched, and all files are written
// to temporaries first, so a failure leaves the old files as they were.
// Returns the paths of the mission's files.
std::vector<std::filesystem::path> SaveMission(Scenario& scenario);

}  // namespace sced
