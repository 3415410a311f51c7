#include "editing/scenario_tree.h"

#include "core/code_page.h"
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

std::optional<std::string> CommandNodeText(Scenario& scenario, const TreePath& path) {
    auto at = [](CommandSeq& list, int i) { return i >= 0 && i < list.count() ? &list.At(i) : nullptr; };
    auto* trigger = path[0] >= 0 && path[0] < scenario.triggers.count()
                        ? dynamic_cast<CommandBlock*>(&scenario.triggers.At(path[0]))
                        : nullptr;
    if (!trigger) return std::nullopt;
    if (path[1] == 0 && path[3] < 0) {
        Command* condition = at(trigger->conditions.list, path[2]);
        if (!condition) return std::nullopt;
        trigger->conditions.UpdateText(scenario);
        return CommandNode(*condition, "&y").text;
    }
    Command* action = path[1] == 1 ? at(trigger->actions, path[2]) : nullptr;
    if (!action || path[3] < 0) {
        if (action) action->UpdateText(scenario);
        return action ? std::optional(CommandNode(*action, "").text) : std::nullopt;
    }
    auto* ifBlock = dynamic_cast<IfBlock*>(action);
    if (!ifBlock) return std::nullopt;
    CommandSeq* lists[] = {&ifBlock->conditions.list, &ifBlock->thenCommands, &ifBlock->elseCommands};
    Command* command = path[3] <= 2 ? at(*lists[path[3]], path[4]) : nullptr;
    if (!command) return std::nullopt;
    // The IF block's own text holds its conditions'.
    ifBlock->UpdateText(scenario);
    return CommandNode(*command, path[3] == 0 ? "&y" : "").text;
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

bool Matches(const Template& function, std::string_view foldedFilter) {
    return ContainsIgnoringCase(function.listText, foldedFilter) || ContainsIgnoringCase(function.text, foldedFilter) ||
           ContainsIgnoringCase(function.name, foldedFilter);
}

struct ChooserGroup {
    const std::string* name;
    int run;  // which run of one menu group, filtered or not
    std::vector<const Template*> functions;
};

// The offered functions in runs of one menu group each, in file order; with
// a filter, only the functions that match it and the runs that keep one.
std::vector<ChooserGroup> ChooserGroups(const std::vector<Template>& functions, bool conditions, bool insideIfBlock,
                                        std::string_view foldedFilter) {
    std::vector<ChooserGroup> groups;
    const std::string* group = nullptr;
    int run = -1;
    for (const Template& function : functions) {
        if (!Offered(function, conditions, insideIfBlock)) continue;
        if (!group || *group != function.menuGroup) ++run;
        group = &function.menuGroup;
        if (!Matches(function, foldedFilter)) continue;
        if (groups.empty() || groups.back().run != run) groups.push_back({group, run, {}});
        groups.back().functions.push_back(&function);
    }
    return groups;
}

// The function's line in the chooser: its list text, with its name beside it
// when another offered function has the same list text (and its sentence
// when the name is shared too), so that the designer can tell them apart.
std::string ChooserText(const Template& function, const std::vector<Template>& functions, bool conditions,
                        bool insideIfBlock) {
    bool sameList = false, sameName = false;
    for (const Template& other : functions) {
        if (&other == &function || !Offered(other, conditions, insideIfBlock) || other.listText != function.listText)
            continue;
        sameList = true;
        sameName = sameName || other.name == function.name;
    }
    if (!sameList) return function.listText;
    return function.listText + " (" + (sameName ? function.text : function.name) + ")";
}

}  // namespace

Tree BuildChooserTree(const std::vector<Template>& functions, bool conditions, bool insideIfBlock,
                      std::string_view foldedFilter) {
    Tree tree;
    for (const ChooserGroup& group : ChooserGroups(functions, conditions, insideIfBlock, foldedFilter)) {
        tree.push_back(Node(*group.name));
        for (const Template* function : group.functions)
            tree.back().children.push_back(Node(ChooserText(*function, functions, conditions, insideIfBlock)));
    }
    return tree;
}

const Template* ChooserFunctionAt(const std::vector<Template>& functions, bool conditions, bool insideIfBlock,
                                  int group, int function, std::string_view foldedFilter) {
    std::vector<ChooserGroup> groups = ChooserGroups(functions, conditions, insideIfBlock, foldedFilter);
    if (group < 0 || group >= static_cast<int>(groups.size())) return nullptr;
    const std::vector<const Template*>& offered = groups[static_cast<std::size_t>(group)].functions;
    if (function < 0 || function >= static_cast<int>(offered.size())) return nullptr;
    return offered[static_cast<std::size_t>(function)];
}

}  // namespace sced
