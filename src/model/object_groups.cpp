#include "model/object_groups.h"

#include "core/scenario_error.h"
#include "core/string_table.h"

namespace sced {

namespace {

constexpr int kPlayerCount = 8;
constexpr int kDynGroupCount = 64;
constexpr int kObjectiveCount = 13;
constexpr int kSwitchCount = 256;
constexpr int kTimerCount = 32;
constexpr std::string_view kDynSuffix = "_Dyn";

void FillDynGroups(StringList& items) {
    FillNumbered(items, Lookup("txtDynGroup"), kDynGroupCount);
    for (std::string& item : items) item += kDynSuffix;
}

ObjectGroup MakeGroup(std::string_view name, bool renamable) {
    ObjectGroup group;
    group.name = name;
    group.renamable = renamable;
    return group;
}

}  // namespace

void FillNumbered(StringList& items, std::string_view base, int n) {
    if (n == -1) {
        for (int i = 0; i < items.count(); ++i) items[i] = std::string(base) + std::to_string(i);
        return;
    }
    items.Clear();
    for (int i = 0; i < n; ++i) items.Add(std::string(base) + std::to_string(i));
}

void ObjectGroups::Build(const std::vector<ObjectGroup>& declared) {
    groups_.Clear();
    index_.clear();
    for (std::size_t i = 0; i + 1 < declared.size(); ++i) Add(declared[i]);

    ObjectGroup group = MakeGroup("players", true);
    FillNumbered(group.items, Lookup("txtPlayer"), kPlayerCount);
    Add(group);
    group = MakeGroup("dyngroups", true);
    FillDynGroups(group.items);
    Add(group);
    group = MakeGroup("objectives", true);
    FillNumbered(group.items, Lookup("txtObjective"), kObjectiveCount);
    Add(group);
    group = MakeGroup("switches", true);
    FillNumbered(group.items, Lookup("txtSwitch"), kSwitchCount);
    Add(group);
    group = MakeGroup("timers", true);
    FillNumbered(group.items, Lookup("txtTimer"), kTimerCount);
    Add(group);
    Add(MakeGroup("zones", false));
    Add(MakeGroup("groups", true));
    Add(MakeGroup("blocks", false));

    if (!declared.empty()) Add(declared.back());
}

int ObjectGroups::FindGroup(std::string_view name) const {
    auto found = index_.find(name);
    return found == index_.end() ? -1 : found->second;
}

StringList& ObjectGroups::GetGroup(std::string_view name) {
    int index = FindGroup(name);
    Check(index >= 0, "Unidentified text group.");
    return groups_[index].items;
}

const StringList& ObjectGroups::GetGroup(std::string_view name) const {
    int index = FindGroup(name);
    Check(index >= 0, "Unidentified text group.");
    return groups_[index].items;
}

void ObjectGroups::Add(const ObjectGroup& group) {
    Check(!groups_.full(), "List is overfilled.");
    groups_.Add(group);
    index_.emplace(group.name, groups_.count() - 1);
}

std::string ObjectGroups::DefaultName(std::string_view group, int index) const {
    std::string number = std::to_string(index);
    if (group == "objectives") return Lookup("txtObjective") + number;
    if (group == "switches") return Lookup("txtSwitch") + number;
    if (group == "timers") return Lookup("txtTimer") + number;
    if (group == "dyngroups") return Lookup("txtDynGroup") + number + std::string(kDynSuffix);
    if (group == "players") {
        int nations = FindGroup("nations");
        return nations >= 0 && groups_[nations].items.Contains(index) ? groups_[nations].items[index]
                                                                       : "Player" + number;
    }
    return {};
}

void ObjectGroups::FillBuiltIns() {
    FillNumbered(GetGroup("players"), "Player", kPlayerCount);
    FillDynGroups(GetGroup("dyngroups"));
    FillNumbered(GetGroup("objectives"), Lookup("txtObjective"), kObjectiveCount);
    FillNumbered(GetGroup("switches"), Lookup("txtSwitch"), kSwitchCount);
    FillNumbered(GetGroup("timers"), Lookup("txtTimer"), kTimerCount);
}

void ObjectGroups::ResetGroups() {
    FillBuiltIns();
    int nations = FindGroup("nations");
    Check(nations >= 0, "Constant group [nations] not found.");
    GetGroup("players").Assign(groups_[nations].items);
    mapGroupCount = 0;
}

void ObjectGroups::RecordMapCounts() {
    mapGroupCount = GetGroup("groups").count();
    mapZoneCount = GetGroup("zones").count();
}

void ObjectGroups::UniquifyDynGroups() {
    StringList& dyngroups = GetGroup("dyngroups");
    const StringList& mapGroups = GetGroup("groups");
    // Each name is made unlike the map's groups and every earlier dynamic
    // group; a prefix can meet another taken name, so it repeats until free.
    for (int i = 0; i < dyngroups.count(); ++i) {
        while (mapGroups.IndexOf(dyngroups[i]) >= 0 || dyngroups.IndexOf(dyngroups[i]) != i)
            dyngroups[i] = "_" + dyngroups[i];
    }
}

std::string ObjectGroups::DynGroupNameFor(std::string_view typed) const {
    std::string name(typed);
    if (GetGroup("groups").IndexOf(name) >= 0) return "_" + name;
    if (GetGroup("dyngroups").IndexOf(name + std::string(kDynSuffix)) >= 0) return "_" + name;
    return name;
}

}  // namespace sced
