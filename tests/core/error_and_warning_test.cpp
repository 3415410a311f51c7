#include <gtest/gtest.h>

#include "support/raised.h"

#include "core/scenario_error.h"
#include "core/warning.h"
#include "support/game_folder.h"

namespace sced {
namespace {

using test::Raised;

TEST(ErrorChecks, RaiseTheirTextsOnlyWhenTheConditionFails) {
    EXPECT_NO_THROW(Check(true, "x"));
    EXPECT_EQ(Raised([] { Check(false, "plain text"); }), "plain text");
    EXPECT_EQ(Raised([] { Fail(std::string("temporary")); }), "temporary");
    // A range is half open and its text names the value and the bounds.
    EXPECT_NO_THROW(CheckRange(4, 0, 5, "Wrong Formation Index."));
    EXPECT_NO_THROW(CheckRange(0, 0, 5, "Wrong Formation Index."));
    EXPECT_EQ(Raised([] { CheckRange(5, 0, 5, "Wrong Formation Index."); }),
              "Wrong Formation Index. Value 5 is not in bounds [0, 5).");
    EXPECT_EQ(Raised([] { CheckRange(-1, 0, 5, "X."); }), "X. Value -1 is not in bounds [0, 5).");
    // An excerpt shows at most 64 characters.
    std::string rest(100, 'a');
    rest.replace(64, 1, "b");
    EXPECT_EQ(Raised([&] { CheckExcerpt(false, "Incorrect function identifier: ", rest); }),
              "Incorrect function identifier: \"" + std::string(64, 'a') + "...\"");
    EXPECT_EQ(Raised([] { CheckExcerpt(false, "T: ", "short"); }), "T: \"short...\"");
}

TEST(Warnings, GoToTheInstalledSinkAndReturnTheCondition) {
    test::WarningRecorder recorder;
    EXPECT_TRUE(Warn(true, "not shown"));
    EXPECT_FALSE(Warn(false, "shown"));
    EXPECT_EQ(recorder.texts, std::vector<std::string>{"shown"});
    // A sink that throws does not end the program.
    WarningSink previous = SetWarningSink([](const std::string&) { throw std::runtime_error("x"); });
    EXPECT_FALSE(Warn(false, "text"));
    SetWarningSink(std::move(previous));
}

}  // namespace
}  // namespace sced
