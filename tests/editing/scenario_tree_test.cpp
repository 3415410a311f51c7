#include <gtest/gtest.h>

#include "support/outline.h"

#include "core/code_page.h"
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

    // A node per run of one menu group, each with its functions; equal list
    // texts show the function's name beside them (its sentence when the name
    // is shared too).
    std::vector<Template> functions(4, demo.Function("RunTimer"));
    functions[0].menuGroup = "A";
    functions[1].menuGroup = "B";
    functions[2].menuGroup = "A";
    functions[3].menuGroup = "A";
    functions[1].listText = "Wait";
    functions[1].name = "Second";
    functions[2].name = "Other";
    functions[3].listText = "Wait";
    EXPECT_EQ(Outline(BuildChooserTree(functions, false, false)),
              "A\n  Start timer (RunTimer)\nB\n  Wait (Second)\nA\n  Start timer (Other)\n  Wait (RunTimer)\n");
    EXPECT_TRUE(BuildChooserTree(functions, true, false).empty());

    // The filter keeps the functions whose list text, sentence or name holds
    // it, ignoring case, Cyrillic too, and the groups that keep one.
    functions[2].text = "\xC7\xE0\xEF\xF3\xF1\xF2\xE8\xF2\xFC <1 timer>";  // "Запустить"
    const std::pair<const char*, const char*> filtered[] = {
        {"WAIT", "B\n  Wait (Second)\nA\n  Wait (RunTimer)\n"},
        {"other", "A\n  Start timer (Other)\n"},
        {"\xE7\xC0\xEF", "A\n  Start timer (Other)\n"},  // "зАп"
        {"for <2", "A\n  Start timer (RunTimer)\nB\n  Wait (Second)\nA\n  Wait (RunTimer)\n"},
        {"nothing like it", ""},
    };
    for (const auto& [filter, outline] : filtered) {
        EXPECT_EQ(Outline(BuildChooserTree(functions, false, false, FoldCase(filter))), outline) << filter;
        const Template* first = ChooserFunctionAt(functions, false, false, 0, 0, FoldCase(filter));
        EXPECT_EQ(first != nullptr, *outline != '\0') << filter;
    }
    EXPECT_EQ(ChooserFunctionAt(functions, false, false, 1, 0, FoldCase("wait")), &functions[3]);
}

}  // namespace
}  // namespace sced
