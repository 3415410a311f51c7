#include <gtest/gtest.h>

#include "controls/item_markup.h"
#include "core/string_table.h"
#include "editing/change_trail.h"
#include "editing/mission_problems.h"
#include "editing/mission_search.h"
#include "editing/scenario_tree.h"
#include "editing/where_used.h"
#include "files/mission_package.h"
#include "files/script_writer.h"
#include "model/command_tree.h"
#include "model/page_table.h"
#include "model/scenario.h"
#include "support/game_folder.h"

namespace sced {
namespace {

class MissionPlaces : public testing::Test {
protected:
    MissionPlaces() {
        StringTable::Instance().Load(folder.path());
        scenario = std::make_unique<Scenario>(folder.path());
        EXPECT_TRUE(OpenMission(*scenario, "Maps\\Valley.m3d", false));
    }

    // The place names a node of the tree whose text its own text ends with.
    void ExpectNode(const MissionPlace& place) {
        Tree tree = BuildScenarioTree(*scenario);
        const TreeNode* node = NodeAt(tree, place.path);
        ASSERT_NE(node, nullptr) << place.text;
        std::string shown = ParseTreeItem(node->text).text;
        EXPECT_TRUE(place.text.ends_with(shown)) << place.text << " / " << shown;
    }

    Command& At(const TreePath& path) {
        auto& trigger = dynamic_cast<CommandBlock&>(scenario->triggers.At(path[0]));
        CommandSeq& list = path[1] == 0 ? trigger.conditions.list : trigger.actions;
        if (path[3] < 0) return list.At(path[2]);
        auto& ifBlock = dynamic_cast<IfBlock&>(list.At(path[2]));
        CommandSeq& inner = path[3] == 0 ? ifBlock.conditions.list : path[3] == 1 ? ifBlock.thenCommands
                                                                                  : ifBlock.elseCommands;
        return inner.At(path[4]);
    }

    test::TempGameFolder folder;
    std::unique_ptr<Scenario> scenario;
};

// Find, Where used and Check select what they name: a path that named no
// node, or another one, would select the wrong command.
TEST_F(MissionPlaces, EveryPlaceFoundUsedOrCheckedIsItsNodeOfTheTree) {
    for (const char* text : {"e", "CLOCK", "switchison", "chance"})
        for (const MissionPlace& place : FindInMission(*scenario, text)) ExpectNode(place);
    EXPECT_EQ(FindInMission(*scenario, "chance").size(), 1u) << "a nested IF block is found by what it holds";
    for (const char* group : {"zones", "groups", "dyngroups", "switches", "timers", "objectives", "players"}) {
        for (int i = 0; i < scenario->objectGroups.GetGroup(group).count(); ++i)
            for (const MissionPlace& place : UsesOf(*scenario, NamedThing{group, i})) ExpectNode(place);
    }
    EXPECT_EQ(UsesOf(*scenario, NamedThing{"dyngroups", 1}).size(), 2u) << "inside the nested IF block too";

    // A value outside its list, in a THEN list and inside a nested IF block,
    // and a label that no script can carry.
    const TreePath inThen = PathTo({2, 1, 0, 1, 0});
    const TreePath nested = PathTo({2, 1, 0, 1, 2});
    dynamic_cast<TermCommand&>(At(inThen)).args[0] = 9999;
    ForEachCall(At(nested), [](TermCommand& call) {
        if (call.function->name == "RemoveDynGroup") call.args[0] = 9999;
    });
    scenario->triggers.At(4).text = "Victory\x01";
    std::vector<MissionProblem> problems = MissionProblems(*scenario);
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0].path, inThen) << problems[0].text;
    EXPECT_EQ(problems[1].path, nested) << problems[1].text;
    EXPECT_EQ(problems[2].path, PathTo({4})) << problems[2].text;
}

// An open panel renews only the triggers an edit touched, and shows what a
// fresh search and check would: places follow a trigger that moves, and a
// trigger's new problem or match comes in.
TEST_F(MissionPlaces, FindAndCheckFollowingEditsShowWhatAFreshLookShows) {
    ChangeTrail trail;
    MissionFind find;
    MissionCheck check;
    find.Search(*scenario, "e", trail);
    check.Follow(*scenario, trail);
    auto expectFresh = [&](const std::string& after) {
        find.Follow(*scenario, trail);
        std::vector<MissionPlace> found = FindInMission(*scenario, "e");
        ASSERT_EQ(find.matches().size(), found.size()) << after;
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(find.matches()[i].path, found[i].path) << after;
            EXPECT_EQ(find.matches()[i].text, found[i].text) << after;
        }
        const std::vector<MissionProblem>& kept = check.Follow(*scenario, trail);
        std::vector<MissionProblem> problems = MissionProblems(*scenario);
        ASSERT_EQ(kept.size(), problems.size()) << after;
        for (std::size_t i = 0; i < problems.size(); ++i) {
            EXPECT_EQ(kept[i].path, problems[i].path) << after;
            EXPECT_EQ(kept[i].text, problems[i].text) << after;
        }
    };
    CommandSeq& triggers = scenario->triggers;
    triggers.Insert(0, triggers.Unlink(2));
    trail.Touched({&triggers.At(0)});
    expectFresh("the third trigger moved first");
    dynamic_cast<TermCommand&>(At(PathTo({0, 1, 0, 1, 0}))).args[0] = 9999;
    triggers.At(1).text = "Renamed";
    trail.Touched({&triggers.At(0), &triggers.At(1)});
    expectFresh("a value outside its list, a label with no e");
    triggers.Remove(1);
    trail.Touched({});
    expectFresh("a trigger taken out");
}

TEST_F(MissionPlaces, ATriggersScriptIsItsPartOfTheWholeScriptAndLeavesThePagesAlone) {
    const std::string script = BuildScript(*scenario);
    const int pages = Pages().size();
    std::size_t from = script.find("#SCRIPT\n");
    for (int t = 0; t < scenario->triggers.count(); ++t) {
        std::string part = TriggerScript(*scenario, t);
        std::size_t at = script.find(part, from);
        EXPECT_NE(at, std::string::npos) << "trigger " << t << ":\n" << part;
        from = at + part.size();
    }
    EXPECT_EQ(Pages().size(), pages);
}

}  // namespace
}  // namespace sced
