#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/tree_node.h"

namespace sced {

// Cell codes of a formation grid.
enum FormationCell : std::uint8_t { CellEmpty = 0, CellStar = 1, CellCommander = 2, CellOther = 3 };

inline constexpr int kMaxFormationSize = 128;

// One battle order from "Data\orders.lst".
struct Formation {
    std::string name;
    std::vector<std::uint8_t> cells;  // rows x columns, row after row
    std::int32_t rows = 0;
    std::int32_t columns = 0;

    std::uint8_t Cell(int row, int column) const {
        return cells[static_cast<std::size_t>(row * columns + column)];
    }
};

struct Upgrade {
    std::string id;  // as written, "(...)" part included
    std::string title;
};

struct UnitType {
    std::string title;
    std::string id;  // without the "(code)" part
    std::vector<Upgrade> upgrades;
};

struct UnitCategory {
    std::vector<UnitType> units;
    std::string name;
    std::string code;  // 0 to 2 characters, written after the unit id in the script
};

// Packed argument values: byte 0 category, byte 1 unit, byte 2 upgrade.
// The bytes are unsigned, and 255 marks a level that is absent.
inline constexpr int kMaxListEntries = 255;
inline int PackedByte(std::int32_t value, int index) {
    return static_cast<int>((static_cast<std::uint32_t>(value) >> (8 * index)) & 0xFFu);
}

// What the game knows of formations, unit types and upgrades.
struct UnitLists {
    std::vector<Formation> formations;
    std::vector<UnitCategory> unitCategories;
    // unitCategories without the units that have no upgrade.
    std::vector<UnitCategory> upgradeCategories;

    // Nothing when a value lies outside the lists.
    const Formation* FormationAt(std::int32_t index) const;
    const UnitCategory* UnitCategoryOf(std::int32_t unitValue) const;
    const UnitType* UnitTypeAt(std::int32_t unitValue) const;
    const Upgrade* UpgradeAt(std::int32_t upgradeValue) const;

    // The packed value of the upgrade with that id, in decimal; "" when none.
    std::string FindUpgrade(std::string_view id) const;

    // Category name -> unit title, each category without its last unit.
    Tree UnitChooserTree() const;
    // Category name -> unit title -> upgrade title, for the categories
    // before the last two.
    Tree UpgradeChooserTree() const;
};

// Readers of the three files' bytes; errors name the file and what is wrong.
std::vector<Formation> ParseOrders(std::string_view bytes);
std::vector<UnitCategory> ParseUnits(std::string_view bytes);
void ParseUpgrades(std::string_view bytes, std::vector<UnitCategory>& categories);
std::vector<UnitCategory> MakeUpgradeCategories(const std::vector<UnitCategory>& categories);

// Reads "Data\orders.lst", "Data\unitslist.dat" and "Data\upglist.dat".
UnitLists ReadUnitLists(const std::filesystem::path& gameFolder);

}  // namespace sced
