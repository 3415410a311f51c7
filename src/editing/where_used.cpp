#include "editing/where_used.h"

#include <algorithm>
#include <array>
#include <utility>

#include "declarations/function_template.h"
#include "editing/selection.h"
#include "model/command_tree.h"
#include "model/scenario.h"

namespace sced {

namespace {

// The groups whose items arguments refer to by name, with what a designer
// calls one of their items.
constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kNamedGroups = {{
    {"zones", "Zone"},
    {"groups", "Map group"},
    {"dyngroups", "Dynamic group"},
    {"switches", "Switch"},
    {"timers", "Timer"},
    {"objectives", "Objective"},
    {"players", "Player"},
    {"blocks", "Trigger"},
}};

bool Names(const Scenario& scenario, const Command& command, const NamedThing& thing) {
    bool found = false;
    ForEachCall(command, [&](const TermCommand& call) {
        if (found || !call.function) return;
        for (int i = 0; i < call.function->argCount && i < call.argCount && !found; ++i)
            found = ThingOfArgument(scenario, call, i) == thing;
    });
    return found;
}

}  // namespace

bool IsNamedGroup(std::string_view group) {
    return std::any_of(kNamedGroups.begin(), kNamedGroups.end(), [&](const auto& g) { return g.first == group; });
}

std::string ThingName(const Scenario& scenario, const NamedThing& thing) {
    if (thing.group == "blocks")
        return thing.item >= 0 && thing.item < scenario.triggers.count() ? scenario.triggers.At(thing.item).text
                                                                          : std::string();
    const StringList& items = scenario.objectGroups.GetGroup(thing.group);
    return items.Contains(thing.item) ? items[thing.item] : std::string();
}

NamedThing ThingOfArgument(const Scenario& scenario, const TermCommand& call, int i) {
    const Template& function = *call.function;
    auto slot = static_cast<std::size_t>(i);
    if (function.argKind[slot] != KindGroup || call.IsLost(i)) return {};
    const std::string& group = function.argGroup[slot];
    if (!IsNamedGroup(group)) return {};
    NamedThing thing{group, call.args[slot]};
    if (group == "groups") {
        int mapGroups = scenario.objectGroups.GetGroup("groups").count();
        if (thing.item >= mapGroups) thing = NamedThing{"dyngroups", thing.item - mapGroups};
    }
    // A value outside its list (Check reports it) names nothing.
    int count = group == "blocks" ? scenario.triggers.count() : scenario.objectGroups.GetGroup(thing.group).count();
    return thing.item >= 0 && thing.item < count ? thing : NamedThing{};
}

std::vector<NamedThing> ThingsNamedBy(const Scenario& scenario, const TermCommand& call) {
    std::vector<NamedThing> things;
    if (!call.function) return things;
    for (int i = 0; i < call.function->argCount && i < call.argCount; ++i) {
        NamedThing thing = ThingOfArgument(scenario, call, i);
        if (!thing.group.empty() && std::find(things.begin(), things.end(), thing) == things.end())
            things.push_back(thing);
    }
    return things;
}

std::vector<NamedThing> ThingsOfSelection(const Scenario& scenario, const Selection& selection) {
    if (!selection.list || selection.index < 0 || selection.index >= selection.list->count()) return {};
    if (selection.kind == ListKind::kTriggers) return {NamedThing{"blocks", selection.index}};
    std::vector<NamedThing> things;
    ForEachCall(selection.list->At(selection.index), [&](const TermCommand& call) {
        for (NamedThing& thing : ThingsNamedBy(scenario, call))
            if (std::find(things.begin(), things.end(), thing) == things.end()) things.push_back(std::move(thing));
    });
    return things;
}

std::vector<NamedThing> ThingsNamed(const Scenario& scenario, std::string_view name) {
    std::vector<NamedThing> things;
    for (const auto& [group, kind] : kNamedGroups) {
        if (group == "blocks") {
            for (int t = 0; t < scenario.triggers.count(); ++t)
                if (scenario.triggers.At(t).text == name) things.push_back(NamedThing{"blocks", t});
            continue;
        }
        const StringList& items = scenario.objectGroups.GetGroup(group);
        for (int i = 0; i < items.count(); ++i)
            if (items[i] == name) things.push_back(NamedThing{std::string(group), i});
    }
    return things;
}

std::string_view ThingKind(std::string_view group) {
    for (const auto& [named, kind] : kNamedGroups)
        if (named == group) return kind;
    return group;
}

std::string ThingHeading(const Scenario& scenario, const NamedThing& thing) {
    return std::string(ThingKind(thing.group)) + " \"" + ThingName(scenario, thing) + "\"";
}

std::vector<MissionPlace> UsesOf(const Scenario& scenario, const NamedThing& thing) {
    std::vector<MissionPlace> uses;
    ForEachTreeCommand(scenario, [&](const TreePath& path, int trigger, const Command& command) {
        // A node of a call, or an IF block nested in THEN or ELSE, which the
        // tree shows as one item; an IF block's own conditions and lists
        // have nodes of their own.
        bool nestedBlock = command.kind == kIfBlockCommand && path[4] >= 0;
        if (command.kind != kTermCommand && !nestedBlock) return;
        if (Names(scenario, command, thing)) uses.push_back(MissionPlace{path, PlaceText(scenario, trigger, command)});
    });
    return uses;
}

UsesIndex::UsesIndex(const Scenario& scenario) {
    ForEachTreeCommand(scenario, [&](const TreePath& path, int trigger, const Command& command) {
        bool nestedBlock = command.kind == kIfBlockCommand && path[4] >= 0;
        if (command.kind != kTermCommand && !nestedBlock) return;
        std::vector<NamedThing> named;
        ForEachCall(command, [&](const TermCommand& call) {
            for (NamedThing& thing : ThingsNamedBy(scenario, call))
                if (std::find(named.begin(), named.end(), thing) == named.end()) named.push_back(std::move(thing));
        });
        for (const NamedThing& thing : named)
            uses_[{thing.group, thing.item}].push_back(MissionPlace{path, PlaceText(scenario, trigger, command)});
    });
}

const std::vector<MissionPlace>& UsesIndex::Of(const NamedThing& thing) const {
    static const std::vector<MissionPlace> kNone;
    auto found = uses_.find({thing.group, thing.item});
    return found == uses_.end() ? kNone : found->second;
}

std::vector<ThingUses> UsesOfAll(const Scenario& scenario, const std::vector<NamedThing>& things) {
    std::vector<ThingUses> all;
    for (const NamedThing& thing : things) all.push_back(ThingUses{ThingHeading(scenario, thing), UsesOf(scenario, thing)});
    return all;
}

}  // namespace sced
