#include <gtest/gtest.h>

#include "core/scenario_error.h"
#include "core/string_table.h"
#include "declarations/function_declarations.h"
#include "support/raised.h"

namespace sced {
namespace {

std::vector<Template> Declare(std::string_view block) {
    TextReader reader;
    reader.OpenText("#FUNCTIONS\n" + std::string(block) + "\n#END\n");
    return ReadFunctionDeclarations(reader);
}

std::string Refusal(std::string_view block) {
    return test::Raised([&] { Declare(block); });
}

// A declaration on one line: its name and form, each argument (a group,
// "_" and a list, LOW..HIGH, or "=" and a constant) with its default text
// after "/" (its kind where no placeholder names it), the display and
// listing texts and the number of placeholders.
std::string Describe(const Template& t) {
    static const char* const kForms[] = {"call", "not", "assign", "compare"};
    std::string out = t.name + " " + kForms[t.form] + "(";
    for (std::size_t i = 0; i < static_cast<std::size_t>(t.argCount); ++i) {
        if (i > 0) out += ",";
        switch (t.argKind[i]) {
            case KindGroup: out += t.argGroup[i]; break;
            case KindGroupNumber: out += "_" + t.argGroup[i]; break;
            case KindChInt: out += std::to_string(t.argLow[i]) + ".." + std::to_string(t.argHigh[i]); break;
            case KindConst: out += "=" + std::to_string(t.argConst[i]); break;
        }
        if (!t.argDefText[i].empty()) out += "/" + t.argDefText[i];
    }
    return out + ") \"" + t.text + "\" \"" + t.listText + "\" " + std::to_string(t.placeholderCount);
}

TEST(FunctionDeclarations, FormsAndArgumentKinds) {
    auto functions = Declare(
        "% a comment before the first declaration\n"
        "RunTimer([timers], [1..max]) \"Start <1 timer> for <2 seconds> seconds\" \"Timer\"\n"
        "!UnitsInZone([groups],[ zones]) \"No unit of <1 group> is in <2 zone>\"\n"
        "   \"Zone\"\n"
        "TimerValue([timers])[0..3][0..max] \"Time of <1 timer> <2 op> <3 value>\" \"Timer\"\n"
        "[variables]=CountUnits([players]) \"Store in <1 var> <2 player>\" \"Var\"\n"
        "Build([_unittypes] [_upgrades],[5..10] [..10] 7 -8 --9) \"<1 u>\" \"B\"\n");
    std::vector<std::string> described;
    for (const Template& function : functions) described.push_back(Describe(function));
    EXPECT_EQ(described, (std::vector<std::string>{
                             "RunTimer call(timers/timer,1..-1/seconds) \"Start <1 timer> for <2 seconds> seconds\" "
                             "\"Timer\" 2",
                             "UnitsInZone not(groups/group,zones/zone) \"No unit of <1 group> is in <2 zone>\" \"Zone\" 2",
                             "TimerValue compare(timers/timer,0..3/op,0..-1/value) \"Time of <1 timer> <2 op> <3 value>\" "
                             "\"Timer\" 3",
                             "CountUnits assign(variables/var,players/player) \"Store in <1 var> <2 player>\" \"Var\" 2",
                             // One minus sign is skipped; two make a negative constant.
                             "Build call(_unittypes/u,_upgrades/group,5..10/chint,0..10/chint,=7/const,=8/const,=-9/const) "
                             "\"<1 u>\" \"B\" 1",
                         }));
    EXPECT_EQ(functions[0].menuGroup, "");
    EXPECT_FALSE(functions[0].isCondition);
}

TEST(FunctionDeclarations, LayoutIsFree) {
    auto functions = Declare(
        "SwitchOn([switches]) \"On <1 s>\" \"S\" SwitchOff([switches]) \"Off <1 s>\" \"S\"\n"
        "Split([timers]\n"
        "  [zones]\n"
        ")\n"
        "   \"<1 t> in <2 z>\"   % the display text\n"
        "   % the listing text follows\n"
        "   \"Split\"\n"
        "Twice() \"a\" \"b\"\n"
        "Twice() \"c\" \"d\"\n"
        "% a comment after the last declaration\n");
    ASSERT_EQ(functions.size(), 5u);
    EXPECT_EQ(functions[0].name, "SwitchOn");
    EXPECT_EQ(functions[1].name, "SwitchOff");
    EXPECT_EQ(functions[2].name, "Split");
    EXPECT_EQ(functions[2].argCount, 2);
    EXPECT_EQ(functions[2].listText, "Split");
    EXPECT_EQ(functions[3].text, "a");
    EXPECT_EQ(functions[4].text, "c");
    EXPECT_TRUE(Declare("").empty());
}

TEST(FunctionDeclarations, MalformedDeclarationsAreRefusedWithTheirTexts) {
    EXPECT_EQ(Refusal("(x) \"a\" \"b\""),
              "Incorrect function identifier: \"(x) \"a\" \"b\"\n#END\n...\"");
    EXPECT_EQ(Refusal("% only a comment"), "Incorrect function identifier: \"#END\n...\"");
    EXPECT_EQ(Refusal("Name ([timers]) \"a\" \"b\""), "Name : Incorrect function declaration.");
    EXPECT_EQ(Refusal("F([1.5]) \"a\" \"b\""), "[int..int]: Error in func decl file.");
    EXPECT_EQ(Refusal("F(x) \"a\" \"b\""), "F arg: Error in func decl file.");
    EXPECT_EQ(Refusal("F(1,2,3,4,5,6,7,8) \"a\" \"b\""), "Template::AddIntConst - cannot add the argument.");
    EXPECT_EQ(Refusal("F(1,2,3,4,5,6,7)[timers] \"a\" \"b\""),
              "Template::AddArgGroup - cannot add the argument.");
    EXPECT_EQ(Refusal("F([timers]) \"<0 t>\" \"b\""),
              "Template::SetArgDefText - argument index is out of range.");
    EXPECT_EQ(Refusal("F([timers]) \"<2 t>\" \"b\""),
              "Template::SetArgDefText - argument index is out of range.");
    EXPECT_EQ(Refusal("F([timers]) \"<1 t\" \"b\""), "Error in template string - no enclosing >.");
    EXPECT_EQ(Refusal("F() \"never closed"), "Incorrect string value.");
    EXPECT_EQ(Refusal("F() 'a' \"b\""), "Incorrect string value.");
    EXPECT_EQ(Refusal("F() \"" + std::string(0x40000, 'x') + "\" \"b\""), "String buffer overflow");
    EXPECT_EQ(Refusal("F([" + std::string(128, 'g') + "]) \"a\" \"b\""),
              "A group name in the declaration of F is longer than 127 characters.");
    EXPECT_EQ(Refusal("F(1) \"<1 a><1 b><1 c><1 d><1 e><1 f><1 g><1 h><1 i>\" \"b\""),
              "Template::ParsePlaceholders - the display text of F has more than 8 placeholders.");
    EXPECT_EQ(Refusal("F([timers]"), "F arg: Error in func decl file.");
    TextReader unended;
    unended.OpenText("#FUNCTIONS\nF() \"a\" \"b\"\n");
    EXPECT_THROW(ReadFunctionDeclarations(unended), ScenarioError);
}

// A template built argument by argument, as the declaration reader builds it.
TEST(FunctionTemplate, AnEighthArgumentAndABadPlaceholderAreRefused) {
    Template t;
    for (int i = 0; i < 7; ++i) t.AddIntConst(i);
    // The reader's refusals above cover constants and groups; a bounded integer is refused alike.
    EXPECT_EQ(test::Raised([&] { t.AddArgChInteger(0, 1); }), "Template::AddArgChInteger - cannot add the argument.");
    EXPECT_EQ(t.argCount, 7);

    t.name = "F";
    t.text = "Set <1 timer> to <2 seconds> seconds, <1 again>";
    t.ParsePlaceholders();
    ASSERT_EQ(t.placeholderCount, 3);
    EXPECT_EQ(t.placeholders[2].argIndex, 0);
    t.text = "a <x label>";
    EXPECT_EQ(test::Raised([&] { t.ParsePlaceholders(); }), "Error in template string - no integer after <.");
    t.text = "<1 a><1 b><1 c><1 d><1 e><1 f><1 g><1 h>";
    EXPECT_NO_THROW(t.ParsePlaceholders()) << "eight placeholders fit";
}

// The designer scripts typed_numbers and bounded_and_constant_arguments type
// the plain refusals and the bounds that are taken; here the edges they leave.
TEST(FunctionTemplate, IntegerValidationMessages) {
    StringTable::Instance().LoadText(
        "#STRINGS\ntxtPleaseInt Please enter an integer\ntxtGreater not less than\n"
        "txtBetween , between\ntxtAnd and\n");
    Template t;
    t.AddArgChInteger(1, -1);
    t.AddArgChInteger(0, 10);
    t.AddArgGroup("timers");
    t.text = "<1 a> <2 b> <3 c>";
    t.ParsePlaceholders();

    const std::string open = "Please enter an integer, not less than 1.";
    EXPECT_EQ(t.ValidateInteger(0, "0"), open);
    EXPECT_EQ(t.ValidateInteger(0, "1"), "");
    EXPECT_EQ(t.ValidateInteger(0, "12abc"), open) << "no number is read by its leading digits";
    EXPECT_EQ(t.ValidateInteger(0, ""), open);

    const std::string bounded = "Please enter an integer, between 0 and 10.";
    EXPECT_EQ(t.ValidateInteger(1, "11"), bounded);
    EXPECT_EQ(t.ValidateInteger(1, " 0"), "");

    const std::string notInteger =
        "Template::ValidateInteger - trying to validate naturally non-integer value for being integer.";
    EXPECT_EQ(test::Raised([&] { t.ValidateInteger(2, "1"); }), notInteger);
    EXPECT_EQ(test::Raised([&] { t.ValidateInteger(7, "1"); }), notInteger);
    StringTable::Instance().Clear();
}

}  // namespace
}  // namespace sced
