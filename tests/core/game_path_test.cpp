#include <gtest/gtest.h>

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

TEST(GamePath, AFolderOrMissingFileIsNotReadable) {
    test::TempGameFolder folder(test::TempGameFolder::kEmpty);
    EXPECT_FALSE(ReadWholeFile(folder.path()));
    EXPECT_FALSE(ReadWholeFile(folder.File("missing")));
    folder.Write("binary", std::string("a\0\r\nb", 5));
    EXPECT_EQ(*ReadWholeFile(folder.File("binary")), std::string("a\0\r\nb", 5));
}

}  // namespace
}  // namespace sced
