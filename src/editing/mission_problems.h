#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
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

class ChangeTrail;
class Command;

// The problems as a panel keeps them: after an edit only the triggers it
// touched are checked again (the rest of the mission costs a few name
// checks), unless the change may reach every trigger or the number of
// triggers changed (values that name triggers may then fall outside).
class MissionCheck {
public:
    // The problems after the trail's changes since the last call.
    const std::vector<MissionProblem>& Follow(const Scenario& scenario, const ChangeTrail& trail);

private:
    // A trigger's own problems: its calls that name what the map lacks,
    // and what of its commands the script cannot carry.
    struct OfTrigger {
        std::vector<MissionProblem> lost;
        std::vector<MissionProblem> unsaved;
        std::uint64_t followed = 0;  // the last renewal that met the trigger
    };
    static OfTrigger Check(const Scenario& scenario, int trigger);

    std::unordered_map<const Command*, OfTrigger> byTrigger_;
    std::uint64_t seen_ = 0;
    std::uint64_t renewals_ = 0;
    int triggerCount_ = -1;
    std::vector<MissionProblem> problems_;
};

}  // namespace sced
