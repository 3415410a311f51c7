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
// block nested in THEN or ELSE as one node), with its path. The lists hand
// out their commands for change, as the step needs them.
void ForEachNode(const Scenario& scenario, const std::function<void(const TreePath&, Command&)>& visit) {
    auto each = [&](const CommandSeq& list, TreePath path, std::size_t level) {
        path[level] = 0;
        for (const auto& command : list) {
            visit(path, *command);
            ++path[level];
        }
    };
    for (int t = 0; t < scenario.triggers.count(); ++t) {
        const auto* trigger = dynamic_cast<const CommandBlock*>(&scenario.triggers.At(t));
        if (!trigger) continue;
        each(trigger->conditions.list, PathTo({t, 0}), 2);
        int a = 0;
        for (const auto& action : trigger->actions) {
            if (const auto* block = dynamic_cast<const IfBlock*>(action.get())) {
                each(block->conditions.list, PathTo({t, 1, a, 0}), 4);
                each(block->thenCommands, PathTo({t, 1, a, 1}), 4);
                each(block->elseCommands, PathTo({t, 1, a, 2}), 4);
            } else {
                visit(PathTo({t, 1, a}), *action);
            }
            ++a;
        }
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
    ReplaceArguments(std::vector<ArgumentChange> changes, std::vector<TreePath> nodes)
        : changes_(std::move(changes)), nodes_(std::move(nodes)) {}

    void Redo(Scenario&) override { Exchange(); }
    void Undo(Scenario&) override { Exchange(); }
    TreeEffect Effect(bool) const override {
        TreeEffect effect{TreeEffect::kNodeTexts, -1, -1, std::nullopt};
        effect.nodes = nodes_;
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
    std::vector<TreePath> nodes_;
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
    ForEachNode(scenario, [&](const TreePath&, Command& node) {
        bool changed = false;
        ForEachReplaced(scenario, node, from, to, [&](TermCommand&, int) { changed = true; });
        commands += changed ? 1 : 0;
    });
    return commands;
}

std::unique_ptr<EditStep> ReplaceUsesStep(Scenario& scenario, const NamedThing& from, const NamedThing& to) {
    if (!CanReplace(from, to) || !Exists(scenario, from) || !Exists(scenario, to)) return nullptr;
    std::vector<ArgumentChange> changes;
    std::vector<TreePath> nodes;
    TreePath lastIfBlock = kNoTreePath;
    ForEachNode(scenario, [&](const TreePath& path, Command& node) {
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
            // An IF block's node shows its conditions, which the walk
            // visits one after the other.
            const TreePath ifBlock = PathTo({path[0], 1, path[2]});
            if (path[3] == 0 && ifBlock != lastIfBlock) nodes.push_back(lastIfBlock = ifBlock);
            if (nodes.empty() || nodes.back() != path) nodes.push_back(path);
        });
    });
    if (changes.empty()) return nullptr;
    return std::make_unique<ReplaceArguments>(std::move(changes), std::move(nodes));
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
