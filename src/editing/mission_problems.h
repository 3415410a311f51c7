#pragma once

#include <string>
#include <vector>

#include "editing/mission_place.h"

namespace sced {

// One problem of the open mission: what opening it lost or read otherwise
// than written, or what would stop its saving, with the node of the tree it
// concerns (kNoTreePath for the mission as a whole).
struct MissionProblem {
    std::string text;
    TreePath path = kNoTreePath;
    // For a command left out, or kept with zones or groups the map does not
    // have: its trigger's label, its function and the names in question.
    std::vector<std::string> command = {};
};

// Every problem, in the order: commands left out, an unread script,
// readings that changed the meaning, commands that name zones or groups
// the map does not have, and what the script cannot carry.
std::vector<MissionProblem> MissionProblems(const Scenario& scenario);

}  // namespace sced
