#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/tree_path.h"
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

// The text of the command node at the path, its command's text formed
// anew first (a condition of the trigger forms its list's text anew too);
// nothing when the path names no command's node.
std::optional<std::string> CommandNodeText(Scenario& scenario, const TreePath& path);

// The function chooser: one node per run of functions of one menu group,
// with the list texts of its functions (and a function's name beside it
// when another offered function has the same list text). "AskQuestionEx" is
// offered only inside an IF block, "IfBlock" only outside one. With a
// filter (folded, FoldCase), only the functions whose list text, sentence
// or name holds it, and the groups that keep one.
Tree BuildChooserTree(const std::vector<Template>& functions, bool conditions, bool insideIfBlock,
                      std::string_view foldedFilter = {});
// The function at the chooser tree's path (group, function); null when the
// path does not name one.
const Template* ChooserFunctionAt(const std::vector<Template>& functions, bool conditions, bool insideIfBlock,
                                  int group, int function, std::string_view foldedFilter = {});

}  // namespace sced
