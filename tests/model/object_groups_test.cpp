#include <gtest/gtest.h>

#include "core/fixed_list.h"
#include "core/string_table.h"
#include "declarations/object_group.h"
#include "model/object_groups.h"
#include "support/raised.h"

namespace sced {
namespace {

using test::Raised;

ObjectGroup Declared(std::string name, std::vector<std::string> items, bool renamable = false) {
    ObjectGroup group;
    group.name = std::move(name);
    group.renamable = renamable;
    for (const std::string& item : items) group.items.Add(item);
    return group;
}

std::vector<std::string> Items(const StringList& list) { return {list.begin(), list.end()}; }

std::vector<std::string> Numbered(const std::string& base, int n, const std::string& suffix = "") {
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i) out.push_back(base + std::to_string(i) + suffix);
    return out;
}

const std::vector<std::string> kNations = Numbered("Nation", 8);

class ObjectGroupsTest : public ::testing::Test {
protected:
    void SetUp() override {
        StringTable::Instance().LoadText(
            "#STRINGS\ntxtPlayer Seat\ntxtDynGroup Squad\ntxtObjective Goal\ntxtSwitch Lever\ntxtTimer Clock\n");
    }
    void TearDown() override { StringTable::Instance().Clear(); }

    ObjectGroups BuildWithNations(const std::vector<std::string>& nations) {
        ObjectGroups groups;
        groups.Build({Declared("nations", nations), Declared("variables", {"V0", "V1"}, true),
                      Declared("sounds", {"Boom"})});
        return groups;
    }
};

TEST_F(ObjectGroupsTest, BuiltInGroupsSitBeforeTheLastDeclaredGroupWithNumberedNames) {
    ObjectGroups groups = BuildWithNations(kNations);
    std::vector<std::string> names;
    std::vector<bool> renamable;
    std::vector<int> counts;
    for (const ObjectGroup& group : groups) {
        names.push_back(group.name);
        renamable.push_back(group.renamable);
        counts.push_back(group.items.count());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"nations", "variables", "players", "dyngroups", "objectives",
                                               "switches", "timers", "zones", "groups", "blocks", "sounds"}));
    EXPECT_EQ(renamable, (std::vector<bool>{false, true, true, true, true, true, true, false, true, false, false}));
    EXPECT_EQ(counts, (std::vector<int>{8, 2, 8, 64, 13, 256, 32, 0, 0, 0, 1}));

    ObjectGroups none;
    none.Build({});
    EXPECT_EQ(none.count(), 8);
    EXPECT_EQ(none[0].name, "players");
    EXPECT_EQ(none[7].name, "blocks");

    ObjectGroups one;
    one.Build({Declared("nations", kNations)});
    EXPECT_EQ(one.count(), 9);
    EXPECT_EQ(one.FindGroup("nations"), 8);

    // Default names are numbered from zero.
    EXPECT_EQ(Items(groups.GetGroup("players")), Numbered("Seat", 8));
    EXPECT_EQ(Items(groups.GetGroup("dyngroups")), Numbered("Squad", 64, "_Dyn"));
    EXPECT_EQ(Items(groups.GetGroup("objectives")), Numbered("Goal", 13));
    EXPECT_EQ(Items(groups.GetGroup("switches")), Numbered("Lever", 256));
    EXPECT_EQ(Items(groups.GetGroup("timers")), Numbered("Clock", 32));
    EXPECT_EQ(Items(groups.GetGroup("variables")), (std::vector<std::string>{"V0", "V1"}));
}

TEST_F(ObjectGroupsTest, SwitchesAndTheGroupListAreFull) {
    ObjectGroups groups = BuildWithNations(kNations);
    StringList& switches = groups.GetGroup("switches");
    EXPECT_EQ(Raised([&] { switches.Add("Lever256"); }), "List is overfilled.");
    EXPECT_EQ(switches.count(), 256);
    EXPECT_EQ(switches[255], "Lever255");

    for (int i = groups.count(); i < 256; ++i) groups.Add(Declared("extra" + std::to_string(i), {}));
    EXPECT_EQ(Raised([&] { groups.Add(Declared("one too many", {})); }), "List is overfilled.");
    EXPECT_EQ(groups.count(), 256);
    EXPECT_EQ(groups.FindGroup("one too many"), -1);
}

TEST_F(ObjectGroupsTest, ResetMakesPlayersACopyOfNations) {
    for (int size : {8, 3, 12, 0}) {
        std::vector<std::string> nations = Numbered("Realm", size);
        ObjectGroups groups = BuildWithNations(nations);
        groups.GetGroup("players")[0] = "Renamed";
        groups.GetGroup("dyngroups")[5] = "Raiders_Dyn";
        groups.GetGroup("timers").Clear();
        groups.GetGroup("zones").Add("Ford");
        groups.GetGroup("groups").Add("Convoy");
        groups.GetGroup("variables")[0] = "Score";
        groups.mapGroupCount = 4;

        groups.ResetGroups();
        EXPECT_EQ(Items(groups.GetGroup("players")), nations) << size;
        EXPECT_EQ(Items(groups.GetGroup("dyngroups")), Numbered("Squad", 64, "_Dyn"));
        EXPECT_EQ(Items(groups.GetGroup("timers")), Numbered("Clock", 32));
        EXPECT_EQ(Items(groups.GetGroup("zones")), (std::vector<std::string>{"Ford"}));
        EXPECT_EQ(Items(groups.GetGroup("groups")), (std::vector<std::string>{"Convoy"}));
        EXPECT_EQ(groups.GetGroup("variables")[0], "Score");
        EXPECT_TRUE(groups[groups.FindGroup("players")].renamable);
        EXPECT_EQ(groups.mapGroupCount, 0);
    }
}

TEST_F(ObjectGroupsTest, ResetWithoutNationsFailsAfterNamingThePlayers) {
    ObjectGroups groups;
    groups.Build({Declared("variables", {"V0"}), Declared("sounds", {"Boom"})});
    groups.GetGroup("players").Clear();
    groups.GetGroup("objectives")[0] = "Hold the bridge";
    groups.mapGroupCount = 4;
    EXPECT_EQ(Raised([&] { groups.ResetGroups(); }), "Constant group [nations] not found.");
    EXPECT_EQ(Items(groups.GetGroup("players")), Numbered("Player", 8));
    EXPECT_EQ(groups.GetGroup("objectives")[0], "Goal0");
    EXPECT_EQ(groups.mapGroupCount, 4);
}

TEST_F(ObjectGroupsTest, DuplicateDynamicGroupNamesGetLeadingUnderscoresUntilUnique) {
    struct Case {
        std::vector<std::string> names;
        std::vector<std::string> unique;
    };
    const Case cases[] = {
        {{"Convoy_Dyn", "Twin_Dyn", "Twin_Dyn", "Convoy_Dyn", "_Twin_Dyn", "Solo_Dyn"},
         {"_Convoy_Dyn", "Twin_Dyn", "_Twin_Dyn", "__Convoy_Dyn", "__Twin_Dyn", "Solo_Dyn"}},
        {{"__Red Column", "_Red Column", "Red Column"}, {"__Red Column", "_Red Column", "___Red Column"}},
    };
    for (const Case& c : cases) {
        ObjectGroups groups = BuildWithNations(kNations);
        groups.GetGroup("groups").Add("Convoy_Dyn");
        groups.GetGroup("groups").Add("Red Column");
        StringList& dyn = groups.GetGroup("dyngroups");
        dyn.Clear();
        for (const std::string& name : c.names) dyn.Add(name);
        groups.UniquifyDynGroups();
        EXPECT_EQ(Items(dyn), c.unique);
    }
}

TEST_F(ObjectGroupsTest, TypedDynamicGroupNamesAvoidTakenNames) {
    ObjectGroups groups = BuildWithNations(kNations);
    groups.GetGroup("groups").Add("Convoy");
    EXPECT_EQ(groups.DynGroupNameFor("Convoy"), "_Convoy");
    EXPECT_EQ(groups.DynGroupNameFor("Squad3"), "_Squad3");  // "Squad3_Dyn" exists
    EXPECT_EQ(groups.DynGroupNameFor("Squad64"), "Squad64");
    EXPECT_EQ(groups.DynGroupNameFor("convoy"), "convoy");
    EXPECT_EQ(groups.DynGroupNameFor("Squad3_Dyn"), "Squad3_Dyn");
}

TEST_F(ObjectGroupsTest, FillNumberedRenumbersOrRefills) {
    StringList items;
    for (const char* item : {"a", "b", "c"}) items.Add(item);
    FillNumbered(items, "Item", -1);
    EXPECT_EQ(Items(items), Numbered("Item", 3));
    FillNumbered(items, "New", 2);
    EXPECT_EQ(Items(items), Numbered("New", 2));
    FillNumbered(items, "None", 0);
    EXPECT_TRUE(items.empty());
    FillNumbered(items, "None", -1);
    EXPECT_TRUE(items.empty());
    EXPECT_EQ(Raised([&] { FillNumbered(items, "Many", 257); }), "List is overfilled.");
    EXPECT_EQ(items.count(), 256);
}

TEST(ObjectGroupsLists, AssigningAnOversizedListOverfillsPartWay) {
    FixedList<int> small(3);
    FixedList<int> big(5);
    for (int i = 1; i <= 5; ++i) big.Add(i * 10);
    small.Add(7);
    EXPECT_EQ(Raised([&] { small = big; }), "List is overfilled.");
    EXPECT_EQ(small.capacity(), 3);
    EXPECT_EQ(std::vector<int>(small.begin(), small.end()), (std::vector<int>{10, 20, 30}));

    FixedList<int> two(2);
    two.Add(1);
    two.Add(2);
    big = two;
    EXPECT_EQ(big.capacity(), 5);
    EXPECT_EQ(std::vector<int>(big.begin(), big.end()), (std::vector<int>{1, 2}));
    EXPECT_EQ(big.IndexOf(30), -1);  // the old slots are out of use
    big.Clear();
    EXPECT_EQ(big.IndexOf(1), -1);
    big.Add(9);
    EXPECT_EQ(big.IndexOf(9), 0);
}

}  // namespace
}  // namespace sced
