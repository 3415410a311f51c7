#pragma once

#include <vector>

#include "core/tree_node.h"

namespace sced {

class CommandBlock;
class Scenario;
class Template;

// The main window's tree: per trigger "&b" and its label, with the
// "&w" condition and action sections; conditions are "&y" lines. A command
// that names a zone or group the map does not have is a "&c" line.
Tree BuildScenarioTree(Scenario& scenario);
// The node of one trigger in that tree.
TreeNode BuildTriggerNode(Scenario& scenario, CommandBlock& trigger);

// The function chooser: one node per menu group, in order of first
// appearance, with the listing texts of its functions. "AskQuestionEx" is
// offered only inside an IF block, "IfBlock" only outside one.
Tree BuildChooserTree(const std::vector<Template>& functions, bool conditions, bool insideIfBlock);
// The function at the chooser tree's path (group, function); null when the
// path does not name one.
const Template* ChooserFunctionAt(const std::vector<Template>& functions, bool conditions, bool insideIfBlock,
                                  int group, int function);

}  // namespace sced
