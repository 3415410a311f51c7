#include "editing/scenario_tree.h"

#include "core/string_table.h"
#include "declarations/function_template.h"
#include "model/command_tree.h"
#include "model/scenario.h"

namespace sced {

namespace {

TreeNode Node(std::string text) { return TreeNode{std::move(text), {}}; }

// A command's node: in the warning colour when it names a zone or group the
// map does not have, so that the designer sees what the game cannot run.
TreeNode CommandNode(const Command& command, const char* colour) {
    return Node((HoldsLostCall(command) ? "&c" : colour) + command.text);
}

TreeNode ConditionsNode(const std::string& label, const ConditionList& conditions) {
    TreeNode node = Node("&w" + label);
    for (const auto& condition : conditions.list) node.children.push_back(CommandNode(*condition, "&y"));
    if (conditions.list.empty()) node.children.push_back(Node("&y" + Lookup("txtALWAYS")));
    return node;
}

TreeNode CommandsNode(const std::string& label, const CommandSeq& commands) {
    TreeNode node = Node("&w" + label);
    for (const auto& command : commands) node.children.push_back(CommandNode(*command, ""));
    return node;
}

}  // namespace

TreeNode BuildTriggerNode(Scenario& scenario, CommandBlock& trigger) {
    TreeNode node = Node("&b" + trigger.text);
    node.children.push_back(ConditionsNode(Lookup("txtCONDITION"), trigger.conditions));
    TreeNode actions = Node("&w" + Lookup("txtACTION"));
    for (const auto& action : trigger.actions) {
        auto* ifBlock = dynamic_cast<IfBlock*>(action.get());
        if (!ifBlock) {
            actions.children.push_back(CommandNode(*action, ""));
            continue;
        }
        ifBlock->UpdateText(scenario);
        TreeNode ifNode = CommandNode(*ifBlock, "");
        ifNode.children.push_back(ConditionsNode(Lookup("txtIF"), ifBlock->conditions));
        ifNode.children.push_back(CommandsNode(Lookup("txtTHEN"), ifBlock->thenCommands));
        ifNode.children.push_back(CommandsNode(Lookup("txtELSE"), ifBlock->elseCommands));
        actions.children.push_back(std::move(ifNode));
    }
    node.children.push_back(std::move(actions));
    return node;
}

Tree BuildScenarioTree(Scenario& scenario) {
    Tree tree;
    for (const auto& entry : scenario.triggers)
        if (auto* trigger = dynamic_cast<CommandBlock*>(entry.get())) tree.push_back(BuildTriggerNode(scenario, *trigger));
    return tree;
}

namespace {

bool Offered(const Template& function, bool conditions, bool insideIfBlock) {
    if (function.isCondition != conditions) return false;
    if (conditions && function.name == "AskQuestionEx" && !insideIfBlock) return false;
    return conditions || function.name != "IfBlock" || !insideIfBlock;
}

}  // namespace

Tree BuildChooserTree(const std::vector<Template>& functions, bool conditions, bool insideIfBlock) {
    Tree tree;
    for (const Template& function : functions) {
        if (!Offered(function, conditions, insideIfBlock)) continue;
        if (tree.empty() || tree.back().text != function.menuGroup) tree.push_back(Node(function.menuGroup));
        tree.back().children.push_back(Node(function.listText));
    }
    return tree;
}

const Template* ChooserFunctionAt(const std::vector<Template>& functions, bool conditions, bool insideIfBlock,
                                  int group, int function) {
    int groupAt = -1;
    int functionAt = -1;
    const std::string* groupText = nullptr;
    for (const Template& candidate : functions) {
        if (!Offered(candidate, conditions, insideIfBlock)) continue;
        if (!groupText || *groupText != candidate.menuGroup) {
            groupText = &candidate.menuGroup;
            ++groupAt;
            functionAt = -1;
        }
        ++functionAt;
        if (groupAt == group && functionAt == function) return &candidate;
    }
    return nullptr;
}

}  // namespace sced
