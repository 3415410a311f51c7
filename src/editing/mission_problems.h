#pragma once

#include <string>
#include <vector>

#include "editing/mission_place.h"

namespace sced {

struct LeftOutCommand;

// One problem of the open mission: what opening it lost or read otherwise
// than written, or what would stop its saving, with the node of the tree it
// concerns (kNoTreePath for the mission as a whole).
struct MissionProblem {
    std::string text;
    TreePath path = kNoTreePath;
    // For a command the parser left out: what it recorded.
    const LeftOutCommand* leftOut = nullptr;
};

// Every problem, in the order: commands left out, an unread script,
// readings that changed the meaning, vanished map references, and what the
// script cannot carry.
std::vector<MissionProblem> MissionProblems(const Scenario& scenario);

}  // namespace sced
