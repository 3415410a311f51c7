#include <gtest/gtest.h>

#include "core/string_table.h"
#include "model/scenario.h"
#include "support/game_folder.h"
#include "support/raised.h"

namespace sced {
namespace {

std::string StartUpError(const test::TempGameFolder& folder) {
    return test::Raised([&] {
        StringTable::Instance().Load(folder.path());
        Scenario scenario(folder.path());
    });
}

// Where the built-in groups sit is the object groups' test; that the demo
// declares each function its mission calls, the round trip's.
TEST(StartUp, TheDemoGameStartsWithEverythingItDeclares) {
    test::TempGameFolder folder;
    StringTable::Instance().Load(folder.path());
    {
        Scenario scenario(folder.path());
        EXPECT_EQ(scenario.gameFolder, folder.path());
        EXPECT_EQ(scenario.title, Lookup("txtUserMission"));
        EXPECT_EQ(scenario.description, Lookup("txtMissDescr"));
        EXPECT_EQ(scenario.currentTrigger, -1);
        EXPECT_FALSE(scenario.modified);
        EXPECT_FALSE(scenario.objectGroups.mapLoaded);
        EXPECT_FALSE(scenario.scriptText);

        ASSERT_GE(scenario.functions.size(), 40u);
        // Conditions come first, as the group file lists them.
        auto firstAction = std::find_if(scenario.functions.begin(), scenario.functions.end(),
                                        [](const Template& t) { return !t.isCondition; });
        EXPECT_TRUE(std::none_of(firstAction, scenario.functions.end(),
                                 [](const Template& t) { return t.isCondition; }));
        for (const Template& t : scenario.functions) EXPECT_FALSE(t.menuGroup.empty()) << t.name;

        const ObjectGroups& groups = scenario.objectGroups;
        EXPECT_EQ(groups[0].name, "nations");
        EXPECT_EQ(groups.GetGroup("nations").count(), 8);
        EXPECT_EQ(groups.GetGroup("players")[0], Lookup("txtPlayer") + "0");

        EXPECT_GE(scenario.lists.formations.size(), 4u);
        EXPECT_GE(scenario.lists.unitCategories.size(), 3u);
        for (const UnitCategory& category : scenario.lists.unitCategories)
            EXPECT_EQ(category.code.size(), 2u) << category.name;
        EXPECT_FALSE(scenario.lists.UpgradeChooserTree().empty());
    }
}

TEST(StartUp, EachMissingFileEndsStartUpWithItsText) {
    const std::pair<const char*, const char*> cases[] = {
        {"Data\\str", "Error opening strings file"},
        {"Data\\FuncDecl", "No functions decl file."},
        {"Data\\FuncStruct", "No groups structure file."},
        {"Data\\orders.lst", "Cannot open order.lst file."},
        {"Data\\unitslist.dat", "Cannot Find file unitslist.dat"},
        {"Data\\upglist.dat", "Cannot open upglist.dat"},
    };
    for (const auto& [file, text] : cases) {
        test::TempGameFolder folder;
        folder.Remove(file);
        EXPECT_EQ(StartUpError(folder), text) << file;
    }
}

TEST(StartUp, MalformedFilesEndStartUpWithOneText) {
    struct Case {
        const char* file;
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {"Data\\FuncDecl", "no block here\n", "Cannot locate #FUNCTIONS block in FuncDecl.* file."},
        {"Data\\FuncDecl", "#FUNCTIONS\nF() \"a\" \"b\"\n#END\n",
         "Data\\FuncDecl: cannot find the #GROUPNAMES section."},
        {"Data\\FuncStruct", "#ACTION\n#END\n", "Data\\FuncStruct: cannot find the #CONDITION section."},
        {"Data\\orders.lst", "#Open\n* *\n", "Data\\orders.lst: the formation Open is not closed by #END."},
        {"Data\\unitslist.dat", "Infantry\n" + std::string(300, 'u') + " title\n",
         "Data\\unitslist.dat: line 2 is longer than 255 characters."},
    };
    for (const Case& c : cases) {
        test::TempGameFolder folder;
        folder.Write(c.file, c.bytes);
        EXPECT_EQ(StartUpError(folder), c.text) << c.file;
    }
}

}  // namespace
}  // namespace sced
