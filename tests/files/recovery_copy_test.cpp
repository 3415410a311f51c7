#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "core/string_table.h"
#include "files/mission_package.h"
#include "files/recovery_copy.h"
#include "files/script_writer.h"
#include "model/page_table.h"
#include "model/scenario.h"
#include "support/game_folder.h"
#include "support/raised.h"

namespace sced {
namespace {

namespace fs = std::filesystem;

class RecoveryCopy : public ::testing::Test {
protected:
    RecoveryCopy() {
        StringTable::Instance().Load(folder.path());
        scenario = std::make_unique<Scenario>(folder.path());
    }
    // The open mission's work kept in the copy.
    void Keep() { ASSERT_TRUE(WriteRecoveryCopy(copy, TakeRecoverySnapshot(*scenario))); }
    std::vector<std::string> CopyFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(copy)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    test::TempGameFolder folder;
    test::TempGameFolder appData{test::TempGameFolder::kEmpty};
    fs::path copy = RecoveryFolder(appData.path(), folder.path());
    std::unique_ptr<Scenario> scenario;
    test::WarningRecorder warnings;
};

TEST_F(RecoveryCopy, HoldsTheUnsavedWorkAndReplacesAnEarlierCopyWhole) {
    ASSERT_TRUE(OpenMission(*scenario, "Maps\\Valley.m3d", false));
    scenario->title = "Valley, retold";
    scenario->description = "Two lines\nof it";
    scenario->triggers.At(0).text = "Dawn, retold";
    scenario->heldPicture = "BM a loaded picture";
    const std::string script = BuildScript(*scenario);
    const int pages = Pages().size();
    Pages().Clear();
    Keep();
    EXPECT_EQ(Pages().size(), 0) << "the page table stays as it was";
    EXPECT_EQ(CopyFiles(), (std::vector<std::string>{"Valley.add", "Valley.bmp", "Valley.cms", "Valley.dsc",
                                                     "Valley.txt", "note.txt"}));
    EXPECT_EQ(ReadRecoveryNote(copy)->mapPath, "Maps\\Valley.m3d");

    // Read back over another mission: the kept work, picture and all.
    ASSERT_TRUE(OpenMission(*scenario, "Maps\\Harbour.m3d", false));
    OpenRecoveryCopy(*scenario, copy);
    EXPECT_EQ(scenario->missionName, "Valley");
    EXPECT_EQ(scenario->title, "Valley, retold");
    EXPECT_EQ(scenario->description, "Two lines\nof it");
    EXPECT_EQ(scenario->heldPicture, "BM a loaded picture");
    EXPECT_EQ(BuildScript(*scenario), script);
    EXPECT_EQ(Pages().size(), pages);
    EXPECT_EQ(folder.Read("UserMissions\\Valley.add").substr(0, 18), "Valley of the Ford") << "the saved mission stays";

    // The copy of another mission leaves nothing of the first.
    ASSERT_TRUE(NewMission(*scenario, "Maps\\Harbour.m3d"));
    Keep();
    EXPECT_EQ(CopyFiles(),
              (std::vector<std::string>{"Harbour.add", "Harbour.cms", "Harbour.dsc", "Harbour.txt", "note.txt"}));
    EXPECT_TRUE(warnings.texts.empty());
}

TEST_F(RecoveryCopy, ADamagedCopyOrOneWhoseMapIsGoneIsRefusedWithItsReason) {
    ASSERT_TRUE(OpenMission(*scenario, "Maps\\Valley.m3d", false));
    const std::string where = "The recovery copy in " + copy.string();
    struct Case {
        const char* file;
        const char* bytes;  // null: the file goes
        std::string refusal;
    };
    const Case cases[] = {
        {"note.txt", nullptr, where + " has no note that can be read."},
        {"note.txt", "mission Valley\nmap Maps\\Valley.m3d\n", where + " has no note that can be read."},
        {"Valley.cms", "cut short", where + " is damaged: Valley.cms is not what the copy wrote."},
        {"Valley.txt", nullptr, where + " is damaged: Valley.txt is not what the copy wrote."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Keep();
        if (c.bytes)
            std::ofstream(copy / c.file, std::ios::binary) << c.bytes;
        else
            fs::remove(copy / c.file);
        EXPECT_EQ(test::Raised([&] { OpenRecoveryCopy(*scenario, copy); }), c.refusal);
    }

    Keep();
    folder.Remove("Maps\\Valley.m3d");
    EXPECT_EQ(test::Raised([&] { OpenRecoveryCopy(*scenario, copy); }),
              where + " is of a map that cannot be read: Maps\\Valley.m3d.");
    EXPECT_EQ(warnings.texts.size(), 1u) << "the map's own warning names the file";
}

}  // namespace
}  // namespace sced
