#include <gtest/gtest.h>

#include "files/dump_file.h"
#include "model/mission_properties.h"
#include "support/demo_scenario.h"
#include "support/game_folder.h"

namespace sced {
namespace {

TEST(MissionProperties, ATitleIsOneLineOfAtMost511Bytes) {
    const std::string joined = "The title is one line: its lines are joined with a space.";
    const std::string cut = "The title is cut to its first 511 characters.";
    struct Case {
        std::string title;
        std::string kept;
        std::vector<std::string> warnings;
    };
    const Case cases[] = {
        {"Siege of the hill", "Siege of the hill", {}},
        {"Siege\nof the\r\nhill\r", "Siege of the hill", {joined}},
        {"\n\nSiege\n\n", "Siege", {joined}},
        {std::string(511, 't'), std::string(511, 't'), {}},
        {std::string(600, 't'), std::string(511, 't'), {cut}},
        {std::string(300, 'a') + "\n" + std::string(300, 'b'), std::string(300, 'a') + " " + std::string(210, 'b'),
         {joined, cut}},
    };
    for (const Case& c : cases) {
        test::WarningRecorder warnings;
        EXPECT_EQ(OneLineTitle(c.title), c.kept) << c.title;
        EXPECT_EQ(warnings.texts, c.warnings) << c.title;
    }

    // A dump whose title section has several lines gives one line.
    test::DemoScenario demo;
    test::WarningRecorder warnings;
    ReadDumpText(*demo, "#TITLE\r\nSiege\r\nof the hill\r\n#END\r\n");
    EXPECT_EQ(demo->title, "Siege of the hill");
    EXPECT_EQ(warnings.texts, std::vector<std::string>{joined});
}

}  // namespace
}  // namespace sced
