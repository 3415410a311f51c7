#include <gtest/gtest.h>

#include "core/string_table.h"
#include "files/dump_file.h"
#include "model/mission_properties.h"
#include "support/demo_scenario.h"
#include "support/game_folder.h"

namespace sced {
namespace {

TEST(MissionProperties, TheDialogSeesBoundedTextsAndAConfirmedEditIsTaken) {
    test::DemoScenario demo;
    demo->title = "Siege";
    demo->description = "Hold the hill.\nThen the harbour.";
    ExchangeArea exchange;
    std::string caption;
    bool confirmed = EditProperties(*demo, exchange, [&](ExchangeArea& area, const std::string& shown) {
        caption = shown;
        EXPECT_EQ(area.Title(), "Siege");
        EXPECT_EQ(area.Description(), "Hold the hill.\nThen the harbour.");
        area.SetTitle("Siege of the hill");
        return true;
    });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(caption, Lookup("txtMissProp"));
    EXPECT_EQ(demo->title, "Siege of the hill");
    EXPECT_EQ(demo->description, "Hold the hill.\nThen the harbour.");

    EXPECT_FALSE(EditProperties(*demo, exchange, [](ExchangeArea& area, const std::string&) {
        area.SetTitle("cancelled");
        return false;
    }));
    EXPECT_EQ(demo->title, "Siege of the hill");

    EditProperties(*demo, exchange, [](ExchangeArea& area, const std::string&) {
        area.SetTitle("   ");
        return true;
    });
    EXPECT_EQ(demo->title, Lookup("txtMissTitle")) << "a blank title becomes the default title";
}

TEST(MissionProperties, LongTextsNeverOverrunTheAreaAndSurviveUnchanged) {
    test::DemoScenario demo;
    const std::string longTitle(700, 't');
    const std::string longDescription(3000, 'd');
    demo->title = longTitle;
    demo->description = longDescription;
    ExchangeArea exchange;
    EditProperties(*demo, exchange, [](ExchangeArea& area, const std::string&) {
        EXPECT_EQ(area.Title().size(), 511u);
        EXPECT_EQ(area.Description().size(), 1023u);
        EXPECT_EQ(area.bytes()[511], '\0');
        EXPECT_EQ(area.bytes()[512 + 1023], '\0');
        return true;
    });
    EXPECT_EQ(demo->title, longTitle);
    EXPECT_EQ(demo->description, longDescription);

    EditProperties(*demo, exchange, [](ExchangeArea& area, const std::string&) {
        area.SetDescription(std::string(5000, 'n'));
        return true;
    });
    EXPECT_EQ(demo->description, std::string(1023, 'n'));
    EXPECT_EQ(demo->title, longTitle);
}

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
