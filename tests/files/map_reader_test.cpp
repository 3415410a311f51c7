#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/game_path.h"
#include "core/string_table.h"
#include "files/map_reader.h"
#include "model/scenario.h"
#include "support/cli_run.h"
#include "support/game_folder.h"
#include "support/map_bytes.h"
#include "support/raised.h"

namespace sced {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

using test::Chunk;
using test::Counts;
using test::GroupRecord;
using test::Header;
using test::U32;
using test::ZoneRecord;

const std::string kEnd = Chunk("ENDM", "");

TEST(MapReaderParse, NamesAreReadInFileOrder) {
    auto twoZones = ParseMap(Header() + Chunk("TERR", std::string(30, 't')) +
                             Chunk("ZON1", Counts(2, 0) + ZoneRecord("North Ford") + ZoneRecord("Mill")) + kEnd);
    ASSERT_TRUE(twoZones);
    EXPECT_EQ(twoZones->zones, (Names{"North Ford", "Mill"}));
    EXPECT_TRUE(twoZones->groups.empty());

    // Each group's members are skipped exactly, whatever their number; an
    // empty name and one of 127 bytes are both names.
    std::string longName(127, 'L');
    for (std::string_view signature : {"3DMP", "4DMP", "5DMP"}) {
        auto map = ParseMap(Header(signature) +
                            Chunk("ZON1", Counts(1, 4) + ZoneRecord("") + GroupRecord("Scouts", 3) +
                                              GroupRecord("Column", 0) + GroupRecord(longName, 1) +
                                              GroupRecord("Guard", 12)) +
                            kEnd);
        ASSERT_TRUE(map) << signature;
        EXPECT_EQ(map->zones, Names{""});
        EXPECT_EQ(map->groups, (Names{"Scouts", "Column", longName, "Guard"}));
    }
}

TEST(MapReaderParse, AMapWithoutZoneChunkHasNoZonesOrGroups) {
    const std::string zones = Chunk("ZON1", Counts(1, 0) + ZoneRecord("Late"));
    for (const std::string& bytes : {Header(), Header() + Chunk("TERR", "abc"),
                                     Header() + Chunk("TERR", "abc") + kEnd + zones}) {
        auto map = ParseMap(bytes);
        ASSERT_TRUE(map);
        EXPECT_TRUE(map->zones.empty());
        EXPECT_TRUE(map->groups.empty());
    }
}

TEST(MapReaderParse, CorruptMapsAreRejected) {
    const std::string good = Counts(1, 1) + ZoneRecord("Quay") + GroupRecord("Guard", 2);
    ASSERT_TRUE(ParseMap(Header() + Chunk("ZON1", good)));

    std::string longZone = std::string(17, 'z') + static_cast<char>(128) + std::string(128, 'n');
    std::string longGroup = std::string(8, 'g') + U32(0) + std::string(37, 'h') + static_cast<char>(200) +
                            std::string(200, 'n');
    const std::vector<std::string> corrupt = {
        "",
        "5DM",
        Header("6DMP") + Chunk("ZON1", good),
        "5DMPshort",
        Header() + Chunk("ZON1", Counts(1, 0) + longZone),
        Header() + Chunk("ZON1", Counts(0, 1) + longGroup),
        Header() + Chunk("ZON1", Counts(2, 0) + ZoneRecord("Only")),
        Header() + Chunk("ZON1", Counts(0xFFFFFFFFu, 0) + ZoneRecord("Only")),
        Header() + Chunk("ZON1", Counts(0, 2) + GroupRecord("Only", 0)),
        Header() + Chunk("ZON1", Counts(0, 1) + std::string(8, 'g') + U32(2) + std::string(37, 'h') + '\5' +
                                     "Guard" + std::string(15, 'm')),
        // A member count whose size in bytes overflows 32 bits.
        Header() + Chunk("ZON1", Counts(0, 1) + std::string(8, 'g') + U32(0x20000001u) + std::string(37, 'h') +
                                     '\1' + "G" + std::string(8, 'm')),
        Header() + "TERR" + U32(3) + Chunk("ZON1", good),
        Header() + "TERR" + U32(0) + Chunk("ZON1", good),
        Header() + "TERR" + U32(100) + "abc",
        Header() + "TE",
        Header() + "TERR" + "\1\0",
        Header() + "ZON1" + U32(100) + good,
        Header() + "ZON1" + U32(2) + good,
        // Records that run past the zone chunk into the next one.
        Header() + "ZON1" + U32(12) + good + kEnd,
    };
    for (std::size_t i = 0; i < corrupt.size(); ++i) EXPECT_FALSE(ParseMap(corrupt[i])) << "case " << i;

    // A zone chunk cut anywhere inside its records, its length field
    // telling the truth about the cut.
    for (std::size_t cut = 0; cut < good.size(); ++cut)
        EXPECT_FALSE(ParseMap(Header() + Chunk("ZON1", good.substr(0, cut)) + kEnd)) << "cut at " << cut;
}

TEST(MapReaderScriptField, TheFieldMustLieInTheScriptChunkAndTheFile) {
    const std::string zones = Chunk("ZON1", Counts(1, 0) + ZoneRecord("Quay"));
    const std::string field = "UserMissions\\Quay\\Quay.cms" + std::string(174, '\0');
    ASSERT_EQ(field.size(), kScriptFieldSize);
    std::string map = Header() + zones + Chunk(".DLL", field + "tail") + kEnd;
    EXPECT_EQ(FindScriptField(map), Header().size() + zones.size() + 8);
    // A field that fills the chunk exactly and ends the file is found too.
    EXPECT_EQ(FindScriptField(Header() + Chunk(".DLL", field)), Header().size() + 8);

    const std::vector<std::string> missing = {
        Header("5DMX") + Chunk(".DLL", field),
        Header() + zones + kEnd + Chunk(".DLL", field),
        Header() + zones,
        // The chunk is too short for the field, though the file is not.
        Header() + Chunk(".DLL", field.substr(0, 199)) + kEnd + std::string(200, 'x'),
        // The chunk claims the field, the file ends inside it.
        Header() + ".DLL" + U32(208) + field.substr(0, 150),
        Header() + ".DLL" + "\xff",
        Header() + "TERR" + U32(2) + Chunk(".DLL", field),
    };
    for (std::size_t i = 0; i < missing.size(); ++i) EXPECT_FALSE(FindScriptField(missing[i])) << "case " << i;
}

// A scenario started on a copy of the demo game folder.
class MapReaderRead : public ::testing::Test {
protected:
    void SetUp() override {
        StringTable::Instance().Load(folder.path());
        scenario = std::make_unique<Scenario>(folder.path());
    }
    void TearDown() override {
        scenario.reset();
        StringTable::Instance().Clear();
    }

    Names Items(std::string_view group) const {
        const StringList& list = scenario->objectGroups.GetGroup(group);
        return {list.begin(), list.end()};
    }
    Names Zones() const { return Items("zones"); }
    Names Groups() const { return Items("groups"); }
    fs::path MapsFolder() const { return folder.path() / "Maps"; }

    void ExpectValleyRead() const {
        EXPECT_EQ(scenario->mapFolder, MapsFolder());
        EXPECT_EQ(scenario->missionName, "Valley");
        EXPECT_EQ(Zones(), (Names{"North Ford", "Old Mill", "Hill 203", "South Gate"}));
        EXPECT_EQ(Groups(), (Names{"Blue Scouts", "Red Column", "Bridge Guard", "Supply Train"}));
    }

    test::TempGameFolder folder;
    test::WarningRecorder warnings;
    std::unique_ptr<Scenario> scenario;
};

TEST_F(MapReaderRead, DemoMapsAreReadFromTheGameFolder) {
    ASSERT_TRUE(ReadMap(*scenario, "Maps\\Valley.m3d"));
    ExpectValleyRead();
    EXPECT_EQ(MapPathOf(*scenario), MapsFolder() / "Valley.m3d");

    // Reading another map replaces every name; a map without groups or
    // without a zone chunk leaves the lists empty.
    ASSERT_TRUE(ReadMap(*scenario, "Maps/Harbour.m3d"));
    EXPECT_EQ(scenario->missionName, "Harbour");
    EXPECT_EQ(Zones(), (Names{"Quay", "Lighthouse", "Fish Market"}));
    EXPECT_TRUE(Groups().empty());
    ASSERT_TRUE(ReadMap(*scenario, (folder.path() / "Maps" / "Plain.m3d").string()));
    EXPECT_EQ(scenario->missionName, "Plain");
    EXPECT_TRUE(Zones().empty());

    EXPECT_TRUE(warnings.texts.empty());
}

TEST_F(MapReaderRead, AFailedReadWarnsAndKeepsTheOpenMap) {
    // With no map open, an empty path reads nothing and says nothing.
    EXPECT_FALSE(ReadMap(*scenario, ""));
    EXPECT_TRUE(warnings.texts.empty());
    ASSERT_TRUE(ReadMap(*scenario, "Maps\\Valley.m3d"));

    // Each warning names the file.
    auto named = [&](const char* key, const char* file) {
        return Lookup(key) + "\n" + (folder.path() / "Maps" / file).string();
    };
    EXPECT_FALSE(ReadMap(*scenario, "Maps\\Missing.m3d"));
    EXPECT_FALSE(ReadMap(*scenario, "Maps"));
    EXPECT_EQ(warnings.texts, (Names{named("txtNoMapFile", "Missing.m3d"),
                                     Lookup("txtNoMapFile") + "\n" + (folder.path() / "Maps").string()}));
    ExpectValleyRead();

    folder.Write("Maps\\Broken.m3d", Header() + Chunk("ZON1", Counts(3, 0) + ZoneRecord("Quay")));
    warnings.texts.clear();
    EXPECT_FALSE(ReadMap(*scenario, "Maps\\Broken.m3d"));
    EXPECT_EQ(warnings.texts, Names{named("txtMapCorrupt", "Broken.m3d")});
    ExpectValleyRead();

    // The open map itself changed on disk into a corrupt one.
    folder.Write("Maps\\Valley.m3d", "3DMP");
    EXPECT_FALSE(ReadMap(*scenario, ""));
    ExpectValleyRead();
}

TEST_F(MapReaderRead, AMapWithMoreZonesOrGroupsThanAMissionNamesIsRefused) {
    ASSERT_TRUE(ReadMap(*scenario, "Maps\\Valley.m3d"));
    std::string zones, groups;
    for (int i = 0; i < 257; ++i) {
        zones += ZoneRecord("Z" + std::to_string(i));
        groups += GroupRecord("G" + std::to_string(i), 1);
    }
    folder.Write("Maps\\Crowded.m3d", Header() + Chunk("ZON1", Counts(257, 0) + zones));
    folder.Write("Maps\\Army.m3d", Header() + Chunk("ZON1", Counts(0, 257) + groups));

    EXPECT_FALSE(ReadMap(*scenario, "Maps\\Crowded.m3d"));
    EXPECT_FALSE(ReadMap(*scenario, "Maps\\Army.m3d"));
    const fs::path maps = folder.path() / "Maps";
    EXPECT_EQ(warnings.texts,
              (Names{"The map has 257 zones; a mission can name at most 256.\n" + (maps / "Crowded.m3d").string(),
                     "The map has 257 unit groups; a mission can name at most 256.\n" + (maps / "Army.m3d").string()}));
    ExpectValleyRead();
}

TEST(MapReaderDemoMaps, TheGeneratorGivesTheCommittedMaps) {
    test::TempGameFolder out(test::TempGameFolder::kEmpty);
    const fs::path sources = test::DemoGame().parent_path() / "maps";
    int maps = 0;
    for (const auto& entry : fs::directory_iterator(sources)) {
        if (entry.path().extension() != ".txt") continue;
        ++maps;
        const std::string name = entry.path().stem().string();
        const fs::path made = out.path() / (name + ".m3d");
        ASSERT_EQ(test::RunProgram({SCED_MAKE_DEMO_MAP, entry.path().string(), made.string()}), 0) << name;
        auto committed = ReadWholeFile(test::DemoGame() / "Maps" / (name + ".m3d"));
        ASSERT_TRUE(committed) << name;
        EXPECT_TRUE(*committed == ReadWholeFile(made)) << name << " differs from its source";

        // The script field refers to the mission of the map's name, as a
        // saved mission leaves it.
        auto field = FindScriptField(*committed);
        ASSERT_TRUE(field) << name;
        std::string expected = "UserMissions\\" + name + "\\" + name + ".cms";
        expected.resize(kScriptFieldSize, '\0');
        EXPECT_EQ(committed->substr(*field, kScriptFieldSize), expected);
        EXPECT_TRUE(ParseMap(*committed)) << name;
    }
    EXPECT_EQ(maps, 3);
}

}  // namespace
}  // namespace sced
