#include <gtest/gtest.h>

#include "files/dump_file.h"
#include "support/demo_scenario.h"
#include "support/game_folder.h"
#include "support/raised.h"

namespace sced {
namespace {

TEST(DumpFile, ExportAndImportKeepEveryName) {
    test::DemoScenario demo;
    const std::string longLabel(3000, 'L');
    demo->title = "Siege";
    // Lines that look like section lines stay description lines.
    demo->description = "Hold the hill.\n#END of story\n#TRIGGERS\n\nThen the harbour.";
    demo->triggers.Append(demo.Trigger(longLabel, {}, {}));
    demo->triggers.Append(demo.Trigger("End", {}, {}));
    demo->objectGroups.GetGroup("switches")[3] = "#END";
    // An empty name goes out as its default, so the names after it keep their places.
    demo->objectGroups.GetGroup("objectives")[0] = "";
    demo->objectGroups.GetGroup("objectives")[1] = "Second";
    test::TempGameFolder folder(test::TempGameFolder::kEmpty);
    ASSERT_TRUE(WriteDump(*demo, folder.File("mission.dmp")));
    std::string dump = folder.Read("mission.dmp");
    EXPECT_EQ(dump.substr(0, 42), "#TITLE\r\nSiege\r\n#END\r\n\r\n#DESCRIPTION\r\nHold ");
    EXPECT_NE(dump.find("\r\n#TRIGGERS\r\n" + longLabel + "\r\nEnd\r\n#END\r\n"), std::string::npos);

    demo->title = demo->description = "changed";
    demo->triggers.At(0).text = demo->triggers.At(1).text = "changed";
    demo->objectGroups.GetGroup("switches")[3] = "changed";
    ASSERT_TRUE(ReadDump(*demo, folder.File("mission.dmp")));
    EXPECT_EQ(demo->title, "Siege");
    EXPECT_EQ(demo->description, "Hold the hill.\n#END of story\n#TRIGGERS\n\nThen the harbour.");
    EXPECT_EQ(demo->triggers.At(0).text, longLabel);
    EXPECT_EQ(demo->triggers.At(1).text, "End");
    EXPECT_EQ(demo->objectGroups.GetGroup("switches")[3], "#END");
    EXPECT_EQ(demo->objectGroups.GetGroup("objectives")[1], "Second");
}

TEST(DumpFile, ImportRenamesOnlyWhatTheDumpListsAndKeepsDynamicGroupsApart) {
    test::DemoScenario demo;
    demo->title = "Kept title";
    demo->triggers.Append(demo.Trigger("Only", {}, {}));
    ReadDumpText(*demo,
                 "#SWITCHES\nOne\nTwo\nThree\n#END\n#TRIGGERS\nFirst\nSecond\nThird\n#END\n"
                 "#DYNGROUPS\nConvoy\nRaiders\nRaiders\n#END\n#PAGES\nignored\n#END\n");
    const StringList& switches = demo->objectGroups.GetGroup("switches");
    EXPECT_EQ(switches[2], "Three");
    EXPECT_EQ(switches[3], "Switch3");
    EXPECT_EQ(switches.count(), 256);
    EXPECT_EQ(demo->triggers.At(0).text, "First");
    EXPECT_EQ(demo->triggers.count(), 1);
    // Named like a map group or like each other, they would swap places in the script.
    const StringList& dynGroups = demo->objectGroups.GetGroup("dyngroups");
    EXPECT_EQ((std::vector<std::string>{dynGroups[0], dynGroups[1], dynGroups[2]}),
              (std::vector<std::string>{"_Convoy", "Raiders", "_Raiders"}));
    EXPECT_EQ(demo->title, "Kept title");
    EXPECT_EQ(demo->objectGroups.GetGroup("timers")[0], "Timer0");

    test::TempGameFolder folder(test::TempGameFolder::kEmpty);
    EXPECT_FALSE(ReadDump(*demo, folder.File("missing.dmp")));
    EXPECT_FALSE(WriteDump(*demo, folder.File("no/folder/x.dmp")));
}

TEST(DumpFile, TextsNoLineCanCarryAreRefused) {
    struct Case {
        std::string description;
        std::string label;
        std::string error;
    };
    const Case cases[] = {
        {"Hold.\n#END\nmore", "Start",
         "The line \"#END\" of the description cannot be written to the dump: it would end its section."},
        {"Hold.\r#END  ", "Start",
         "The line \"#END  \" of the description cannot be written to the dump: it would end its section."},
        {"Hold.", "Two\nlines", "The name \"Two\\x0Alines\" in the section #TRIGGERS cannot be written to the dump."},
    };
    for (const Case& c : cases) {
        test::DemoScenario demo;
        demo->description = c.description;
        demo->triggers.Append(demo.Trigger(c.label, {}, {}));
        EXPECT_EQ(test::Raised([&] { DumpText(*demo); }), c.error);
    }
}

}  // namespace
}  // namespace sced
