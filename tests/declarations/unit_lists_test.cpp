#include <gtest/gtest.h>

#include "core/file_write.h"
#include "declarations/unit_lists.h"
#include "support/game_folder.h"
#include "support/outline.h"
#include "support/raised.h"

namespace sced {
namespace {

using test::TempGameFolder;

using test::Raised;

// One line per category: name, code, then each unit as id/title and its upgrades.
std::string Describe(const std::vector<UnitCategory>& categories) {
    std::string out;
    for (const UnitCategory& c : categories) {
        out += c.name + "[" + c.code + "]:";
        for (const UnitType& u : c.units) {
            out += " " + u.id + "=" + u.title + "{";
            for (const Upgrade& g : u.upgrades) out += g.id + "=" + g.title + ";";
            out += "}";
        }
        out += "\n";
    }
    return out;
}

UnitCategory Category(std::string name, int units) {
    UnitCategory category{{}, std::move(name), "XY"};
    for (int u = 0; u < units; ++u) category.units.push_back({"T" + std::to_string(u), "U" + std::to_string(u), {}});
    return category;
}

TEST(UnitListsOrders, GridLinesBecomeCellCodesPaddedToTheWidestLine) {
    auto formations = ParseOrders("Free text, not read.\n#Pair of rows\n* *\nC\n#END\n#Mixed\n+x\n#END\n");
    ASSERT_EQ(formations.size(), 2u);
    const Formation& pair = formations[0];
    EXPECT_EQ(pair.name, "Pair");
    EXPECT_EQ(pair.rows, 2);
    EXPECT_EQ(pair.columns, 3);
    EXPECT_EQ(pair.cells, (std::vector<std::uint8_t>{1, 0, 1, 2, 0, 0}));
    EXPECT_EQ(formations[1].cells, (std::vector<std::uint8_t>{3, 3}));

    // A grid of 128 lines of 128 cells is the largest accepted.
    std::string largest = "#Big\n";
    for (int r = 0; r < 128; ++r) largest += std::string(128, '*') + "\n";
    auto big = ParseOrders(largest + "#END\n");
    ASSERT_EQ(big.size(), 1u);
    EXPECT_EQ(big[0].rows, 128);
    EXPECT_EQ(big[0].columns, 128);
}

TEST(UnitListsOrders, ExitEndsTheFile) {
    auto formations = ParseOrders("#One\n*\n#END\n#EXIT\n#Two\n**\n#END\n#Open\n*\n");
    ASSERT_EQ(formations.size(), 1u);
    EXPECT_EQ(formations[0].name, "One");
    EXPECT_EQ(ParseOrders("#One\n*\n#END\n#EXIT\n" + std::string(300, '-') + "\n").size(), 1u)
        << "a long line after it is not read";
}

// A formation left open is refused by the start-up test with its whole text.
TEST(UnitListsOrders, OversizedFormationsAreRejectedByName) {
    std::string tall = "#Tall\n";
    for (int r = 0; r < 129; ++r) tall += "*\n";
    std::string tallError = Raised([&] { ParseOrders(tall + "#END\n"); });
    EXPECT_NE(tallError.find("Tall"), std::string::npos) << tallError;

    std::string wideError = Raised([] { ParseOrders("#Wide\n" + std::string(129, '*') + "\n#END\n"); });
    EXPECT_NE(wideError.find("Wide"), std::string::npos) << wideError;
}

TEST(UnitListsUnits, HeadersUnitsCodesAndDuplicates) {
    auto categories = ParseUnits(
        "Stray(ZZ) Before any header\n"
        "Infantry\n"
        "Loner\n"
        "Rifleman(IN) Rifle\tsquad  \n"
        "\n"
        "   \n"
        "Rifleman(QQ) Second rifleman\n"
        "Scout Scout team\n"
        "Armour\n"
        "Strider(A Medium strider\n");
    EXPECT_EQ(Describe(categories),
              "Infantry[QQ]: Loner={} Rifleman=Rifle\tsquad  {} Scout=Scout team{}\n"
              "Armour[A]: Strider=Medium strider{}\n");
}

TEST(UnitListsUpgrades, UpgradesJoinTheirUnitOrTheCategorysLastUnit) {
    auto categories = ParseUnits("Infantry\nRifleman(IN) Rifle\nScout(IN) Scout\nArmour\nSkimmer(AR) Skimmer\nEmpty\n");
    ASSERT_EQ(categories.size(), 3u);  // "Empty" has no unit
    ParseUpgrades(
        "Infantry Rifleman(A1) Vests\n"
        "Infantry Nobody(A9) Goes to the last unit\n"
        "Infantry Rifleman Plain id\n"
        "Navy Boat(A1) Unknown category\n"
        "Empty Thing(A1) Category without units\n"
        "Armour Skimmer(A1) Smoke\n",
        categories);
    EXPECT_EQ(Describe(categories),
              "Infantry[IN]: Rifleman=Rifle{Rifleman(A1)=Vests;Rifleman=Plain id;} "
              "Scout=Scout{Nobody(A9)=Goes to the last unit;}\n"
              "Armour[AR]: Skimmer=Skimmer{Skimmer(A1)=Smoke;}\n"
              "Empty[]:\n");

    categories[0].units[1].upgrades.clear();
    EXPECT_EQ(Describe(MakeUpgradeCategories(categories)),
              "Infantry[IN]: Rifleman=Rifle{Rifleman(A1)=Vests;Rifleman=Plain id;}\n"
              "Armour[AR]: Skimmer=Skimmer{Skimmer(A1)=Smoke;}\n"
              "Empty[]:\n");
}

TEST(UnitListsLookups, PackedValuesSelectFormationsUnitsAndUpgrades) {
    UnitLists lists;
    lists.formations = ParseOrders("#A\n*\n#END\n#B\nC\n#END\n");
    EXPECT_EQ(lists.FormationAt(1)->name, "B");
    EXPECT_EQ(lists.FormationAt(2), nullptr);
    EXPECT_EQ(lists.FormationAt(-1), nullptr);

    lists.unitCategories = {Category("Small", 2), Category("Huge", 200)};
    lists.unitCategories[1].units[150].upgrades = {{"U150(A1)", "First"}, {"U150(A2)", "Second"}, {"U150(A3)", "Third"}};
    lists.unitCategories[1].units[199].upgrades = {{"U199(A1)", "Last"}};
    lists.upgradeCategories = MakeUpgradeCategories(lists.unitCategories);

    EXPECT_EQ(lists.UnitTypeAt(1 | 150 << 8)->id, "U150");
    EXPECT_EQ(lists.UnitTypeAt(0 | 1 << 8)->id, "U1");
    EXPECT_EQ(lists.UnitTypeAt(0 | 2 << 8), nullptr);
    EXPECT_EQ(lists.UnitTypeAt(2), nullptr);

    // In the upgrade lists, unit 150 of "Huge" is the first unit with upgrades.
    EXPECT_EQ(lists.UpgradeAt(1 | 0 << 8 | 2 << 16)->title, "Third");
    EXPECT_EQ(lists.UpgradeAt(1 | 1 << 8 | 0 << 16)->title, "Last");
    EXPECT_EQ(lists.UpgradeAt(1 | 1 << 8 | 1 << 16), nullptr);
    EXPECT_EQ(lists.UpgradeAt(1 | 2 << 8), nullptr);
    EXPECT_EQ(lists.UpgradeAt(0), nullptr);

    EXPECT_EQ(lists.FindUpgrade("U150(A2)"), "65537");
    EXPECT_EQ(lists.FindUpgrade("U199(A1)"), "257");
    EXPECT_EQ(lists.FindUpgrade("U150"), "");

    // An index of 128 or more survives the round trip through the packed value.
    lists.upgradeCategories[1].units.resize(131);
    lists.upgradeCategories[1].units[130].upgrades = {{"Deep(A1)", "x"}, {"Deep(A2)", "y"}, {"Deep(A3)", "Deep"}};
    EXPECT_EQ(lists.FindUpgrade("Deep(A3)"), "164353");
    EXPECT_EQ(lists.UpgradeAt(164353)->title, "Deep");
}

TEST(UnitListsChoosers, UnitTreeDropsLastUnitsAndUpgradeTreeTheLastTwoCategories) {
    UnitLists lists;
    lists.unitCategories = {Category("A", 3), Category("B", 1), Category("C", 0)};
    EXPECT_EQ(test::Outline(lists.UnitChooserTree()), "A\n  T0\n  T1\nB\nC\n");

    std::vector<UnitCategory> upgrades = {Category("A", 2), Category("B", 1), Category("C", 1), Category("D", 1)};
    upgrades[0].units[0].upgrades = {{"g1", "Up1"}, {"g2", "Up2"}};
    lists.upgradeCategories = upgrades;
    EXPECT_EQ(test::Outline(lists.UpgradeChooserTree()), "A\n  T0\n    Up1\n    Up2\n  T1\nB\n  T0\n");
    upgrades.pop_back();
    lists.upgradeCategories = upgrades;
    EXPECT_EQ(test::Outline(lists.UpgradeChooserTree()), "A\n  T0\n    Up1\n    Up2\n  T1\n");
    upgrades.pop_back();
    lists.upgradeCategories = upgrades;
    EXPECT_TRUE(lists.UpgradeChooserTree().empty());
}

TEST(UnitListsFiles, CrLfFilesReadLikeLfFiles) {
    TempGameFolder lf;
    TempGameFolder crlf;
    for (const char* file : {"Data\\orders.lst", "Data\\unitslist.dat", "Data\\upglist.dat"})
        crlf.Write(file, WithCrLf(lf.Read(file)));
    UnitLists a = ReadUnitLists(lf.path());
    UnitLists b = ReadUnitLists(crlf.path());
    EXPECT_EQ(Describe(b.unitCategories), Describe(a.unitCategories));
    EXPECT_EQ(Describe(b.upgradeCategories), Describe(a.upgradeCategories));
    ASSERT_EQ(b.formations.size(), a.formations.size());
    for (std::size_t i = 0; i < a.formations.size(); ++i) {
        EXPECT_EQ(b.formations[i].name, a.formations[i].name);
        EXPECT_EQ(b.formations[i].columns, a.formations[i].columns);
        EXPECT_EQ(b.formations[i].cells, a.formations[i].cells);
    }
}

TEST(UnitListsFiles, LinesOverTwoHundredFiftyFiveCharactersNameTheFile) {
    TempGameFolder game;
    game.Write("Data\\unitslist.dat", "Infantry\nRifleman(IN) " + std::string(242, 'r') + "\r\n");
    EXPECT_EQ(ReadUnitLists(game.path()).unitCategories[0].units[0].title.size(), 242u);
    game.Write("Data\\unitslist.dat", "Infantry\nRifleman(IN) " + std::string(243, 'r') + "\n");
    std::string units = Raised([&] { ReadUnitLists(game.path()); });
    EXPECT_NE(units.find("Data\\unitslist.dat"), std::string::npos) << units;

    TempGameFolder other;
    other.Write("Data\\upglist.dat", "Infantry Rifleman(A1) " + std::string(256, 'u') + "\n");
    std::string upgrades = Raised([&] { ReadUnitLists(other.path()); });
    EXPECT_NE(upgrades.find("Data\\upglist.dat"), std::string::npos) << upgrades;
}

}  // namespace
}  // namespace sced
