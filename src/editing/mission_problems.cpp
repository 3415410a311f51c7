#include "editing/mission_problems.h"

#include <unordered_map>

#include "core/editor_texts.h"
#include "declarations/function_template.h"
#include "editing/change_trail.h"
#include "files/script_check.h"
#include "model/command_tree.h"
#include "model/scenario.h"

namespace sced {

namespace {

// The tree node of every call of the trigger: its own, or that of the
// nested IF block the tree shows it in.
std::unordered_map<const TermCommand*, TreePath> NodesOfCalls(const Scenario& scenario, int trigger) {
    std::unordered_map<const TermCommand*, TreePath> nodes;
    ForEachTreeCommandOf(scenario, trigger, [&](const TreePath& path, int, const Command& command) {
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
    MissionCheck check;
    return check.Follow(scenario, ChangeTrail{});
}

MissionCheck::OfTrigger MissionCheck::Check(const Scenario& scenario, int t) {
    OfTrigger found;
    const Command& trigger = scenario.triggers.At(t);
    std::vector<ScriptProblem> unsaved = TriggerScriptProblems(scenario, t);
    bool placed = !unsaved.empty();
    ForEachCall(trigger, [&](const TermCommand& call) { placed = placed || call.lost != 0; });
    // The walk that places calls costs as much as the check: only when needed.
    std::unordered_map<const TermCommand*, TreePath> nodes;
    if (placed) nodes = NodesOfCalls(scenario, t);
    auto nodeOf = [&](const TermCommand* call) {
        auto node = nodes.find(call);
        return node == nodes.end() ? PathTo({t}) : node->second;
    };
    ForEachCall(trigger, [&](const TermCommand& call) {
        if (call.lost == 0) return;
        std::vector<std::string> fields = {trigger.text, call.function ? call.function->name : std::string()};
        std::string names;
        for (int i = 0; i < call.argCount; ++i) {
            if (!call.IsLost(i)) continue;
            const std::string& name = call.argText[static_cast<std::size_t>(i)];
            names += (names.empty() ? "\"" : ", \"") + name + "\"";
            fields.push_back(name);
        }
        found.lost.push_back({Say(text::kLostNames, {fields[1], trigger.text, names}),
                              nodeOf(&call), std::move(fields)});
    });
    for (ScriptProblem& problem : unsaved)
        found.unsaved.push_back({std::move(problem.text), problem.call ? nodeOf(problem.call) : PathTo({t})});
    return found;
}

const std::vector<MissionProblem>& MissionCheck::Follow(const Scenario& scenario, const ChangeTrail& trail) {
    std::optional<std::vector<const Command*>> touched = trail.Since(seen_);
    seen_ = trail.count();
    if (!touched || scenario.triggers.count() != triggerCount_) byTrigger_.clear();
    else
        for (const Command* trigger : *touched) byTrigger_.erase(trigger);
    triggerCount_ = scenario.triggers.count();

    problems_.clear();
    for (const LeftOutCommand& command : scenario.leftOut)
        problems_.push_back({Say(text::kLeftOut, {command.function, command.trigger, command.name}),
                             TriggerLabelled(scenario, command.trigger),
                             {command.trigger, command.function, command.name}});
    if (scenario.scriptUnread)
        problems_.push_back({Say(text::kScriptUnread)});
    for (const std::string& change : scenario.readingChanges) problems_.push_back({change});

    // A trigger's problems move with it; those of a trigger taken out go.
    ++renewals_;
    std::vector<const OfTrigger*> inOrder;
    inOrder.reserve(static_cast<std::size_t>(triggerCount_));
    for (int t = 0; t < triggerCount_; ++t) {
        auto [known, added] = byTrigger_.try_emplace(&scenario.triggers.At(t));
        OfTrigger& found = known->second;
        if (added) found = Check(scenario, t);
        found.followed = renewals_;
        for (auto* list : {&found.lost, &found.unsaved})
            for (MissionProblem& problem : *list) problem.path[0] = t;
        inOrder.push_back(&found);
    }
    if (byTrigger_.size() > static_cast<std::size_t>(triggerCount_))
        std::erase_if(byTrigger_, [&](const auto& known) { return known.second.followed != renewals_; });
    auto copy = [&](const std::vector<MissionProblem>& problems) {
        problems_.insert(problems_.end(), problems.begin(), problems.end());
    };
    for (const OfTrigger* found : inOrder) copy(found->lost);
    auto asProblems = [](std::vector<ScriptProblem> unsaved) {
        std::vector<MissionProblem> problems;
        for (ScriptProblem& problem : unsaved)
            problems.push_back({std::move(problem.text), problem.trigger >= 0 ? PathTo({problem.trigger}) : kNoTreePath});
        return problems;
    };
    copy(asProblems(LeadingScriptProblems(scenario)));
    for (const OfTrigger* found : inOrder) copy(found->unsaved);
    copy(asProblems(TrailingScriptProblems(scenario)));
    return problems_;
}

}  // namespace sced
