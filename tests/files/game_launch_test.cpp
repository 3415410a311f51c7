#include <gtest/gtest.h>

#include "files/game_launch.h"
#include "support/game_folder.h"

namespace sced {
namespace {

using Args = std::vector<std::string>;

// The window tests start a fake game on the demo mission; here what they
// cannot reach: a map path with blanks, no mission, and "start.dat", which
// only a running game reads.
TEST(GameLaunch, EachCommandSendsTheMapAsOneArgument) {
    struct Case {
        std::string map;
        Args play, mapEditor;
        std::string startDat;
    };
    const Case cases[] = {
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

TEST(GameLaunch, TheGameAndStartDatAreFoundIgnoringCase) {
    test::TempGameFolder folder;
    folder.Write("KETREL.EXE", "MZ\x90");
    EXPECT_TRUE(std::filesystem::equivalent(GameExecutable(folder.path()), folder.File("KETREL.EXE")));

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
