#include <gtest/gtest.h>

#include "core/string_table.h"
#include "model/mission_properties.h"
#include "support/demo_scenario.h"

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

}  // namespace
}  // namespace sced
