#pragma once

#include <filesystem>
#include <string>

#include "cli/output.h"
#include "editing/mission_place.h"
#include "editing/where_used.h"
#include "model/scenario.h"

namespace sced::cli {

inline constexpr int kExitLeftOut = 3;

// One line per declared function: C or A, menu group, name, form, the
// argument fields, the default texts joined by "|", the display text and
// the listing text, separated by tabs.
void PrintFunctions(const Scenario& scenario, Output& out);
// Per object group "#NAME", renamable or fixed, the item count; then each
// item after a tab.
void PrintGroups(const Scenario& scenario, Output& out);
// The formation, unit and upgrade lists.
void PrintLists(const Scenario& scenario, Output& out);
// "zone NAME" and "group NAME" lines of the map (a relative path taken from
// the folder); raises when the map cannot be read or is corrupt.
void PrintMap(const std::filesystem::path& folder, const std::string& mapPath, Output& out);
// Writes picture number (from 1) of the picture file as a 24-bit bitmap,
// with the file's palette looked up under the Wine prefix. Raises when the
// file cannot be read or has no such picture; a picture that decodes only
// in part is written as far as it was drawn, with a warning.
void WritePicture(const std::filesystem::path& pictureFile, int number, const std::filesystem::path& bitmap,
                  const std::filesystem::path& winePrefix);
// Title and map path of every user mission.
void PrintMissions(const Scenario& scenario, Output& out);
// The scenario tree, two spaces of indent per level.
void PrintTree(Scenario& scenario, Output& out);
void PrintTreeNodes(const Tree& tree, Output& out);
// The path as the designer script's select takes it: "5 1 3".
std::string PathWords(const TreePath& path);
// One line a place: its path, a tab, its text.
void PrintPlaces(const std::vector<MissionPlace>& places, Output& out);
// A heading a thing, then its uses, indented by two spaces ("  not used"
// when none).
void PrintUses(const std::vector<ThingUses>& uses, Output& out);
// The uses of everything with that name; raises when the mission has
// nothing of that name, so that a mistyped name is not an empty answer.
void PrintUsesOfName(const Scenario& scenario, const std::string& name, Output& out);
// Every use of the thing named `from` names the thing named `to` instead,
// where the argument takes it; the number of commands changed. Raises when
// the names do not stand for two things of one kind.
int ReplaceNamedUses(Scenario& scenario, const std::string& from, const std::string& to);
// "1 command", "3 commands".
std::string CommandCount(int count);
// What opening the mission lost or read otherwise than written, and what
// would stop its saving, one line each in the order of MissionProblems: a
// command left out, or kept with zones or groups the map does not have, as
// its trigger's label, its function and the names in question, separated
// by tabs; any other problem as its text. Returns the exit status:
// kExitLeftOut when there is any.
int PrintProblems(const Scenario& scenario, Output& out);

// Raises when saving the opened mission would lose what opening could not
// read (a script that could not be read, commands left out), would write
// commands that name zones or groups the map does not have, or would write
// into a map outside the game folder.
void CheckNothingLost(const Scenario& scenario, const std::string& mission);
// Raises when the mission's map lies outside the game folder.
void CheckMapInGameFolder(const Scenario& scenario);
// Raises when the new mission's files exist already.
void CheckNoMissionThere(const Scenario& scenario);
// Deletes exactly the descriptor of the named mission; raises when there
// is no such mission.
void DeleteNamedMission(const Scenario& scenario, const std::string& mission);

// What changed from the first mission (of the scenario's game folder) to
// the second (of the other game folder), as DifferenceLines; a mission
// given by the path of an ".add" in a "UserMissions" folder is read from
// that folder's game. Returns the exit status: 0 when they are equal, 1
// when they differ.
int PrintDifference(const Scenario& scenario, const std::string& first, const std::string& second,
                    const std::filesystem::path& otherGame, Output& out);

// Opens the mission given by name or by the path of its descriptor, as
// Open does (its map is line 2 of the descriptor). Raises when there is no
// such mission or its map cannot be read.
void OpenNamedMission(Scenario& scenario, const std::string& mission);
// The map path of the named mission (line 2 of its descriptor); raises when
// there is no such mission.
std::string MissionMapPath(const Scenario& scenario, const std::string& mission);

}  // namespace sced::cli
