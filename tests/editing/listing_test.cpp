#include <gtest/gtest.h>

#include "editing/listing.h"
#include "support/demo_scenario.h"
#include "support/game_folder.h"
#include "support/immutable_file.h"

namespace sced {
namespace {

TEST(Listing, PrintsEveryTriggerWithItsIndentsAndCaptions) {
    test::DemoScenario demo;
    demo->title = "Siege";
    demo->description = "Hold the hill.";
    auto show = demo.Call("ShowPageEx", {0});
    show->page = std::make_unique<PageRecord>(PageRecord{0, "brief.gp", "Welcome, commander"});
    auto inner = std::make_unique<IfBlock>();
    inner->conditions.list.Append(demo.Call("SwitchIsOn", {1}, FormCall));
    inner->thenCommands.Append(demo.Call("EnableMission", {2}));
    inner->elseCommands.Append(demo.Call("RunTimer", {0, 10}));
    auto outer = std::make_unique<IfBlock>();
    outer->thenCommands.Append(std::move(inner));

    std::vector<std::unique_ptr<Command>> conditions;
    conditions.push_back(demo.Call("GroupIsDead", {1}));
    conditions.push_back(demo.Call("SwitchIsOn", {3}, FormNot));
    std::vector<std::unique_ptr<Command>> actions;
    actions.push_back(std::move(show));
    actions.push_back(std::move(outer));
    demo->triggers.Append(demo.Trigger("Start", std::move(conditions), std::move(actions)));
    demo->triggers.Append(demo.Trigger("Idle", {}, {}));

    test::TempGameFolder folder(test::TempGameFolder::kEmpty);
    ASSERT_TRUE(WriteListing(*demo, folder.File("listing.txt")));
    EXPECT_EQ(folder.Read("listing.txt"),
              "Mission title: Siege\r\n"
              "Mission description: Hold the hill.\r\n"
              "\r\n"
              "Trigger: Start\r\n"
              "CONDITION:\r\n"
              "- All units of {Convoy} are destroyed\r\n"
              "- {Switch3} is off\r\n"
              "ACTION:\r\n"
              "- Page \"Welcome, commander\"\r\n"
              "- IF\r\n"
              "\tALWAYS\r\n"
              "THEN\r\n"
              "\t- IF\r\n"
              "\t\t- {Switch1} is on\r\n"
              "THEN\r\n"
              "\t\t- Show objective \"Objective 2\"\r\n"
              "ELSE\r\n"
              "\t\t- Start {Timer0} for 10 seconds\r\n"
              "\r\n"
              "Trigger: Idle\r\n"
              "CONDITION:\r\n"
              "ALWAYS\r\n"
              "ACTION:\r\n"
              "\r\n");
}

TEST(Listing, ReportsAFileItCannotWriteAndKeepsTheOldOne) {
    test::DemoScenario demo;
    test::TempGameFolder folder(test::TempGameFolder::kEmpty);
    // A missing folder is Cli.FailuresReportTheirTextAndStatus's, with its text.
    EXPECT_FALSE(WriteListing(*demo, folder.path()));
    folder.Write("old.txt", "old listing");
    {
        test::ImmutableFile frozen(folder.path());  // the temporary cannot be made
        if (!frozen.held()) GTEST_SKIP() << "folders cannot be made immutable here";
        EXPECT_FALSE(WriteListing(*demo, folder.File("old.txt")));
    }
    EXPECT_EQ(folder.Read("old.txt"), "old listing");
}

}  // namespace
}  // namespace sced
