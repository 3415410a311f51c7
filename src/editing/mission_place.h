#pragma once

#include <functional>
#include <string>
#include <vector>

#include "controls/tree_path.h"

namespace sced {

class Command;
class Scenario;

// A node of the scenario tree that a search or a check names: its path and
// a text that names it ("label" for a trigger, "label: text" for a command).
struct MissionPlace {
    TreePath path = kNoTreePath;
    std::string text;
};

// Calls the function for every node of the scenario tree that stands for a
// trigger or a command, in tree order, with the trigger's position and the
// command of the node (the trigger itself for its node). An IF block nested
// in a THEN or ELSE list is one node, as the tree shows it.
void ForEachTreeCommand(const Scenario& scenario,
                        const std::function<void(const TreePath&, int trigger, const Command&)>& visit);

// The same for the nodes of the trigger at that position.
void ForEachTreeCommandOf(const Scenario& scenario, int trigger,
                          const std::function<void(const TreePath&, int trigger, const Command&)>& visit);

// "label" for the trigger's own node, else "label: text".
std::string PlaceText(const Scenario& scenario, int trigger, const Command& command);

}  // namespace sced
