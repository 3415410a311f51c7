#include <gtest/gtest.h>

#include "files/script_check.h"
#include "support/demo_scenario.h"
#include "support/raised.h"

namespace sced {
namespace {

std::vector<std::unique_ptr<Command>> List(std::unique_ptr<Command> command) {
    std::vector<std::unique_ptr<Command>> list;
    list.push_back(std::move(command));
    return list;
}

// Each name a name section or an argument of the script could not give back
// is one problem; so is each value outside its list.
TEST(ScriptCheck, EveryNameOrValueTheScriptCannotCarryIsAProblem) {
    test::DemoScenario demo;
    ObjectGroups& groups = demo->objectGroups;
    struct Case {
        const char* group;
        int item;
        std::string name;
        std::string problem;  // empty when the name can be saved
    };
    const Case cases[] = {
        {"groups", 1, "Convoy\r\n#SCRIPT",
         "The name \"Convoy\\x0D\\x0A#SCRIPT\" of the groups (section UNITS) cannot be written to the mission "
         "script."},
        {"zones", 0, std::string("Ford\0x", 6),
         "The name \"Ford\\x00x\" of the zones (section #ZONES) cannot be written to the mission script."},
        {"zones", 2, "#END", ""},
        {"dyngroups", 4, "", ""},  // written as its default name
        {"switches", 5, "Lever\x01", "The name \"Lever\\x01\" of the switches (section #SWITCHES) cannot be written to the mission script."},
        {"timers", 1, "Clock\t", "The name \"Clock\\x09\" of the timers (section #TIMERS) cannot be written to the mission script."},
        {"players", 0, "Red\x7f", "The name \"Red\\x7F\" of the players (section #PLAYERS) cannot be written to the mission script."},
    };
    std::vector<std::string> expected;
    for (const Case& c : cases) {
        groups.GetGroup(c.group)[c.item] = c.name;
        if (!c.problem.empty()) expected.push_back(c.problem);
    }
    demo->triggers.Append(demo.Trigger("Start\n", {}, List(demo.Call("MoveGroup", {1, 0}))));
    demo->triggers.Append(demo.Trigger("Fine", {}, List(demo.Call("SwitchOn", {0}))));
    dynamic_cast<TermCommand&>(dynamic_cast<CommandBlock&>(demo->triggers.At(1)).actions.At(0)).args[0] = 300;
    expected.insert(
        expected.begin() + 2,
        {"The name \"Convoy\\x0D\\x0A#SCRIPT\" of argument 1 of MoveGroup in the trigger \"Start\\x0A\" cannot be "
         "written to the mission script.",
         "The name \"Ford\\x00x\" of argument 2 of MoveGroup in the trigger \"Start\\x0A\" cannot be written to the "
         "mission script.",
         "The value of argument 1 of SwitchOn in the trigger \"Fine\" lies outside its list.",
         "The name \"Start\\x0A\" of trigger 1 (section #TRIGGERS) cannot be written to the mission script."});
    EXPECT_EQ(ScriptProblems(*demo), expected);
    EXPECT_EQ(test::Raised([&] { CheckScriptCanBeSaved(*demo); }), expected.front());
}

}  // namespace
}  // namespace sced
