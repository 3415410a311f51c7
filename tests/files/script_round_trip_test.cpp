#include <gtest/gtest.h>

#include "support/outline.h"

#include <cstdlib>
#include <filesystem>
#include <set>

#include "core/game_path.h"
#include "core/string_table.h"
#include "editing/scenario_tree.h"
#include "files/mission_package.h"
#include "files/script_writer.h"
#include "support/cli_run.h"
#include "support/game_folder.h"
#include "support/map_bytes.h"
#include "support/random_mission.h"

namespace sced {
namespace {

namespace fs = std::filesystem;

// Every file of the folder, by its path inside it, with its bytes.
std::map<std::string, std::string> Snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), folder).string()] = *ReadWholeFile(entry.path());
    return files;
}

using test::Outline;

std::unique_ptr<Scenario> Start(const test::TempGameFolder& folder) {
    StringTable::Instance().Load(folder.path());
    return std::make_unique<Scenario>(folder.path());
}

TEST(ScriptRoundTrip, TheDemoMissionSurvivesOpeningAndSavingByteForByte) {
    test::TempGameFolder folder;
    const auto before = Snapshot(folder.path());
    auto scenario = Start(folder);
    ASSERT_TRUE(OpenMission(*scenario, "Maps\\Valley.m3d", false));
    SaveMission(*scenario);
    EXPECT_EQ(Snapshot(folder.path()), before);
    // Every declared function is used by the demo mission.
    std::set<const Template*> used;
    for (const auto& trigger : scenario->triggers)
        ForEachCall(*trigger, [&](const TermCommand& call) { used.insert(call.function); });
    for (const Template& function : scenario->functions)
        if (function.name != "IfBlock") {
            EXPECT_TRUE(used.count(&function)) << function.name;
        }
}

TEST(ScriptRoundTrip, RegeneratingTheDemoFilesGivesTheCommittedBytes) {
    test::TempGameFolder folder;
    const auto committed = Snapshot(folder.path() / "UserMissions");
    fs::remove_all(folder.File("UserMissions"));
    ASSERT_EQ(test::RunProgram({SCED_MAKE_DEMO_MISSION, folder.path().string()}), 0);
    EXPECT_EQ(Snapshot(folder.path() / "UserMissions"), committed);
    EXPECT_EQ(folder.Read("Maps\\Valley.m3d"), *ReadWholeFile(test::DemoGame() / "Maps" / "Valley.m3d"));

    ASSERT_EQ(test::RunProgram({SCED_MAKE_DEMO_BITMAP, (test::DemoGame() / "../pictures/ScEd_default.txt").string(),
                                folder.File("picture.bmp").string()}),
              0);
    EXPECT_EQ(folder.Read("picture.bmp"), folder.Read("Data\\ScEd_default.bmp"));
}

TEST(ScriptRoundTrip, RandomMissionsReadBackAsWritten) {
    const char* fixed = std::getenv("SCED_SEED");
    const unsigned first = fixed ? static_cast<unsigned>(std::strtoul(fixed, nullptr, 10)) : 1;
    const unsigned count = fixed ? 1 : 40;
    test::TempGameFolder folder;
    auto scenario = Start(folder);
    for (unsigned seed = first; seed < first + count; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed) + " (run again with SCED_SEED=" + std::to_string(seed) + ")");
        std::mt19937 random(seed);
        test::RandomMap map = test::MakeRandomMap(random);
        folder.Write("Maps\\Rand.m3d", test::MapBytes(map.zones, map.groups));
        fs::remove_all(folder.File("UserMissions"));
        ASSERT_TRUE(NewMission(*scenario, "Maps\\Rand.m3d"));
        test::FillRandomMission(*scenario, random);
        const std::string written = Outline(BuildScenarioTree(*scenario));
        SaveMission(*scenario);
        const auto saved = Snapshot(folder.path() / "UserMissions");

        ASSERT_TRUE(OpenMission(*scenario, "Maps\\Rand.m3d", false));
        for (const LeftOutCommand& command : scenario->leftOut)
            ADD_FAILURE() << "left out: " << command.function << " (" << command.name << ")";
        EXPECT_EQ(Outline(BuildScenarioTree(*scenario)), written);
        SaveMission(*scenario);
        EXPECT_EQ(Snapshot(folder.path() / "UserMissions"), saved);
        if (HasFailure()) break;
    }
}

}  // namespace
}  // namespace sced
