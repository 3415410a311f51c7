#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editing/mission_place.h"

namespace sced {

struct Selection;
class TermCommand;

// A named thing of the mission that arguments refer to: an item of one of
// the groups "zones", "groups" (map groups only), "dyngroups", "switches",
// "timers", "objectives", "players", or a trigger ("blocks").
struct NamedThing {
    std::string group;
    int item = -1;
    bool operator==(const NamedThing&) const = default;
};

// Whether arguments of the group name things (a zone, a trigger ...).
bool IsNamedGroup(std::string_view group);
// The thing argument i of the call names; nothing (an empty group) for an
// argument that names none, or a zone or group the map lost.
NamedThing ThingOfArgument(const Scenario& scenario, const TermCommand& call, int i);
// The things the call's arguments name, once each, in argument order. A
// "groups" argument past the map's groups names a dynamic group.
std::vector<NamedThing> ThingsNamedBy(const Scenario& scenario, const TermCommand& call);
// The things of the selection: the selected trigger itself, or what the
// selected command's arguments name. Nothing for a list node.
std::vector<NamedThing> ThingsOfSelection(const Scenario& scenario, const Selection& selection);
// Every thing of that name, in the group order above.
std::vector<NamedThing> ThingsNamed(const Scenario& scenario, std::string_view name);

// What a designer calls an item of the group: "Timer" for "timers".
std::string_view ThingKind(std::string_view group);
// The thing's name: the item's text, the trigger's label.
std::string ThingName(const Scenario& scenario, const NamedThing& thing);
// `Timer "Attack clock"`: the kind of the thing and its name.
std::string ThingHeading(const Scenario& scenario, const NamedThing& thing);
// The commands that name the thing, in tree order, each once.
std::vector<MissionPlace> UsesOf(const Scenario& scenario, const NamedThing& thing);

// The uses of every thing of the mission, found in one walk: a list that
// shows the uses of the item it stands on asks here at each step instead
// of walking the mission again.
class UsesIndex {
public:
    explicit UsesIndex(const Scenario& scenario);
    // The commands that name the thing, in tree order, each once (those of
    // UsesOf).
    const std::vector<MissionPlace>& Of(const NamedThing& thing) const;

private:
    std::map<std::pair<std::string, int>, std::vector<MissionPlace>> uses_;
};

// The uses of several things, a heading each.
struct ThingUses {
    std::string heading;
    std::vector<MissionPlace> uses;
};
std::vector<ThingUses> UsesOfAll(const Scenario& scenario, const std::vector<NamedThing>& things);

}  // namespace sced
