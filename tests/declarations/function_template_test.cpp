#include <gtest/gtest.h>

#include "support/raised.h"

#include "core/scenario_error.h"
#include "core/string_table.h"
#include "declarations/function_template.h"

namespace sced {
namespace {

using test::Raised;

TEST(FunctionTemplate, SevenArgumentsFitAndTheEighthIsRefusedByItsKind) {
    Template t;
    for (int i = 0; i < 7; ++i) t.AddIntConst(i);
    EXPECT_EQ(t.argCount, 7);
    EXPECT_EQ(Raised([&] { t.AddIntConst(1); }), "Template::AddIntConst - cannot add the argument.");
    EXPECT_EQ(Raised([&] { t.AddArgGroup("timers"); }), "Template::AddArgGroup - cannot add the argument.");
    EXPECT_EQ(Raised([&] { t.AddArgChInteger(0, 1); }),
              "Template::AddArgChInteger - cannot add the argument.");
    EXPECT_EQ(t.argCount, 7);
}

TEST(FunctionTemplate, PlaceholdersFollowTheDisplayText) {
    Template t;
    t.name = "RunTimer";
    t.text = "Set <1 timer> to <2 seconds> seconds, <1 again>";
    t.ParsePlaceholders();
    ASSERT_EQ(t.placeholderCount, 3);
    EXPECT_EQ(t.placeholders[0].argIndex, 0);
    EXPECT_EQ(t.placeholders[1].argIndex, 1);
    EXPECT_EQ(t.placeholders[2].argIndex, 0);

    t.text = "no placeholders";
    t.ParsePlaceholders();
    EXPECT_EQ(t.placeholderCount, 0);
}

TEST(FunctionTemplate, MalformedPlaceholdersAreRefused) {
    Template t;
    t.name = "F";
    t.text = "a <x label>";
    EXPECT_EQ(Raised([&] { t.ParsePlaceholders(); }), "Error in template string - no integer after <.");
    t.text = "a <1 label without end";
    EXPECT_EQ(Raised([&] { t.ParsePlaceholders(); }), "Error in template string - no enclosing >.");
    t.text = "<1 a><1 b><1 c><1 d><1 e><1 f><1 g><1 h>";
    EXPECT_NO_THROW(t.ParsePlaceholders());
    t.text += "<1 i>";
    EXPECT_EQ(Raised([&] { t.ParsePlaceholders(); }),
              "Template::ParsePlaceholders - the display text of F has more than 8 placeholders.");
}

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
    EXPECT_EQ(t.ValidateInteger(0, "12abc"), "");
    EXPECT_EQ(t.ValidateInteger(0, "abc"), open);
    EXPECT_EQ(t.ValidateInteger(0, ""), open);

    const std::string bounded = "Please enter an integer, between 0 and 10.";
    EXPECT_EQ(t.ValidateInteger(1, "-1"), bounded);
    EXPECT_EQ(t.ValidateInteger(1, "11"), bounded);
    EXPECT_EQ(t.ValidateInteger(1, "10"), "");
    EXPECT_EQ(t.ValidateInteger(1, " 0"), "");

    const std::string notInteger =
        "Template::ValidateInteger - trying to validate naturally non-integer value for being integer.";
    EXPECT_EQ(Raised([&] { t.ValidateInteger(2, "1"); }), notInteger);
    EXPECT_EQ(Raised([&] { t.ValidateInteger(7, "1"); }), notInteger);
    StringTable::Instance().Clear();
}

}  // namespace
}  // namespace sced
