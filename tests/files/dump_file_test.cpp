#include <gtest/gtest.h>

#include "files/dump_file.h"
#include "support/demo_scenario.h"
#include "support/game_folder.h"

namespace sced {
namespace {

TEST(DumpFile, ExportAndImportKeepEveryName) {
    test::DemoScenario demo;
    demo->title = "Siege";
    demo->description = "Hold the hill.\nThen the harbour.";
    demo->triggers.Append(demo.Trigger("Start", {}, {}));
    demo->triggers.Append(demo.Trigger("End", {}, {}));
    demo->objectGroups.GetGroup("switches")[3] = "Bridge blown";
    test::TempGameFolder folder(test::TempGameFolder::kEmpty);
    ASSERT_TRUE(WriteDump(*demo, folder.File("mission.dmp")));
    std::string dump = folder.Read("mission.dmp");
    EXPECT_EQ(dump.substr(0, 76), "#TITLE\r\nSiege\r\n#END\r\n\r\n#DESCRIPTION\r\nHold the hill.\r\nThen the harbour.\r\n#END");
    EXPECT_NE(dump.find("\r\n#TRIGGERS\r\nStart\r\nEnd\r\n#END\r\n"), std::string::npos);

    demo->title = demo->description = "changed";
    demo->triggers.At(0).text = "changed";
    demo->objectGroups.GetGroup("switches")[3] = "changed";
    ASSERT_TRUE(ReadDump(*demo, folder.File("mission.dmp")));
    EXPECT_EQ(demo->title, "Siege");
    EXPECT_EQ(demo->description, "Hold the hill.\nThen the harbour.");
    EXPECT_EQ(demo->triggers.At(0).text, "Start");
    EXPECT_EQ(demo->objectGroups.GetGroup("switches")[3], "Bridge blown");
}

TEST(DumpFile, ImportRenamesOnlyWhatTheDumpLists) {
    test::DemoScenario demo;
    demo->title = "Kept title";
    demo->triggers.Append(demo.Trigger("Only", {}, {}));
    ReadDumpText(*demo,
                 "#SWITCHES\nOne\nTwo\nThree\n#END\n#TRIGGERS\nFirst\nSecond\nThird\n#END\n"
                 "#DYNGROUPS\nRaiders_Dyn\n#END\n#PAGES\nignored\n#END\n");
    const StringList& switches = demo->objectGroups.GetGroup("switches");
    EXPECT_EQ(switches[2], "Three");
    EXPECT_EQ(switches[3], "Switch3");
    EXPECT_EQ(switches.count(), 256);
    EXPECT_EQ(demo->triggers.At(0).text, "First");
    EXPECT_EQ(demo->triggers.count(), 1);
    EXPECT_EQ(demo->objectGroups.GetGroup("dyngroups")[0], "Raiders_Dyn");
    EXPECT_EQ(demo->title, "Kept title");
    EXPECT_EQ(demo->objectGroups.GetGroup("timers")[0], "Timer0");

    test::TempGameFolder folder(test::TempGameFolder::kEmpty);
    EXPECT_FALSE(ReadDump(*demo, folder.File("missing.dmp")));
    EXPECT_FALSE(WriteDump(*demo, folder.File("no/folder/x.dmp")));
}

}  // namespace
}  // namespace sced
