// What the mission script cannot carry: each check stands for a way in which
// the parser would read back something other than what was written.

#include "files/script_check.h"

#include "core/scenario_error.h"
#include "core/text_reader.h"
#include "declarations/function_template.h"
#include "model/argument_text.h"
#include "model/command_tree.h"
#include "model/scenario.h"
#include "model/written_names.h"

namespace sced {

namespace {

// Whether every value of the call lies inside its list, so that the script
// names only what exists.
bool ValueFits(const Scenario& scenario, const TermCommand& command, const Template& function, int i) {
    auto slot = static_cast<std::size_t>(i);
    std::int32_t value = command.args[slot];
    const std::string& group = function.argGroup[slot];
    const ObjectGroups& groups = scenario.objectGroups;
    if (function.form == FormCompare && i == function.argCount - 2 && (value < 0 || value > 3)) return false;
    if (function.argKind[slot] == KindGroup) {
        if (group == "groups")
            return value >= 0 && value < groups.GetGroup("groups").count() + groups.GetGroup("dyngroups").count();
        if (group == "blocks") return value >= 0 && value < scenario.triggers.count();
        int found = groups.FindGroup(group);
        return found >= 0 && groups[found].items.Contains(value);
    }
    if (group == "unittypes") return scenario.lists.UnitTypeAt(value) != nullptr;
    if (function.argKind[slot] != KindGroupNumber) return true;
    if (group == "upgrades") return scenario.lists.UpgradeAt(value) != nullptr;
    if (group == "formations") return scenario.lists.FormationAt(value) != nullptr;
    return true;
}

// Whether the parser reads the name back as written when it stands as an
// argument: the script does not quote names, so a comma, an unmatched ")",
// outer blanks or a start that reads as a number, string or operator would
// turn it into something else, and a control character would break its line.
bool NameReadsBack(std::string_view name) {
    if (!NameLineReadsBack(name)) return false;
    char first = name.front();
    if (std::string_view(" %\"'=<>").find(first) != std::string_view::npos || (first >= '0' && first <= '9'))
        return false;
    if (name.starts_with("!=") || (first == '-' && name.size() > 1 && name[1] >= '0' && name[1] <= '9'))
        return false;
    std::string probe = std::string(name) + " )";
    std::string read;
    ReadArgText(probe, read);
    return read == name;
}

bool IsNamedGroup(const std::string& group) { return group == "zones" || group == "groups" || group == "dyngroups"; }

std::string CannotBeWritten(const std::string& name, const std::string& where) {
    return "The name \"" + ReadableName(name) + "\" of " + where + " cannot be written to the mission script.";
}

class ProblemList {
public:
    explicit ProblemList(const Scenario& scenario) : scenario_(scenario) {}

    // The names as written: an empty one that has a default is written as that.
    void Names(std::string_view group, std::string_view section) {
        const StringList& items = scenario_.objectGroups.GetGroup(group);
        for (int i = 0; i < items.count(); ++i)
            if (std::string name = WrittenName(scenario_, group, i); !NameLineReadsBack(name))
                problems.push_back({CannotBeWritten(name, "the " + std::string(group) + " (section " +
                                                              std::string(section) + ")")});
    }

    void Commands(const CommandSeq& commands, int trigger) {
        for (const auto& command : commands) {
            if (const auto* ifBlock = dynamic_cast<const IfBlock*>(command.get())) {
                Commands(ifBlock->conditions.list, trigger);
                Commands(ifBlock->thenCommands, trigger);
                Commands(ifBlock->elseCommands, trigger);
            } else if (const auto* call = dynamic_cast<const TermCommand*>(command.get())) {
                Call(*call, trigger);
            }
        }
    }

    std::vector<ScriptProblem> problems;

private:
    void Call(const TermCommand& call, int triggerPosition) {
        const std::string& trigger = scenario_.triggers.At(triggerPosition).text;
        auto add = [&](std::string text) { problems.push_back({std::move(text), triggerPosition, &call}); };
        if (!call.function) {
            add("A command of the trigger \"" + ReadableName(trigger) + "\" has no function.");
            return;
        }
        const Template& function = *call.function;
        for (int i = 0; i < function.argCount && i < call.argCount; ++i) {
            auto slot = static_cast<std::size_t>(i);
            std::string where = "argument " + std::to_string(i + 1) + " of " + function.name + " in the trigger \"" +
                                ReadableName(trigger) + "\"";
            // A zone or group the map lost is written by the name it had.
            if (!call.IsLost(i) && !ValueFits(scenario_, call, function, i)) {
                add("The value of " + where + " lies outside its list.");
                continue;
            }
            if (function.argKind[slot] != KindGroup || !IsNamedGroup(function.argGroup[slot])) continue;
            std::string name = GetObjectString(scenario_, call, i);
            if (!NameReadsBack(name)) add(CannotBeWritten(name, where));
        }
    }

    const Scenario& scenario_;
};

}  // namespace

std::vector<ScriptProblem> LeadingScriptProblems(const Scenario& scenario) {
    ProblemList list(scenario);
    list.Names("groups", "UNITS");
    list.Names("zones", "#ZONES");
    list.Names("dyngroups", "#DYNGROUPS");
    return std::move(list.problems);
}

std::vector<ScriptProblem> TriggerScriptProblems(const Scenario& scenario, int trigger) {
    ProblemList list(scenario);
    if (const auto* block = dynamic_cast<const CommandBlock*>(&scenario.triggers.At(trigger))) {
        list.Commands(block->conditions.list, trigger);
        list.Commands(block->actions, trigger);
    }
    return std::move(list.problems);
}

std::vector<ScriptProblem> TrailingScriptProblems(const Scenario& scenario) {
    ProblemList list(scenario);
    for (int i = 0; i < scenario.triggers.count(); ++i) {
        std::string label = WrittenTriggerLabel(scenario, i);
        if (!NameLineReadsBack(label))
            list.problems.push_back(
                {CannotBeWritten(label, "trigger " + std::to_string(i + 1) + " (section #TRIGGERS)"), i});
    }
    list.Names("switches", "#SWITCHES");
    list.Names("timers", "#TIMERS");
    list.Names("players", "#PLAYERS");
    return std::move(list.problems);
}

std::vector<ScriptProblem> PlacedScriptProblems(const Scenario& scenario) {
    std::vector<ScriptProblem> problems = LeadingScriptProblems(scenario);
    auto add = [&](std::vector<ScriptProblem> more) {
        problems.insert(problems.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    };
    for (int t = 0; t < scenario.triggers.count(); ++t) add(TriggerScriptProblems(scenario, t));
    add(TrailingScriptProblems(scenario));
    return problems;
}

std::vector<std::string> ScriptProblems(const Scenario& scenario) {
    std::vector<std::string> texts;
    for (ScriptProblem& problem : PlacedScriptProblems(scenario)) texts.push_back(std::move(problem.text));
    return texts;
}

void CheckScriptCanBeSaved(const Scenario& scenario) {
    std::vector<std::string> problems = ScriptProblems(scenario);
    if (!problems.empty()) Fail(problems.front());
}

}  // namespace sced
