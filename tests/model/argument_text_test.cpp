#include <gtest/gtest.h>

#include "model/argument_text.h"
#include "support/demo_scenario.h"
#include "support/raised.h"

namespace sced {
namespace {

// The demo mission's sentences (braced names, quoted objectives, titles of
// units, formations and upgrades, constants bound to their declaration) are
// shown whole by each designer script that prints its tree, and its script
// texts saved byte for byte by undo_all_valley; here what it does not hold.

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

TEST(ArgumentText, OnlyZonesAndGroupsHaveObjectNames) {
    test::DemoScenario demo;
    auto run = demo.Call("RunTimer", {1, 30});
    EXPECT_EQ(test::Raised([&] { GetObjectString(*demo, *run, 1); }),
              "Scenario::GetObjectString - argument doesn't have object type.");
    EXPECT_EQ(test::Raised([&] { GetArgumentString(*demo, *run, 2); }),
              "Scenario::GetArgumentString - Incorrect argument index.");
}

}  // namespace
}  // namespace sced
