#include <gtest/gtest.h>

#include "core/file_write.h"
#include "support/game_folder.h"

namespace sced {
namespace {

namespace fs = std::filesystem;

// A rename that fails part way puts back every file already replaced and
// removes those that did not exist; nothing of the attempt stays behind.
TEST(StagedFiles, AFailedReplacementTakesBackWhatWasReplaced) {
    test::TempGameFolder folder(test::TempGameFolder::kEmpty);
    folder.Write("a.txt", "old a");
    folder.Write("c.txt", "old c");
    StagedFiles files;
    ASSERT_TRUE(files.Stage(folder.File("a.txt"), "new a"));
    ASSERT_TRUE(files.Stage(folder.File("b.txt"), "new b"));
    ASSERT_TRUE(files.Stage(folder.File("c.txt"), "new c"));
    // Something took c's place after staging: a folder that cannot be renamed over.
    fs::remove(folder.File("c.txt"));
    folder.Write("c.txt/inside", "x");
    EXPECT_FALSE(files.Replace());
    EXPECT_EQ(folder.Read("a.txt"), "old a");
    EXPECT_FALSE(fs::exists(folder.File("b.txt")));
    EXPECT_FALSE(folder.HasStagingLeftovers());

    // Replaced but not kept: the old files come back too.
    fs::remove_all(folder.File("c.txt"));
    {
        StagedFiles again;
        ASSERT_TRUE(again.Stage(folder.File("a.txt"), "new a"));
        ASSERT_TRUE(again.Replace());
        EXPECT_EQ(folder.Read("a.txt"), "new a");
    }
    EXPECT_EQ(folder.Read("a.txt"), "old a");
    EXPECT_FALSE(folder.HasStagingLeftovers());
}

#ifndef _WIN32
// A link stays a link: the file it names gets the bytes.
TEST(StagedFiles, LinksAreWrittenThrough) {
    test::TempGameFolder folder(test::TempGameFolder::kEmpty);
    folder.Write("real/script.cms", "old");
    fs::create_directories(folder.File("links"));
    fs::create_symlink("../real/script.cms", folder.File("links/relative"));
    fs::create_symlink(folder.File("links/relative"), folder.File("chain"));
    struct Case {
        const char* written;
        const char* bytes;
    };
    for (const Case& c : {Case{"links/relative", "through a relative link"}, Case{"chain", "through two links"}}) {
        ASSERT_TRUE(WriteFileAtomically(folder.File(c.written), c.bytes)) << c.written;
        EXPECT_EQ(folder.Read("real/script.cms"), c.bytes) << c.written;
        EXPECT_TRUE(fs::is_symlink(folder.File("links/relative")));
        EXPECT_TRUE(fs::is_symlink(folder.File("chain")));
    }
    EXPECT_FALSE(folder.HasStagingLeftovers());
}
#endif

}  // namespace
}  // namespace sced
