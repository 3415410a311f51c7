#include <gtest/gtest.h>

#include "support/outline.h"

#include "editing/scenario_tree.h"
#include "support/demo_scenario.h"

namespace sced {
namespace {

using test::Outline;

// The tree of triggers is checked by the designer scripts, which print it whole.

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
    EXPECT_EQ(Outline(BuildChooserTree(functions, false, false)), "A\n  Start timer\nB\n  second\nA\n  Start timer\n");
    EXPECT_TRUE(BuildChooserTree(functions, true, false).empty());
}

}  // namespace
}  // namespace sced
