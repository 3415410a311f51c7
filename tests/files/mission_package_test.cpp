#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/file_write.h"
#include "core/game_path.h"
#include "core/path_text.h"
#include "core/string_table.h"
#include "files/mission_lock.h"
#include "files/map_reader.h"
#include "files/mission_package.h"
#include "files/save_report.h"
#include "files/script_writer.h"
#include "model/object_groups.h"
#include "model/scenario.h"
#include "support/game_folder.h"
#include "support/map_bytes.h"
#include "support/immutable_file.h"
#include "support/raised.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace sced {
namespace {

namespace fs = std::filesystem;

class MissionPackage : public ::testing::Test {
protected:
    MissionPackage() {
        StringTable::Instance().Load(folder.path());
        scenario = std::make_unique<Scenario>(folder.path());
    }
    test::TempGameFolder folder;
    std::unique_ptr<Scenario> scenario;
    test::WarningRecorder warnings;
};

TEST_F(MissionPackage, TheDescriptorNamesTitleMapAndScript) {
    const std::string expected = "Harbour\nMaps\\Harbour.m3d\nUserMissions\\Harbour\\Harbour.cms\n";
    // However the game folder was given, no path of this machine is written.
    for (const fs::path& given : {folder.path(), folder.path() / ".", folder.path() / "Maps" / ".." / ""}) {
        scenario->gameFolder = MakeGameFolder(given);
        ASSERT_TRUE(NewMission(*scenario, "Maps\\Harbour.m3d"));
        EXPECT_EQ(scenario->title, "Harbour");
        EXPECT_EQ(DescriptorText(*scenario), expected) << given;
    }
    // The game folder is removed from the front only when a separator follows it.
    scenario->gameFolder = folder.path() / "Ma";
    std::string whole = TextOfPath(MapPathOf(*scenario));
    std::ranges::replace(whole, '/', '\\');
    EXPECT_EQ(DescriptorText(*scenario).substr(0, 9 + whole.size()), "Harbour\n" + whole + "\n");
}

TEST_F(MissionPackage, PagesFileCarriesObjectivesAndPages) {
    StringList& objectives = scenario->objectGroups.GetGroup("objectives");
    objectives[0] = "~Secret~ ford";
    objectives[1] = "Save the train";
    Pages().Clear();
    Pages().Append(PageRecord{3, "valley.gp", "Welcome\r\n\tcommander"});
    Pages().Append(PageRecord{-1, "night.gp", "123 tanks # left"});
    Pages().Append(PageRecord{2, "Camp.v2.gp", "A dot in the name"});
    std::string text = PagesText(*scenario);
    EXPECT_EQ(text.substr(0, 65), "#BRIEFING faces 0\n{A}~Secret~ ford\n{B}~~Secret~ ford~\n{C}Save the");
    EXPECT_NE(text.find("{Y}Objective 12\n{Z}~Objective 12~\n"), std::string::npos);
    EXPECT_NE(text.find("#PAGE0 Missions\\Pictures\\valley 3\nWelcomecommander\n"
                        "#PAGE1 Missions\\Pictures\\night -1\n123 tanks # left\n"
                        "#PAGE2 Missions\\Pictures\\Camp.v2 2\nA dot in the name\n"),
              std::string::npos);

    objectives[0] = objectives[1] = "reset";
    Pages().Clear();
    ParsePagesFile(*scenario, WithCrLf(text));
    EXPECT_EQ(objectives[0], "~Secret~ ford") << "a name may start with \"~\"";
    EXPECT_EQ(objectives[1], "Save the train");
    ASSERT_EQ(Pages().size(), 3);
    EXPECT_EQ(Pages().At(0), (PageRecord{3, "valley.gp", "Welcomecommander"}));
    EXPECT_EQ(Pages().At(1), (PageRecord{-1, "night.gp", "123 tanks # left"}));
    EXPECT_EQ(Pages().At(2), (PageRecord{2, "Camp.v2.gp", "A dot in the name"}));

    // What the file cannot carry is refused before a save.
    for (std::string name : {"#1 priority", "two\nlines", "two\rlines"}) {
        objectives[0] = name;
        EXPECT_EQ(test::Raised([&] { CheckObjectiveNames(*scenario); }),
                  "The objective name \"" + name + "\" cannot be written to the mission pages file.");
    }
}

TEST_F(MissionPackage, PagesFilesOfOtherHandsAreReadAsFarAsTheyGo) {
    StringList& objectives = scenario->objectGroups.GetGroup("objectives");
    Pages().Clear();
    ParsePagesFile(*scenario,
                   "{A}First\n{B}~First~\n{D}~skipped~\n{E}Third\n"
                   "#PAGE7 Missions\\Pictures\\sub\\Map.gp 12\nA body\nover lines\n"
                   "#PAGE8 x.gp\n{G}not an objective\n");
    EXPECT_EQ(objectives[0], "First");
    EXPECT_EQ(objectives[1], "Objective 1") << "a skipped entry shifts nothing";
    EXPECT_EQ(objectives[2], "Third");
    EXPECT_EQ(objectives[3], "Objective 3") << "entries after the pages are body text";
    ASSERT_EQ(Pages().size(), 2);
    EXPECT_EQ(Pages().At(0), (PageRecord{12, "Map.gp", "A bodyover lines"}));
    EXPECT_EQ(Pages().At(1).picture, "x.gp");

    // Without an "{A}" line the other entries are still read by their letters.
    FillNumbered(objectives, "Objective ", -1);
    ParsePagesFile(*scenario, "#BRIEFING faces 0\n{C}Second\n{D}~Second~\n");
    EXPECT_EQ(objectives[0], "Objective 0");
    EXPECT_EQ(objectives[1], "Second");
}

// Empty names are written as their defaults: the readers skip empty lines,
// which would give every later item the name of the next.
TEST_F(MissionPackage, EmptyNamesAreSavedAsTheirDefaults) {
    ASSERT_TRUE(OpenMission(*scenario, "Maps\\Valley.m3d", false));
    struct Case {
        const char* group;
        int index;
        std::string defaultName;
    };
    const Case cases[] = {
        {"switches", 0, "Switch0"},
        {"timers", 0, "Timer0"},
        {"players", 0, scenario->objectGroups.GetGroup("nations")[0]},
        {"objectives", 0, "Objective 0"},
        {"dyngroups", 20, "DynGroup20_Dyn"},
    };
    std::vector<std::string> next;
    for (const Case& c : cases) {
        StringList& items = scenario->objectGroups.GetGroup(c.group);
        items[c.index] = "";
        next.push_back(items[c.index + 1]);
    }
    const std::string secondLabel = scenario->triggers.At(1).text;
    scenario->triggers.At(0).text = "";
    warnings.texts.clear();
    SaveMission(*scenario);
    EXPECT_EQ(warnings.texts.size(), 1u);
    ASSERT_TRUE(OpenMission(*scenario, "", false));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const StringList& items = scenario->objectGroups.GetGroup(cases[i].group);
        EXPECT_EQ(items[cases[i].index], cases[i].defaultName) << cases[i].group;
        EXPECT_EQ(items[cases[i].index + 1], next[i]) << cases[i].group;
    }
    EXPECT_EQ(scenario->triggers.At(0).text, Lookup("txtTrigger") + " 1");
    EXPECT_EQ(scenario->triggers.At(1).text, secondLabel);
}

// A designer who shares the mission copies what the report lists: the map
// and the picture too, written by the save or not.
TEST_F(MissionPackage, TheSaveReportNamesEveryFileOfThePackage) {
    ASSERT_TRUE(OpenMission(*scenario, "Maps\\Valley.m3d", false));
    std::vector<fs::path> files;
    for (const char* file : {"UserMissions\\Valley.add", "Maps\\Valley.m3d", "UserMissions\\Valley\\Valley.cms",
                             "UserMissions\\Valley\\Valley.txt", "UserMissions\\Valley\\Valley.dsc",
                             "UserMissions\\Valley\\Valley.bmp"})
        files.push_back(folder.File(file));
    EXPECT_EQ(PackageFiles(*scenario), files);
    folder.Write("UserMissions\\Valley\\Valley.str", "");
    files.push_back(folder.File("UserMissions\\Valley\\Valley.str"));
    EXPECT_EQ(PackageFiles(*scenario), files) << "the strings file, when the mission has one";
    const std::string report = SaveReportText(*scenario);
    EXPECT_EQ(report.substr(0, Lookup("txtSaved").size() + 4), Lookup("txtSaved") + ":\n  ");
    EXPECT_NE(report.find("  " + TextOfPath(files[1]) + "\n"), std::string::npos) << report;
    EXPECT_TRUE(report.ends_with("\n" + Lookup("txtDistribute"))) << report;
}

TEST_F(MissionPackage, OpeningReadsTheFilesThatExist) {
    ASSERT_TRUE(OpenMission(*scenario, "Maps\\Valley.m3d", false));
    EXPECT_TRUE(scenario->objectGroups.mapLoaded);
    EXPECT_EQ(scenario->description, "The valley must be held until the relief force arrives.\n"
                                     "Keep the supply train alive.")
        << "the description file's CR LF is read back as LF";
    // The triggers and the pages are read as each designer script's tree shows.
    EXPECT_EQ(scenario->picturePath, folder.path() / "UserMissions" / "Valley" / "Valley.bmp");

    // Without a descriptor nothing of the mission is read; the map stays open.
    folder.Remove("UserMissions\\Valley.add");
    ASSERT_TRUE(OpenMission(*scenario, "Maps\\Valley.m3d", false));
    EXPECT_EQ(scenario->triggers.count(), 0);
    EXPECT_FALSE(scenario->scriptText);
    EXPECT_EQ(scenario->objectGroups.GetGroup("objectives")[0], "Objective 0");

    // A map that cannot be read closes the mission.
    EXPECT_FALSE(OpenMission(*scenario, "Maps\\Nowhere.m3d", false));
    EXPECT_FALSE(scenario->objectGroups.mapLoaded);
}

TEST_F(MissionPackage, ARereadMapFindsZonesAgainByNameAndKeepsTheLostOnes) {
    ASSERT_TRUE(OpenMission(*scenario, "Maps\\Valley.m3d", false));
    auto& relief = dynamic_cast<CommandBlock&>(scenario->triggers.At(1));
    const int actions = relief.actions.count();
    const std::string originalMap = folder.Read("Maps\\Valley.m3d");
    // The map editor took the old mill away and added a group in front.
    folder.Write("Maps\\Valley.m3d",
                 test::MapBytes({"North Ford", "Hill 203", "South Gate"},
                                {"Ferry", "Blue Scouts", "Red Column", "Bridge Guard", "Supply Train"}));
    test::WarningRecorder warnings;
    RefreshFromMap(*scenario);
    RefreshFromMap(*scenario);
    ASSERT_EQ(relief.actions.count(), actions) << "no command is deleted";
    EXPECT_EQ(warnings.texts.size(), 1u) << "one warning, not one per activation";
    auto arg = [&](int action, int i) { return dynamic_cast<TermCommand&>(relief.actions.At(action)).args[i]; };
    EXPECT_EQ(arg(0, 2), 2) << "the south gate moved up";
    EXPECT_EQ(arg(4, 0), 2) << "the red column moved down";
    EXPECT_EQ(arg(3, 0), 5 + 0) << "still the first dynamic group";
    auto& march = dynamic_cast<TermCommand&>(relief.actions.At(2));
    EXPECT_TRUE(march.IsLost(1));
    EXPECT_NE(march.text.find("Old Mill"), std::string::npos) << march.text;
    EXPECT_NE(BuildScript(*scenario).find("MoveGroup( Relief_force_Dyn,Old Mill )"), std::string::npos);

    folder.Write("Maps\\Valley.m3d", originalMap);
    RefreshFromMap(*scenario);
    EXPECT_FALSE(march.IsLost(1));
    EXPECT_EQ(march.args[1], 1) << "the mill is back in its place";
}

TEST_F(MissionPackage, MissionsAreListedDeletedAndFound) {
    std::string longTitle(300, 't');
    folder.Write("UserMissions\\Zulu.add", longTitle + "\r\nMaps\\Harbour.m3d\r\nUserMissions\\Zulu\\Zulu.cms\r\n");
    for (int i = 0; i < 300; ++i)
        folder.Write("UserMissions\\m" + std::to_string(1000 + i) + ".add", "Title\nMaps\\Plain.m3d\n");
    std::vector<MissionEntry> missions = ListMissions(*scenario);
    ASSERT_EQ(missions.size(), 302u);
    // In name order: capitals first.
    EXPECT_EQ(missions[0].title, "Valley of the Ford");
    EXPECT_EQ(missions[1].title, longTitle);
    EXPECT_EQ(missions[1].mapPath, NativePath("Maps\\Harbour.m3d"));
    EXPECT_EQ(missions[2].mapPath, NativePath("Maps\\Plain.m3d"));

    EXPECT_TRUE(MissionFolderExists(*scenario, "Valley"));
    EXPECT_FALSE(MissionFolderExists(*scenario, "Zulu"));
    // A new mission on a map would replace a descriptor or a folder of its name.
    EXPECT_TRUE(MissionFilesExist(*scenario, "Maps\\valley.m3d"));
    EXPECT_TRUE(MissionFilesExist(*scenario, "Zulu"));
    EXPECT_FALSE(MissionFilesExist(*scenario, "Maps\\Harbour.m3d"));
    fs::create_directories(folder.File("UserMissions\\harbour"));
    EXPECT_TRUE(MissionFilesExist(*scenario, "Maps\\Harbour.m3d"));

    // A mission is named or its descriptor given: exactly that file is found.
    folder.Write("elsewhere\\Valley.add", "a copy");
    struct Case {
        std::string given;
        fs::path found;  // empty when there is no such mission
    };
    const Case cases[] = {
        {"Valley", folder.File("UserMissions\\Valley.add")},
        {"VALLEY", folder.File("UserMissions\\Valley.add")},
        {folder.File("elsewhere\\Valley.add").string(), folder.File("elsewhere\\Valley.add")},
        {folder.File("UserMissions\\zulu.ADD").string(), folder.File("UserMissions\\Zulu.add")},
        {folder.File("elsewhere\\Typo.add").string(), {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        if (c.found.empty())
            EXPECT_EQ(test::Raised([&] { FindMissionDescriptor(*scenario, c.given); }),
                      "There is no mission " + c.given + ".");
        else
            EXPECT_TRUE(fs::equivalent(FindMissionDescriptor(*scenario, c.given), c.found)) << c.given;
    }
    DeleteMission(FindMissionDescriptor(*scenario, folder.File("elsewhere\\Valley.add").string()));
    EXPECT_FALSE(fs::exists(folder.File("elsewhere\\Valley.add")));
    EXPECT_TRUE(fs::exists(folder.File("UserMissions\\Valley.add")));
    DeleteMission(FindMissionDescriptor(*scenario, "Valley"));
    EXPECT_FALSE(fs::exists(folder.File("UserMissions\\Valley.add")));
    EXPECT_TRUE(fs::exists(folder.File("UserMissions\\Valley\\Valley.cms")));
    EXPECT_EQ(ListMissions(*scenario).size(), 301u);
}

TEST_F(MissionPackage, ASaveWaitsForAnotherSaveOfTheMissionAndMixesNothing) {
    ASSERT_TRUE(OpenMission(*scenario, "Maps\\Valley.m3d", false));
    const std::string oldScript = folder.Read("UserMissions\\Valley\\Valley.cms");
    const std::string oldDescriptor = folder.Read("UserMissions\\Valley.add");
    const fs::path lockFile = MissionLock::FileOf(folder.File("UserMissions\\Valley.add"));
    scenario->title = "Changed";
    scenario->triggers.Clear();
    {
        MissionLock other(folder.File("UserMissions\\Valley.add"), std::chrono::milliseconds(0));
        EXPECT_EQ(test::Raised([&] { SaveMission(*scenario); }),
                  "The mission Valley is being saved by another program; nothing was written. Save again when it "
                  "has finished.");
        EXPECT_EQ(folder.Read("UserMissions\\Valley\\Valley.cms"), oldScript);
        EXPECT_EQ(folder.Read("UserMissions\\Valley.add"), oldDescriptor);
    }
    EXPECT_FALSE(fs::exists(lockFile)) << "the lock goes with its holder";
    // A lock file that a program left as it died locks nothing.
    folder.Write("UserMissions\\Valley.add.lock", "");
    SaveMission(*scenario);
    EXPECT_EQ(folder.Read("UserMissions\\Valley.add").substr(0, 9), "Changed\r\n");
    EXPECT_FALSE(fs::exists(lockFile));
}

TEST_F(MissionPackage, ASaveThatFailsLeavesTheOldPackage) {
    ASSERT_TRUE(OpenMission(*scenario, "Maps\\Valley.m3d", false));
    const std::string oldScript = folder.Read("UserMissions\\Valley\\Valley.cms");
    const std::string oldDescriptor = folder.Read("UserMissions\\Valley.add");
    auto unchanged = [&] {
        EXPECT_EQ(folder.Read("UserMissions\\Valley\\Valley.cms"), oldScript);
        EXPECT_EQ(folder.Read("UserMissions\\Valley.add"), oldDescriptor);
        EXPECT_FALSE(folder.HasStagingLeftovers());
    };
    scenario->title = "Changed";
    scenario->triggers.Clear();
    // The designer's own files that look like a save's temporaries are none of its business.
    folder.Write("UserMissions\\Valley\\Valley.txt.tmp", "mine");
    folder.Write("UserMissions\\Valley\\Valley.cms.bak", "mine too");
    {
        test::ImmutableFile missionFolder(folder.File("UserMissions\\Valley"));
        if (!missionFolder.held()) GTEST_SKIP() << "files cannot be made immutable here";
        EXPECT_EQ(test::Raised([&] { SaveMission(*scenario); }), "Couldn't create script temporary file.");
    }
    unchanged();

    {
        // The pages file cannot be replaced after the descriptor and script were.
        test::ImmutableFile pages(folder.File("UserMissions\\Valley\\Valley.txt"));
        if (!pages.held()) GTEST_SKIP() << "files cannot be made immutable here";
        EXPECT_EQ(test::Raised([&] { SaveMission(*scenario); }),
                  "The file " + folder.File("UserMissions\\Valley\\Valley.txt").string() +
                      " cannot be replaced: operation not permitted. The mission's files are left as they were.");
    }
    unchanged();
    {
        // A map that already names the script is not written.
        test::ImmutableFile map(folder.File("Maps\\Valley.m3d"));
        SaveMission(*scenario);
        EXPECT_EQ(folder.Read("UserMissions\\Valley.add").substr(0, 7), "Changed");
    }
    EXPECT_EQ(folder.Read("UserMissions\\Valley\\Valley.txt.tmp"), "mine");
    EXPECT_EQ(folder.Read("UserMissions\\Valley\\Valley.cms.bak"), "mine too");

    // A new mission on a map that cannot take the script leaves nothing behind.
    const std::string harbourMap = folder.File("Maps\\Harbour.m3d").string();
    folder.Write("Maps\\Harbour.m3d", test::MapBytes({"Quay"}, {}));
    ASSERT_TRUE(NewMission(*scenario, "Maps\\Harbour.m3d"));
    {
        test::ImmutableFile map(harbourMap);
        EXPECT_EQ(test::Raised([&] { SaveMission(*scenario); }), "The map " + harbourMap + " cannot be written.");
    }
    EXPECT_FALSE(fs::exists(folder.File("UserMissions\\Harbour.add")));
    EXPECT_FALSE(fs::exists(folder.File("UserMissions\\Harbour")));

    fs::remove_all(folder.File("UserMissions"));
    folder.Write("UserMissions", "a file where the folder should be");
    EXPECT_EQ(test::Raised([&] { SaveMission(*scenario); }), "Couldn't create .add file.");
}

#ifdef _WIN32
// A file of the mission that another program holds open (an editor, a file
// viewer, the game) cannot be replaced: the save says which and why, and the
// package stays as it was, with nothing of the attempt beside it.
TEST_F(MissionPackage, AFileOpenInAnotherProgramStopsTheSaveAndKeepsThePackage) {
    ASSERT_TRUE(OpenMission(*scenario, "Maps\\Valley.m3d", false));
    const char* const files[] = {"UserMissions\\Valley.add", "UserMissions\\Valley\\Valley.cms",
                                 "UserMissions\\Valley\\Valley.txt", "UserMissions\\Valley\\Valley.dsc",
                                 "UserMissions\\Valley\\Valley.bmp", "Maps\\Valley.m3d"};
    std::vector<std::string> old;
    for (const char* file : files) old.push_back(folder.Read(file));
    const std::vector<fs::path> entries = folder.Entries();
    scenario->title = "Changed";
    scenario->triggers.Clear();
    struct Case {
        const char* held;
        DWORD sharing;
    };
    for (const Case& c : {Case{files[0], 0}, Case{files[1], 0}, Case{files[2], FILE_SHARE_READ}}) {
        const fs::path held = folder.File(c.held);
        HANDLE handle = CreateFileW(held.c_str(), GENERIC_READ, c.sharing, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(handle, INVALID_HANDLE_VALUE) << c.held;
        const std::string raised = test::Raised([&] { SaveMission(*scenario); });
        CloseHandle(handle);
        EXPECT_EQ(raised, "The file " + held.string() +
                              " cannot be replaced: it is open in another program. The mission's files are left as "
                              "they were.");
        for (std::size_t i = 0; i < std::size(files); ++i) EXPECT_EQ(folder.Read(files[i]), old[i]) << c.held;
        EXPECT_EQ(folder.Entries(), entries) << c.held;
    }
}
#endif

#ifndef _WIN32
// Game folders copied from Windows keep their case loosely: every file of
// the mission is found in any case, and saved in place.
TEST_F(MissionPackage, FilesInAnotherCaseAreOpenedAndSavedInPlace) {
    const std::pair<const char*, const char*> renames[] = {
        {"Maps\\Valley.m3d", "Maps\\valley.m3d"},
        {"Maps\\Valley.m3d", "Maps\\Valley.M3D"},
        {"UserMissions\\Valley.add", "UserMissions\\valley.add"},
        {"UserMissions\\Valley", "UserMissions\\VALLEY"},
        {"UserMissions\\Valley\\Valley.txt", "UserMissions\\Valley\\VALLEY.TXT"},
        {"UserMissions\\Valley\\Valley.cms", "UserMissions\\Valley\\valley.Cms"},
    };
    for (const auto& [from, to] : renames) {
        test::TempGameFolder game;
        fs::rename(game.File(from), game.File(to));
        Scenario mission(game.path());
        auto descriptor = ReadWholeFile(FindMissionDescriptor(mission, "Valley"));
        ASSERT_TRUE(descriptor) << to;
        ASSERT_TRUE(OpenMission(mission, DescriptorMapPath(*descriptor), false)) << to;
        EXPECT_EQ(mission.objectGroups.GetGroup("objectives")[0], "Hold the ford") << to;
        EXPECT_GT(mission.triggers.count(), 0) << to;
        const std::vector<fs::path> before = game.Entries();
        SaveMission(mission);
        EXPECT_EQ(game.Entries(), before) << to << ": no second file beside the one in another case";
    }
}
#endif

TEST_F(MissionPackage, ASaveChecksTheMapAndTheValuesFirst) {
    ASSERT_TRUE(OpenMission(*scenario, "Maps\\Valley.m3d", false));
    const std::string oldScript = folder.Read("UserMissions\\Valley\\Valley.cms");
    auto& trigger = dynamic_cast<CommandBlock&>(scenario->triggers.At(0));
    auto& call = dynamic_cast<TermCommand&>(trigger.actions.At(3));  // RunTimer
    call.args[0] = 99;
    EXPECT_EQ(test::Raised([&] { SaveMission(*scenario); }),
              "The value of argument 1 of RunTimer in the trigger \"Start\" lies outside its list.");
    EXPECT_EQ(folder.Read("UserMissions\\Valley\\Valley.cms"), oldScript);
    call.args[0] = 0;

    // A zone whose name the script could not give back stops the save too.
    scenario->objectGroups.GetGroup("zones")[3] = "South, Gate";
    EXPECT_EQ(test::Raised([&] { SaveMission(*scenario); }),
              "The name \"South, Gate\" of argument 3 of CreateObject0 in the trigger \"Relief force\" cannot be "
              "written to the mission script.");
    scenario->objectGroups.GetGroup("zones")[3] = "South Gate";

    folder.Write("Maps\\Valley.m3d", "5DMPnothing");
    EXPECT_EQ(test::Raised([&] { SaveMission(*scenario); }), Lookup("txtMapCorrupt"));
    folder.Remove("Maps\\Valley.m3d");
    EXPECT_EQ(test::Raised([&] { SaveMission(*scenario); }), Lookup("txtNoMapFile"));
    EXPECT_EQ(folder.Read("UserMissions\\Valley\\Valley.cms"), oldScript);
}

TEST_F(MissionPackage, APictureIsKeptOrTheDefaultIsCopied) {
    ASSERT_TRUE(NewMission(*scenario, "Maps\\Harbour.m3d"));
    // Whether the save wrote the picture, as its report says.
    auto wrotePicture = [&] {
        std::vector<std::filesystem::path> saved = SaveMission(*scenario);
        return std::ranges::count(saved, folder.File("UserMissions\\Harbour\\Harbour.bmp")) == 1;
    };
    EXPECT_TRUE(wrotePicture());
    const std::string defaultPicture = folder.Read("Data\\ScEd_default.bmp");
    EXPECT_EQ(folder.Read("UserMissions\\Harbour\\Harbour.bmp"), defaultPicture);
    folder.Write("UserMissions\\Harbour\\Harbour.bmp", "BM own picture");
    EXPECT_FALSE(wrotePicture()) << "the mission's own picture is kept, not written";
    EXPECT_EQ(folder.Read("UserMissions\\Harbour\\Harbour.bmp"), "BM own picture");
    scenario->heldPicture = "BM loaded";
    EXPECT_TRUE(wrotePicture());
    EXPECT_EQ(folder.Read("UserMissions\\Harbour\\Harbour.bmp"), "BM loaded");
    ASSERT_TRUE(OpenMission(*scenario, "", false));
    EXPECT_FALSE(scenario->heldPicture);
    // The map records where the script is.
    EXPECT_NE(folder.Read("Maps\\Harbour.m3d").find(std::string("UserMissions\\Harbour\\Harbour.cms\0", 33)),
              std::string::npos);
}

}  // namespace
}  // namespace sced
