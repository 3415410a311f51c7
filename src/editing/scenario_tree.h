#pragma once

#include <vector>

#include "core/tree_node.h"

namespace sced {

class Scenario;
class Template;

// The main window's tree: per trigger "&b" and its label, with the
// "&w" condition and action sections; conditions are "&y" lines.
Tree BuildScenarioTree(Scenario& scenario);

// The function chooser: one node per menu group, in order of first
// appearance, with the listing texts of its functions. "AskQuestionEx" is
// offered only inside an IF block, "IfBlock" only outside one.
Tree BuildChooserTree(const std::vector<Template>& functions, bool conditions, bool insideIfBlock);

}  // namespace sced
