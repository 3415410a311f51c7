#include <gtest/gtest.h>

#include "support/outline.h"

#include "core/string_table.h"
#include "editing/scenario_tree.h"
#include "support/demo_scenario.h"

namespace sced {
namespace {

using test::Outline;

TEST(ScenarioTree, TriggersShowSectionsConditionsAndIfBlocks) {
    test::DemoScenario demo;
    std::vector<std::unique_ptr<Command>> conditions;
    conditions.push_back(demo.Call("SwitchIsOn", {2}, FormCall));
    std::vector<std::unique_ptr<Command>> actions;
    actions.push_back(demo.Call("RunTimer", {1, 30}));
    auto ifBlock = std::make_unique<IfBlock>();
    ifBlock->thenCommands.Append(demo.Call("MoveGroup", {0, 1}));
    auto nested = std::make_unique<IfBlock>();
    nested->thenCommands.Append(demo.Call("RunTimer", {2, 1}));
    ifBlock->thenCommands.Append(std::move(nested));
    actions.push_back(std::move(ifBlock));
    demo->triggers.Append(demo.Trigger("Start", std::move(conditions), std::move(actions)));
    demo->triggers.Append(demo.Trigger("Empty", {}, {}));
    demo->triggers.UpdateText(*demo);

    EXPECT_EQ(Outline(BuildScenarioTree(*demo)),
              "&bStart\n"
              "  &wCONDITION\n"
              "    &y{Switch2} is on\n"
              "  &wACTION\n"
              "    Start {Timer1} for 30 seconds\n"
              "    If ALWAYS\n"
              "      &wIF\n"
              "        &yALWAYS\n"
              "      &wTHEN\n"
              "        Order {Guards} to march to {Harbour}\n"
              "        If ALWAYS\n"
              "      &wELSE\n"
              "&bEmpty\n"
              "  &wCONDITION\n"
              "    &yALWAYS\n"
              "  &wACTION\n");
}

TEST(ScenarioTree, TheChooserGroupsFunctionsAndKeepsTheIfRules) {
    test::DemoScenario demo;
    Tree outside = BuildChooserTree(demo->functions, false, false);
    Tree inside = BuildChooserTree(demo->functions, false, true);
    std::string actionsOutside = Outline(outside);
    std::string actionsInside = Outline(inside);
    const std::string ifCaption = "  " + demo.Function("IfBlock").listText + "\n";
    EXPECT_NE(actionsOutside.find(ifCaption), std::string::npos);
    EXPECT_EQ(actionsInside.find(ifCaption), std::string::npos);

    const std::string question = "  " + demo.Function("AskQuestionEx").listText + "\n";
    EXPECT_EQ(Outline(BuildChooserTree(demo->functions, true, false)).find(question), std::string::npos);
    EXPECT_NE(Outline(BuildChooserTree(demo->functions, true, true)).find(question), std::string::npos);

    // Group nodes in order of first appearance, each with its functions.
    std::vector<Template> functions(3, demo.Function("RunTimer"));
    functions[0].menuGroup = "A";
    functions[1].menuGroup = "B";
    functions[2].menuGroup = "A";
    functions[1].listText = "second";
    EXPECT_EQ(Outline(BuildChooserTree(functions, false, false)), "A\n  Timer\nB\n  second\nA\n  Timer\n");
    EXPECT_TRUE(BuildChooserTree(functions, true, false).empty());
}

}  // namespace
}  // namespace sced
