#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "core/game_path.h"
#include "support/game_folder.h"

namespace sced {
namespace {

namespace fs = std::filesystem;

TEST(GamePath, GamePathsUseNativeSeparators) {
    test::TempGameFolder folder(test::TempGameFolder::kEmpty);
    folder.Write("Data\\str", "x");
    EXPECT_EQ(ResolveGamePath(folder.path(), "Data\\str"), folder.path() / "Data" / "str");
    EXPECT_EQ(ResolveGamePath(folder.path(), "Data/str"), folder.path() / "Data" / "str");
    EXPECT_TRUE(ReadWholeFile(ResolveGamePath(folder.path(), "Data\\str")));
}

#ifndef _WIN32
TEST(GamePath, AComponentInAnotherCaseIsFound) {
    test::TempGameFolder folder(test::TempGameFolder::kEmpty);
    folder.Write("data/FUNCDECL", "x");
    EXPECT_EQ(ResolveGamePath(folder.path(), "Data\\FuncDecl"), folder.path() / "data" / "FUNCDECL");
    // An exact match wins over a match in another case.
    folder.Write("Data/FuncDecl", "y");
    EXPECT_EQ(ResolveGamePath(folder.path(), "Data\\FuncDecl"), folder.path() / "Data" / "FuncDecl");
    // A path that exists in no case stays as written.
    EXPECT_EQ(ResolveGamePath(folder.path(), "Maps\\none.m3d"), folder.path() / "Maps" / "none.m3d");
}
#endif

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
