#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sced {

class Scenario;

// Where the files of the scenario's mission lie.
struct MissionPaths {
    std::filesystem::path userMissions;  // the game folder's "UserMissions"
    std::filesystem::path descriptor;    // UserMissions/NAME.add
    std::filesystem::path folder;        // UserMissions/NAME/
    std::filesystem::path script;        // .cms
    std::filesystem::path pages;         // .txt
    std::filesystem::path description;   // .dsc
    std::filesystem::path strings;       // .str, named but never written
    std::filesystem::path picture;       // .bmp
};
MissionPaths PathsOf(const Scenario& scenario);
// The game's path of the mission script: "UserMissions\NAME\NAME.cms".
std::string ScriptReference(const Scenario& scenario);

// The texts of the three package files, as saved ("\n" line ends; the
// writer turns them into CR LF).
std::string DescriptorText(const Scenario& scenario);
std::string PagesText(const Scenario& scenario);

// A page's text as the pages file carries it: on one line, without tabs.
std::string WithoutBreaks(std::string_view body);

// Raises when an objective's name cannot be carried by the pages file: a
// line break in it, or a "#" at its start.
void CheckObjectiveNames(const Scenario& scenario);

// Reads a pages file into the objective names and the page table.
void ParsePagesFile(Scenario& scenario, std::string_view text);

// Reads the descriptor, description, pages file and script of the mission
// named by missionName; a missing descriptor reads nothing.
void ReadMissionFiles(Scenario& scenario);
// The same from the package files at the paths (its picture aside).
void ReadPackageFiles(Scenario& scenario, const MissionPaths& paths);

// Resets the groups, reads the map (the open mission's when the path is
// empty) and, unless mapOnly, the mission's files. Returns whether a
// mission is open afterwards. A map outside the game folder is said in a
// warning that names it.
bool OpenMission(Scenario& scenario, std::string_view mapPath, bool mapOnly);

// Whether the open mission's map lies outside the game folder (an absolute
// path elsewhere, or ".." climbing out of it): a save writes the script's
// path into the map, so it must not reach such a file unasked.
bool MapOutsideGameFolder(const Scenario& scenario);

// A fresh mission on the map: the mission is named after the map, the
// default groups come back and every trigger goes. False when the map
// cannot be read.
bool NewMission(Scenario& scenario, std::string_view mapPath);

// When the editor becomes active again: the open mission's map is read
// again and every command finds its zones and groups again by name; one
// whose zone or group is gone keeps it by name, with one warning.
void RefreshFromMap(Scenario& scenario);

struct MissionEntry {
    std::string title;
    std::string mapPath;  // line 2 of the descriptor, with native separators
    std::filesystem::path descriptor;
};
// The map path of a descriptor's bytes (its second line), with native
// separators; "" when it has none.
std::string DescriptorMapPath(std::string_view descriptor);

// Every descriptor of the user-missions folder, in name order.
std::vector<MissionEntry> ListMissions(const Scenario& scenario);

// The descriptor of a mission given by its name ("Valley", looked up in the
// user-missions folder) or by the path of its ".add" file (from the current
// folder when relative), found ignoring case. Raises "There is no mission
// NAME." when there is none.
std::filesystem::path FindMissionDescriptor(const Scenario& scenario, std::string_view nameOrPath);
// The same for a mission of the game folder.
std::filesystem::path FindMissionDescriptor(const std::filesystem::path& gameFolder, std::string_view nameOrPath);

// Deletes exactly that descriptor (see FindMissionDescriptor); the mission
// folder stays. Raises when it cannot be deleted.
void DeleteMission(const std::filesystem::path& descriptor);

// Whether the user-missions folder has a folder with the base name of the
// argument (no folder, no extension), ignoring case.
bool MissionFolderExists(const Scenario& scenario, std::string_view nameOrPath);
// Whether a new mission on the map (a map path or a mission name) would
// replace files of a mission that exists: its descriptor or its folder,
// ignoring case.
bool MissionFilesExist(const Scenario& scenario, std::string_view nameOrPath);

// A path for a game file: code page 1251, "\" separators, relative to the
// game folder when it lies inside it. Raises when the code page cannot hold
// a character of it.
std::string GamePathOf(const Scenario& scenario, const std::filesystem::path& file);

}  // namespace sced
