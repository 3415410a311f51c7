#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/fixed_list.h"
#include "declarations/object_group.h"

namespace sced {

inline constexpr int kObjectGroupCapacity = 256;

// The named object groups of a scenario: the declared groups and the
// built-in ones ("players", "dyngroups", "objectives", "switches",
// "timers", "zones", "groups", "blocks"), with the map's recorded counts.
class ObjectGroups {
public:
    ObjectGroups() : groups_(kObjectGroupCapacity) {}

    // The start-up list: the declared groups but the last, the built-in
    // groups with their numbered default names, then the last declared group.
    void Build(const std::vector<ObjectGroup>& declared);

    // Index of the first group with exactly that name; -1 when none.
    int FindGroup(std::string_view name) const;
    // The items of the named group; raises "Unidentified text group." when
    // no group has the name.
    StringList& GetGroup(std::string_view name);
    const StringList& GetGroup(std::string_view name) const;
    void Add(const ObjectGroup& group);

    // Regenerates the built-in groups for a fresh mission; "players" becomes
    // a copy of "nations" ("Constant group [nations] not found." without it).
    void ResetGroups();
    // Remembers the item counts of "groups" and "zones".
    void RecordMapCounts();
    // Gives leading "_"s to a dynamic group whose name a map group or an
    // earlier dynamic group already has, until every name is unique.
    void UniquifyDynGroups();
    // The name the item of a built-in group has in a fresh mission
    // ("Objective 3", the nation of a player); "" for the other groups.
    std::string DefaultName(std::string_view group, int index) const;
    // The name to store for a dynamic group that the designer typed.
    std::string DynGroupNameFor(std::string_view typed) const;

    int count() const { return groups_.count(); }
    const ObjectGroup& operator[](int index) const { return groups_[index]; }
    // Items may change; a group keeps the name it was added with.
    ObjectGroup& operator[](int index) { return groups_[index]; }
    const ObjectGroup* begin() const { return groups_.begin(); }
    const ObjectGroup* end() const { return groups_.end(); }

    int mapZoneCount = 0;
    int mapGroupCount = 0;
    bool mapLoaded = false;

private:
    void FillBuiltIns();

    FixedList<ObjectGroup> groups_;
    // The first group of each name: look-ups run for every argument shown.
    std::map<std::string, int, std::less<>> index_;
};

// Sets the items to base + 0 .. base + (n-1); with n = -1, renumbers the
// items that are there.
void FillNumbered(StringList& items, std::string_view base, int n);

}  // namespace sced
