#include "editing/mission_problems.h"

#include <unordered_map>

#include "core/editor_texts.h"
#include "declarations/function_template.h"
#include "files/script_check.h"
#include "model/command_tree.h"
#include "model/scenario.h"

namespace sced {

namespace {

// The tree node of every call: its own, or that of the nested IF block the
// tree shows it in.
std::unordered_map<const TermCommand*, TreePath> NodesOfCalls(const Scenario& scenario) {
    std::unordered_map<const TermCommand*, TreePath> nodes;
    ForEachTreeCommand(scenario, [&](const TreePath& path, int, const Command& command) {
        if (command.kind == kTermCommand) nodes.emplace(static_cast<const TermCommand*>(&command), path);
        if (command.kind == kIfBlockCommand && path[4] >= 0)
            ForEachCall(command, [&](const TermCommand& call) { nodes.emplace(&call, path); });
    });
    return nodes;
}

TreePath TriggerLabelled(const Scenario& scenario, const std::string& label) {
    for (int t = 0; t < scenario.triggers.count(); ++t)
        if (scenario.triggers.At(t).text == label) return PathTo({t});
    return kNoTreePath;
}

}  // namespace

std::vector<MissionProblem> MissionProblems(const Scenario& scenario) {
    std::vector<MissionProblem> problems;
    for (const LeftOutCommand& command : scenario.leftOut)
        problems.push_back({Say(text::kLeftOut, {command.function, command.trigger, command.name}),
                            TriggerLabelled(scenario, command.trigger),
                            {command.trigger, command.function, command.name}});
    if (scenario.scriptUnread)
        problems.push_back({Say(text::kScriptUnread)});
    for (const std::string& change : scenario.readingChanges) problems.push_back({change});
    std::vector<ScriptProblem> unsaved = PlacedScriptProblems(scenario);
    bool placed = false;
    for (const auto& trigger : scenario.triggers)
        ForEachCall(*trigger, [&](const TermCommand& call) { placed = placed || call.lost != 0; });
    for (const ScriptProblem& problem : unsaved) placed = placed || problem.call;
    // The walk that places calls costs as much as the check: only when needed.
    std::unordered_map<const TermCommand*, TreePath> nodes;
    if (placed) nodes = NodesOfCalls(scenario);
    auto nodeOf = [&](const TermCommand* call) {
        auto found = nodes.find(call);
        return found == nodes.end() ? kNoTreePath : found->second;
    };
    for (const auto& trigger : scenario.triggers)
        ForEachCall(*trigger, [&](const TermCommand& call) {
            if (call.lost == 0) return;
            std::vector<std::string> fields = {trigger->text, call.function ? call.function->name : std::string()};
            std::string names;
            for (int i = 0; i < call.argCount; ++i) {
                if (!call.IsLost(i)) continue;
                const std::string& name = call.argText[static_cast<std::size_t>(i)];
                names += (names.empty() ? "\"" : ", \"") + name + "\"";
                fields.push_back(name);
            }
            problems.push_back({Say(text::kLostNames, {fields[1], trigger->text, names}),
                                nodeOf(&call), std::move(fields)});
        });
    for (ScriptProblem& problem : unsaved) {
        TreePath path = problem.call ? nodeOf(problem.call) : problem.trigger >= 0 ? PathTo({problem.trigger}) : kNoTreePath;
        problems.push_back({std::move(problem.text), path});
    }
    return problems;
}

}  // namespace sced
