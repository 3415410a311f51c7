#include <gtest/gtest.h>

#include "model/argument_text.h"
#include "support/demo_scenario.h"
#include "support/raised.h"

namespace sced {
namespace {

TEST(ArgumentText, SentencesShowValuesWithBracesForNamedThings) {
    test::DemoScenario demo;
    EXPECT_EQ(demo.Call("RunTimer", {3, 20})->text, "Start {Timer3} for 20 seconds");
    EXPECT_EQ(demo.Call("MoveGroup", {1, 2})->text, "Order {Convoy} to march to {Hill}");
    // A value past the map's groups names a dynamic group.
    EXPECT_EQ(demo.Call("MoveGroup", {3 + 2, 0})->text, "Order {DynGroup2_Dyn} to march to {North gate}");
    // Objectives are quoted, not braced; the first letter is made upper case.
    EXPECT_EQ(demo.Call("ObjectiveIsEnabled", {4})->text, "\"Objective 4\" is shown to the player");
    // Binding takes the declared constants.
    TermCommand pause;
    pause.argCount = 1;
    pause.args[0] = -1;
    const Template* declared = MatchDeclaration(demo->functions, "SetGameSpeed", pause);
    ASSERT_NE(declared, nullptr);
    TermCommand bound;
    bound.Bind(*declared);
    bound.UpdateText(*demo);
    EXPECT_EQ(bound.args[0], -1);
    EXPECT_EQ(bound.text, "Pause the game");
}

TEST(ArgumentText, UnfilledPlaceholdersShowTheirLabels) {
    test::DemoScenario demo;
    auto command = demo.Call("RunTimer", {3, 20});
    command->unfilled = 0b11;
    command->UpdateText(*demo);
    EXPECT_EQ(command->text, "Start {timer} for seconds seconds");
    command->SetFilled(1);
    command->UpdateText(*demo);
    EXPECT_EQ(command->text, "Start {timer} for 20 seconds");
}

TEST(ArgumentText, ValuesOutsideTheirListsShowNothing) {
    test::DemoScenario demo;
    EXPECT_EQ(demo.Call("MoveGroup", {3 + 64, 9})->text, "Order {} to march to {}");
    EXPECT_EQ(demo.Call("TriggerHasRun", {0})->text, "The trigger  has already fired");
    EXPECT_EQ(demo.Call("SetFormation", {0, 99})->text, "Let {Guards} take the formation ");
    EXPECT_EQ(demo.Call("SetFormation", {0, -1})->text, "Let {Guards} take the formation ");
    EXPECT_EQ(demo.Call("CountUnitType", {0, 0x3F00, 0, 1})->text.find("Number of  of"), 0u);
    EXPECT_EQ(UnitTypeScriptText(*demo, 0x0909), "");
}

TEST(ArgumentText, TriggerLabelsAreQuotedAndCut) {
    test::DemoScenario demo;
    demo->triggers.Append(demo.Trigger("Reinforcements", {}, {}));
    demo->triggers.Append(demo.Trigger(std::string(100, 'L'), {}, {}));
    EXPECT_EQ(demo.Call("TriggerHasRun", {0})->text, "The trigger \"Reinforcements\" has already fired");
    EXPECT_EQ(GetArgumentString(*demo, *demo.Call("TriggerHasRun", {1}), 0),
              "\"" + std::string(96, 'L') + "...\"");
    StringList& switches = demo->objectGroups.GetGroup("switches");
    switches[7] = std::string(97, 's');
    EXPECT_EQ(GetArgumentString(*demo, *demo.Call("SwitchOn", {7}), 0), std::string(96, 's') + "...");
    switches[7] = std::string(96, 's');
    EXPECT_EQ(GetArgumentString(*demo, *demo.Call("SwitchOn", {7}), 0), std::string(96, 's'));
}

TEST(ArgumentText, ListValuesShowTheirTitles) {
    test::DemoScenario demo;
    // Armour (category 1), its third unit.
    auto count = demo.Call("CountUnitType", {0, 1 | 2 << 8, 2, 5});
    EXPECT_EQ(GetArgumentString(*demo, *count, 1), "Heavy bastion tank");
    EXPECT_EQ(ArgumentScriptText(*demo, *count, 1), "Bastion(AR)");
    auto formation = demo.Call("SetFormation", {0, 2});
    EXPECT_EQ(GetArgumentString(*demo, *formation, 1), "Wedge");
    auto upgrade = demo.Call("HasUpgrade", {1, 0 | 0 << 8 | 1 << 16});
    EXPECT_EQ(GetArgumentString(*demo, *upgrade, 1), "Long-range rifles");
    EXPECT_EQ(ArgumentScriptText(*demo, *upgrade, 1), std::to_string(0 | 0 << 8 | 1 << 16));
}

TEST(ArgumentText, PagesShowTheirBodyQuoted) {
    test::DemoScenario demo;
    auto show = demo.Call("ShowPageEx", {0});
    EXPECT_EQ(show->text, "Show the briefing page page");
    show->page = std::make_unique<PageRecord>(PageRecord{0, "map.gp", std::string(120, 'b')});
    show->UpdateText(*demo);
    EXPECT_EQ(show->text, "Show the briefing page \"" + std::string(96, 'b') + "...\"");
    show->args[0] = -1;
    EXPECT_EQ(GetArgumentString(*demo, *show, 0), "");
}

TEST(ArgumentText, ScriptTextsNameZonesAndGroupsOnly) {
    test::DemoScenario demo;
    auto move = demo.Call("MoveGroup", {3 + 2, 1});
    EXPECT_EQ(GetObjectString(*demo, *move, 0), "DynGroup2_Dyn");
    EXPECT_EQ(GetObjectString(*demo, *move, 1), "Harbour");
    auto objective = demo.Call("ObjectiveIsEnabled", {4});
    EXPECT_EQ(ArgumentScriptText(*demo, *objective, 0), "4");
    auto remove = demo.Call("RemoveDynGroup", {5});
    EXPECT_EQ(GetObjectString(*demo, *remove, 0), "DynGroup5_Dyn");
    auto run = demo.Call("RunTimer", {1, 30});
    EXPECT_EQ(ArgumentScriptText(*demo, *run, 1), "30");
    EXPECT_EQ(test::Raised([&] { GetObjectString(*demo, *run, 1); }),
              "Scenario::GetObjectString - argument doesn't have object type.");
    EXPECT_EQ(test::Raised([&] { GetArgumentString(*demo, *run, 2); }),
              "Scenario::GetArgumentString - Incorrect argument index.");
}

}  // namespace
}  // namespace sced
