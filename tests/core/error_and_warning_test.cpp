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
