#include <gtest/gtest.h>

#include "core/string_table.h"
#include "files/game_launch.h"
#include "files/mission_package.h"
#include "model/scenario.h"
#include "support/game_folder.h"

namespace sced {
namespace {

using Args = std::vector<std::string>;

TEST(GameLaunch, EachCommandSendsTheMapAsOneArgument) {
    struct Case {
        std::string map;
        Args play, mapEditor;
        std::string startDat;
    };
    const Case cases[] = {
        {"Maps\\Valley.m3d", {"/MISSION", "Maps\\Valley.m3d"}, {"/MAPEDITOR", "Maps\\Valley.m3d"}, "Maps\\Valley.m3d"},
        {"My Maps\\Old Ford.m3d",
         {"/MISSION", "My Maps\\Old Ford.m3d"},
         {"/MAPEDITOR", "My Maps\\Old Ford.m3d"},
         "My Maps\\Old Ford.m3d"},
        // No mission: the map editor starts empty, a running game loads its default map.
        {"", {"/MISSION", ""}, {"/MAPEDITOR"}, "\\Data\\standart.m3d"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlayArguments(c.map), c.play) << c.map;
        EXPECT_EQ(MapEditorArguments(c.map), c.mapEditor) << c.map;
        EXPECT_EQ(StartDatText(c.map), c.startDat) << c.map;
    }
}

TEST(GameLaunch, TheGameAndStartDatAreFoundInTheGameFolder) {
    test::TempGameFolder folder;
    StringTable::Instance().Load(folder.path());
    Scenario scenario(folder.path());
    ASSERT_TRUE(OpenMission(scenario, "Maps\\Valley.m3d", true));
    EXPECT_EQ(GameMapPath(scenario), "Maps\\Valley.m3d") << "relative to the game folder, the game's working folder";

    EXPECT_EQ(GameExecutable(folder.path()), folder.File("ketrel.exe")) << "none there yet";
    folder.Write("KETREL.EXE", "MZ\x90");
    folder.Write("script", "#!/bin/sh\n");
    EXPECT_EQ(GameExecutable(folder.path()), folder.File("KETREL.EXE"));
    EXPECT_TRUE(IsWindowsProgram(folder.File("KETREL.EXE")));
    EXPECT_FALSE(IsWindowsProgram(folder.File("script")));
    EXPECT_FALSE(IsWindowsProgram(folder.File("missing")));

    std::error_code why;
    ASSERT_TRUE(WriteStartDat(folder.path(), "", &why)) << why.message();
    EXPECT_EQ(folder.Read("UserMissions\\start.dat"), "\\Data\\standart.m3d") << "no line end";
    folder.Remove("UserMissions\\start.dat");
    folder.Write("UserMissions\\START.DAT", "old");
    ASSERT_TRUE(WriteStartDat(folder.path(), "Maps\\Valley.m3d", &why));
    EXPECT_EQ(folder.Read("UserMissions\\START.DAT"), "Maps\\Valley.m3d") << "the game's file in its own case";

    test::TempGameFolder empty(test::TempGameFolder::kEmpty);
    EXPECT_FALSE(WriteStartDat(empty.path(), "", &why)) << "no user-missions folder";
    EXPECT_TRUE(why);
}

}  // namespace
}  // namespace sced
