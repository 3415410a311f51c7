#include "editing/replace_uses.h"

#include <cstdint>
#include <functional>
#include <utility>

#include "declarations/function_template.h"
#include "model/command_tree.h"
#include "model/scenario.h"

namespace sced {

namespace {

bool GroupsFit(std::string_view from, std::string_view to) {
    auto groups = [](std::string_view g) { return g == "groups" || g == "dyngroups"; };
    return from == to || (groups(from) && groups(to));
}

int ItemCount(const Scenario& scenario, std::string_view group) {
    return group == "blocks" ? scenario.triggers.count() : scenario.objectGroups.GetGroup(std::string(group)).count();
}

bool Exists(const Scenario& scenario, const NamedThing& thing) {
    return thing.item >= 0 && thing.item < ItemCount(scenario, thing.group);
}

// Whether an argument declared of the group takes the thing.
bool Takes(std::string_view argGroup, const NamedThing& thing) {
    return argGroup == thing.group || (argGroup == "groups" && thing.group == "dyngroups");
}

// The value that names the thing in an argument of the group: a dynamic
// group in an argument of map groups comes after the map's groups.
std::int32_t ValueFor(const Scenario& scenario, std::string_view argGroup, const NamedThing& thing) {
    if (argGroup == "groups" && thing.group == "dyngroups")
        return scenario.objectGroups.GetGroup("groups").count() + thing.item;
    return thing.item;
}

// Each node of the mission's commands as the tree shows it (a call; an IF
// block nested in THEN or ELSE as one node), with its trigger's position.
// The lists hand out their commands for change, as the step needs them.
void ForEachNode(const Scenario& scenario, const std::function<void(int, Command&)>& visit) {
    auto each = [&](const CommandSeq& list, int t) {
        for (const auto& command : list) visit(t, *command);
    };
    int t = 0;
    for (const auto& command : scenario.triggers) {
        if (const auto* trigger = dynamic_cast<const CommandBlock*>(command.get())) {
            each(trigger->conditions.list, t);
            for (const auto& action : trigger->actions) {
                if (const auto* block = dynamic_cast<const IfBlock*>(action.get())) {
                    each(block->conditions.list, t);
                    each(block->thenCommands, t);
                    each(block->elseCommands, t);
                } else {
                    visit(t, *action);
                }
            }
        }
        ++t;
    }
}

// Calls the function for each argument of the node that names `from` and
// takes `to`.
void ForEachReplaced(const Scenario& scenario, Command& node, const NamedThing& from, const NamedThing& to,
                     const std::function<void(TermCommand&, int)>& visit) {
    ForEachCall(node, [&](TermCommand& call) {
        if (!call.function) return;
        for (int i = 0; i < call.function->argCount && i < call.argCount; ++i)
            if (Takes(call.function->argGroup[static_cast<std::size_t>(i)], to) &&
                ThingOfArgument(scenario, call, i) == from)
                visit(call, i);
    });
}

// An argument as it was and as the replace leaves it.
struct ArgumentChange {
    TermCommand* call;
    std::size_t slot;
    std::int32_t value;  // the value the argument does not hold now
    std::string text;    // and the name recorded with it
};

class ReplaceArguments : public EditStep {
public:
    ReplaceArguments(std::vector<ArgumentChange> changes, std::vector<int> triggers)
        : changes_(std::move(changes)), triggers_(std::move(triggers)) {}

    void Redo(Scenario&) override { Exchange(); }
    void Undo(Scenario&) override { Exchange(); }
    TreeEffect Effect(bool) const override {
        if (triggers_.size() == 1) return TreeEffect{TreeEffect::kTrigger, triggers_.front(), -1, std::nullopt};
        TreeEffect effect{TreeEffect::kTriggers, -1, -1, std::nullopt};
        effect.triggers = triggers_;
        return effect;
    }

private:
    void Exchange() {
        for (ArgumentChange& change : changes_) {
            std::swap(change.call->args[change.slot], change.value);
            std::swap(change.call->argText[change.slot], change.text);
        }
    }

    std::vector<ArgumentChange> changes_;
    std::vector<int> triggers_;
};

}  // namespace

bool CanReplace(const NamedThing& from, const NamedThing& to) {
    return from != to && from.item >= 0 && to.item >= 0 && GroupsFit(from.group, to.group);
}

std::vector<NamedThing> Replacements(const Scenario& scenario, const NamedThing& from) {
    std::vector<NamedThing> things;
    std::vector<std::string> groups = {from.group};
    if (from.group == "groups" || from.group == "dyngroups") groups = {"groups", "dyngroups"};
    for (const std::string& group : groups)
        for (int i = 0; i < ItemCount(scenario, group); ++i)
            if (NamedThing thing{group, i}; CanReplace(from, thing)) things.push_back(std::move(thing));
    return things;
}

int CommandsReplaced(const Scenario& scenario, const NamedThing& from, const NamedThing& to) {
    if (!CanReplace(from, to) || !Exists(scenario, from) || !Exists(scenario, to)) return 0;
    int commands = 0;
    ForEachNode(scenario, [&](int, Command& node) {
        bool changed = false;
        ForEachReplaced(scenario, node, from, to, [&](TermCommand&, int) { changed = true; });
        commands += changed ? 1 : 0;
    });
    return commands;
}

std::unique_ptr<EditStep> ReplaceUsesStep(Scenario& scenario, const NamedThing& from, const NamedThing& to) {
    if (!CanReplace(from, to) || !Exists(scenario, from) || !Exists(scenario, to)) return nullptr;
    std::vector<ArgumentChange> changes;
    std::vector<int> triggers;
    ForEachNode(scenario, [&](int t, Command& node) {
        ForEachReplaced(scenario, node, from, to, [&](TermCommand& call, int i) {
            auto slot = static_cast<std::size_t>(i);
            // SetArg records the name a zone or map group is written with;
            // the step keeps what it made, and the call stays as it was
            // until the step is done.
            ArgumentChange change{&call, slot, call.args[slot], call.argText[slot]};
            call.SetArg(scenario, i, ValueFor(scenario, call.function->argGroup[slot], to));
            std::swap(call.args[slot], change.value);
            std::swap(call.argText[slot], change.text);
            changes.push_back(std::move(change));
            if (triggers.empty() || triggers.back() != t) triggers.push_back(t);
        });
    });
    if (changes.empty()) return nullptr;
    return std::make_unique<ReplaceArguments>(std::move(changes), std::move(triggers));
}

bool ReplaceInCommand(const Scenario& scenario, Command& command, const NamedThing& from, const NamedThing& to) {
    if (!CanReplace(from, to) || !Exists(scenario, from) || !Exists(scenario, to)) return false;
    bool changed = false;
    ForEachReplaced(scenario, command, from, to, [&](TermCommand& call, int i) {
        call.SetArg(scenario, i, ValueFor(scenario, call.function->argGroup[static_cast<std::size_t>(i)], to));
        changed = true;
    });
    return changed;
}

ReplaceNames FindReplaceNames(const Scenario& scenario, std::string_view from, std::string_view to) {
    const std::vector<NamedThing> froms = ThingsNamed(scenario, from);
    const std::vector<NamedThing> tos = ThingsNamed(scenario, to);
    ReplaceNames names;
    for (auto [things, name] : {std::pair{&froms, from}, std::pair{&tos, to}})
        if (things->empty()) {
            names.problem = "there is nothing named \"" + std::string(name) + "\"";
            return names;
        }
    // Things of one group first; a map group and a dynamic group only when
    // the names have nothing else in common.
    for (bool sameGroup : {true, false}) {
        std::vector<std::pair<NamedThing, NamedThing>> pairs;
        for (const NamedThing& f : froms)
            for (const NamedThing& t : tos)
                if ((f.group == t.group) == sameGroup && GroupsFit(f.group, t.group)) pairs.emplace_back(f, t);
        if (pairs.size() == 1) {
            names.from = pairs.front().first;
            names.to = pairs.front().second;
            return names;
        }
        if (pairs.size() > 1) {
            names.problem = "the names fit more than one pair of things:";
            for (const auto& [f, t] : pairs)
                names.problem += (&f == &pairs.front().first ? " " : ", ") + ThingHeading(scenario, f) + " by " +
                                 ThingHeading(scenario, t);
            return names;
        }
    }
    names.problem = ThingHeading(scenario, froms.front()) + " cannot be replaced by " +
                    ThingHeading(scenario, tos.front()) + ": a use takes only another of its kind";
    return names;
}

}  // namespace sced
