#pragma once

#include <string>

#include "cli/output.h"
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
// "zone NAME" and "group NAME" lines of the map; false when it cannot be read.
bool PrintMap(Scenario& scenario, const std::string& mapPath, Output& out);
// Title and map path of every user mission.
void PrintMissions(const Scenario& scenario, Output& out);
// The scenario tree, two spaces of indent per level.
void PrintTree(Scenario& scenario, Output& out);
// Each command the opening left out; returns the exit status.
int PrintLeftOut(const Scenario& scenario, Output& out);

// Opens the mission given by name or by the path of its descriptor, as
// Open does (its map is line 2 of the descriptor). Raises when there is no
// such mission or its map cannot be read.
void OpenNamedMission(Scenario& scenario, const std::string& mission);

}  // namespace sced::cli
