#include <gtest/gtest.h>

#include <fstream>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "core/game_path.h"
#include "core/path_text.h"
#include "support/game_folder.h"

namespace sced {
namespace {

namespace fs = std::filesystem;

TEST(GamePath, GamePathsUseNativeSeparatorsAndAnyCase) {
    test::TempGameFolder folder(test::TempGameFolder::kEmpty);
    folder.Write("Data\\str", "x");
    folder.Write("maps/VALLEY.M3D", "x");
    const std::pair<const char*, const char*> cases[] = {
        {"Data\\str", "Data/str"},
        {"Data/str", "Data/str"},
#ifndef _WIN32
        {"DATA\\STR", "Data/str"},
        {"Maps\\Valley.m3d", "maps/VALLEY.M3D"},
        {"Maps\\none.m3d", "maps/none.m3d"},  // no file matches: as written
#endif
    };
    for (const auto& [written, found] : cases) EXPECT_EQ(ResolveGamePath(folder.path(), written), folder.File(found));
#ifndef _WIN32
    // An exact match wins over a match in another case.
    folder.Write("maps/Valley.m3d", "y");
    EXPECT_EQ(ResolveGamePath(folder.path(), "Maps\\Valley.m3d"), folder.File("maps/Valley.m3d"));
#endif
}

// The game's names are code page 1251; on disk they are Unicode, as Wine and
// every desktop write them, and found in any case, as on Windows.
TEST(GamePath, CyrillicNamesAreUnicodeOnDiskAndFoundInAnyCase) {
    const std::string valley = "\xC4\xEE\xEB\xE8\xED\xE0";  // "Долина"
    EXPECT_EQ(PathOfText(valley), fs::path(u8"Долина"));
    EXPECT_EQ(ExactTextOfPath(fs::path(u8"Долина")), valley);
    EXPECT_EQ(ExactTextOfPath(fs::path(u8"a\u4E2Db")), std::nullopt);
    EXPECT_EQ(TextOfPath(fs::path(u8"a\u4E2Db")), "a?b");

    test::TempGameFolder folder(test::TempGameFolder::kEmpty, "\xC8\xE3\xF0\xE0 ");  // "Игра "
    folder.Write("Maps\\" + valley + ".m3d", "x");
    const fs::path map = folder.path() / u8"Maps" / u8"Долина.m3d";
    EXPECT_TRUE(fs::is_regular_file(map));
    EXPECT_EQ(ExactTextOfPath(folder.path().filename()).value_or("").substr(0, 5), "\xC8\xE3\xF0\xE0 ");
    const fs::path upper = ResolveGamePath(folder.path(), "MAPS\\\xC4\xCE\xCB\xC8\xCD\xC0.M3D");  // "ДОЛИНА"
    EXPECT_TRUE(fs::exists(upper) && fs::equivalent(upper, map)) << upper;
#ifndef _WIN32
    // A name that an older build wrote in code page 1251 bytes is found too.
    folder.Write("UserMissions/x", "");
    const fs::path raw = folder.File("UserMissions") / std::string(valley + ".add");
    std::ofstream(raw).put('x');
    EXPECT_EQ(FindInFolder(folder.File("UserMissions"), valley + ".add"), raw);
#endif
}

// The folder names the same place however it was given, so the paths built
// from it can be written relative to it.
TEST(GamePath, TheGameFolderIsNormalisedOnce) {
    test::TempGameFolder folder(test::TempGameFolder::kEmpty);
    fs::create_directories(folder.File("games/x"));
    const fs::path expected = folder.File("games/x");
    for (const fs::path& given : {folder.File("games/x/."), folder.File("games/x/"), folder.File("games/y/../x"),
                                 folder.File("games/x/./")})
        EXPECT_EQ(MakeGameFolder(given), expected) << given;
    const fs::path current = fs::current_path();
    fs::current_path(expected);
    EXPECT_EQ(MakeGameFolder("."), expected);
    EXPECT_EQ(MakeGameFolder("../x"), expected);
    fs::current_path(current);
}

TEST(GamePath, OnlyARegularFileIsRead) {
    test::TempGameFolder folder(test::TempGameFolder::kEmpty);
    EXPECT_FALSE(ReadWholeFile(folder.path()));
    EXPECT_FALSE(ReadWholeFile(folder.File("missing")));
#ifndef _WIN32
    EXPECT_FALSE(ReadWholeFile("/dev/zero")) << "a device is refused";
    ASSERT_EQ(mkfifo(folder.File("pipe").c_str(), 0600), 0);
    EXPECT_FALSE(ReadWholeFile(folder.File("pipe"))) << "a pipe is refused, not waited for";
#endif
    folder.Write("binary", std::string("a\0\r\nb", 5));
    EXPECT_EQ(*ReadWholeFile(folder.File("binary")), std::string("a\0\r\nb", 5));
}

}  // namespace
}  // namespace sced
