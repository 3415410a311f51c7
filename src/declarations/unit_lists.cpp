#include "declarations/unit_lists.h"

#include <algorithm>

#include "core/game_path.h"
#include "core/scenario_error.h"

namespace sced {

namespace {

constexpr std::string_view kOrdersFile = "Data\\orders.lst";
constexpr std::string_view kUnitsFile = "Data\\unitslist.dat";
constexpr std::string_view kUpgradesFile = "Data\\upglist.dat";
constexpr std::size_t kMaxListLine = 255;

// The lines of a list file as the game's line reader sees them: split at
// line feeds, each cut at its first CR. A line is refused when it is read,
// so that text the game never reads (after "#EXIT") may be anything.
class ListLines {
public:
    ListLines(std::string_view bytes, std::string_view file) : file_(file) {
        for (std::size_t start = 0; start < bytes.size();) {
            std::size_t stop = bytes.find('\n', start);
            if (stop == std::string_view::npos) stop = bytes.size();
            std::string_view line = bytes.substr(start, stop - start);
            lines_.push_back(line.substr(0, line.find('\r')));
            start = stop + 1;
        }
    }

    std::size_t size() const { return lines_.size(); }

    std::string_view operator[](std::size_t index) const {
        Check(lines_[index].size() <= kMaxListLine,
              std::string(file_) + ": line " + std::to_string(index + 1) +
                  " is longer than 255 characters.");
        return lines_[index];
    }

private:
    std::string_view file_;
    std::vector<std::string_view> lines_;
};

// The first word (leading spaces skipped; it ends at a space or tab) and
// the cursor moved past the spaces after it.
std::string_view FirstWord(std::string_view& cursor) {
    std::size_t start = cursor.find_first_not_of(' ');
    if (start == std::string_view::npos) start = cursor.size();
    std::size_t stop = cursor.find_first_of(" \t", start);
    if (stop == std::string_view::npos) stop = cursor.size();
    std::string_view word = cursor.substr(start, stop - start);
    std::size_t next = cursor.find_first_not_of(' ', stop);
    cursor.remove_prefix(next == std::string_view::npos ? cursor.size() : next);
    return word;
}

bool IsBlank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

std::uint8_t CellCode(char c) {
    switch (c) {
        case ' ': return CellEmpty;
        case '*': return CellStar;
        case 'C': return CellCommander;
        default: return CellOther;
    }
}

void CheckEntryCount(std::size_t count, std::string_view file, const std::string& what) {
    Check(count <= kMaxListEntries,
          std::string(file) + ": more than 255 " + what + ".");
}

}  // namespace

std::vector<Formation> ParseOrders(std::string_view bytes) {
    std::vector<Formation> formations;
    ListLines lines(bytes, kOrdersFile);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        if (!line.starts_with('#')) continue;
        if (line.starts_with("#EXIT")) break;
        Formation formation;
        std::string_view name = line.substr(1);
        formation.name = name.substr(0, name.find(' '));
        std::string prefix = std::string(kOrdersFile) + ": the formation " + formation.name;
        std::vector<std::string_view> grid;
        bool closed = false;
        for (++i; i < lines.size(); ++i) {
            if (lines[i].starts_with("#END")) {
                closed = true;
                break;
            }
            grid.push_back(lines[i]);
            Check(grid.size() <= kMaxFormationSize, prefix + " has more than 128 lines.");
            Check(lines[i].size() <= kMaxFormationSize, prefix + " is wider than 128 columns.");
        }
        Check(closed, prefix + " is not closed by #END.");
        formation.rows = static_cast<std::int32_t>(grid.size());
        for (std::string_view row : grid)
            formation.columns = std::max(formation.columns, static_cast<std::int32_t>(row.size()));
        formation.cells.assign(static_cast<std::size_t>(formation.rows * formation.columns), CellEmpty);
        for (int r = 0; r < formation.rows; ++r)
            for (std::size_t c = 0; c < grid[static_cast<std::size_t>(r)].size(); ++c)
                formation.cells[static_cast<std::size_t>(r * formation.columns) + c] =
                    CellCode(grid[static_cast<std::size_t>(r)][c]);
        formations.push_back(std::move(formation));
    }
    return formations;
}

std::vector<UnitCategory> ParseUnits(std::string_view bytes) {
    std::vector<UnitCategory> categories;
    bool unitExpected = false;
    ListLines lines(bytes, kUnitsFile);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        if (IsBlank(line)) continue;
        std::string_view rest = line;
        std::string_view word = FirstWord(rest);
        if (rest.empty() && !unitExpected) {
            // A word alone is a category header; the line after it is always a unit.
            categories.push_back(UnitCategory{{}, std::string(word), {}});
            CheckEntryCount(categories.size(), kUnitsFile, "unit categories");
            unitExpected = true;
            continue;
        }
        unitExpected = false;
        if (categories.empty()) continue;  // no category to put it in
        UnitCategory& category = categories.back();
        std::size_t paren = word.find('(');
        UnitType unit{std::string(rest), std::string(word.substr(0, paren)), {}};
        if (paren != std::string_view::npos) category.code = word.substr(paren + 1, 2);
        bool known = std::any_of(category.units.begin(), category.units.end(),
                                 [&](const UnitType& u) { return u.id == unit.id; });
        if (known) continue;
        category.units.push_back(std::move(unit));
        CheckEntryCount(category.units.size(), kUnitsFile, "units in the category " + category.name);
    }
    return categories;
}

void ParseUpgrades(std::string_view bytes, std::vector<UnitCategory>& categories) {
    ListLines lines(bytes, kUpgradesFile);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        std::string_view rest = line;
        std::string_view categoryWord = FirstWord(rest);
        std::string_view unitWord = FirstWord(rest);
        auto category = std::find_if(categories.begin(), categories.end(),
                                     [&](const UnitCategory& c) { return c.name == categoryWord; });
        if (category == categories.end() || category->units.empty()) continue;
        std::string_view unitId = unitWord.substr(0, unitWord.find_first_of(" ("));
        auto unit = std::find_if(category->units.begin(), category->units.end(),
                                 [&](const UnitType& u) { return u.id == unitId; });
        UnitType& owner = unit == category->units.end() ? category->units.back() : *unit;
        owner.upgrades.push_back(Upgrade{std::string(unitWord), std::string(rest)});
        CheckEntryCount(owner.upgrades.size(), kUpgradesFile, "upgrades of the unit " + owner.id);
    }
}

std::vector<UnitCategory> MakeUpgradeCategories(const std::vector<UnitCategory>& categories) {
    std::vector<UnitCategory> filtered = categories;
    for (UnitCategory& category : filtered)
        std::erase_if(category.units, [](const UnitType& u) { return u.upgrades.empty(); });
    return filtered;
}

UnitLists ReadUnitLists(const std::filesystem::path& gameFolder) {
    UnitLists lists;
    auto orders = ReadWholeFile(ResolveGamePath(gameFolder, kOrdersFile));
    Check(orders.has_value(), "Cannot open order.lst file.");
    lists.formations = ParseOrders(*orders);
    auto units = ReadWholeFile(ResolveGamePath(gameFolder, kUnitsFile));
    Check(units.has_value(), "Cannot Find file unitslist.dat");
    lists.unitCategories = ParseUnits(*units);
    auto upgrades = ReadWholeFile(ResolveGamePath(gameFolder, kUpgradesFile));
    Check(upgrades.has_value(), "Cannot open upglist.dat");
    ParseUpgrades(*upgrades, lists.unitCategories);
    lists.upgradeCategories = MakeUpgradeCategories(lists.unitCategories);
    return lists;
}

const Formation* UnitLists::FormationAt(std::int32_t index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= formations.size()) return nullptr;
    return &formations[static_cast<std::size_t>(index)];
}

const UnitCategory* UnitLists::UnitCategoryOf(std::int32_t unitValue) const {
    auto c = static_cast<std::size_t>(PackedByte(unitValue, 0));
    return c < unitCategories.size() ? &unitCategories[c] : nullptr;
}

const UnitType* UnitLists::UnitTypeAt(std::int32_t unitValue) const {
    const UnitCategory* category = UnitCategoryOf(unitValue);
    auto u = static_cast<std::size_t>(PackedByte(unitValue, 1));
    return category && u < category->units.size() ? &category->units[u] : nullptr;
}

const Upgrade* UnitLists::UpgradeAt(std::int32_t upgradeValue) const {
    auto c = static_cast<std::size_t>(PackedByte(upgradeValue, 0));
    auto u = static_cast<std::size_t>(PackedByte(upgradeValue, 1));
    auto g = static_cast<std::size_t>(PackedByte(upgradeValue, 2));
    if (c >= upgradeCategories.size() || u >= upgradeCategories[c].units.size()) return nullptr;
    const UnitType& unit = upgradeCategories[c].units[u];
    return g < unit.upgrades.size() ? &unit.upgrades[g] : nullptr;
}

std::string UnitLists::FindUpgrade(std::string_view id) const {
    for (std::size_t c = 0; c < upgradeCategories.size(); ++c)
        for (std::size_t u = 0; u < upgradeCategories[c].units.size(); ++u) {
            const auto& upgrades = upgradeCategories[c].units[u].upgrades;
            for (std::size_t g = 0; g < upgrades.size(); ++g)
                if (upgrades[g].id == id) return std::to_string(c | u << 8 | g << 16);
        }
    return {};
}

Tree UnitLists::UnitChooserTree() const {
    Tree tree;
    for (const UnitCategory& category : unitCategories) {
        TreeNode& node = tree.emplace_back(TreeNode{category.name, {}});
        for (std::size_t u = 0; u + 1 < category.units.size(); ++u)
            node.children.push_back(TreeNode{category.units[u].title, {}});
    }
    return tree;
}

Tree UnitLists::UpgradeChooserTree() const {
    Tree tree;
    for (std::size_t c = 0; c + 2 < upgradeCategories.size(); ++c) {
        const UnitCategory& category = upgradeCategories[c];
        TreeNode& node = tree.emplace_back(TreeNode{category.name, {}});
        for (const UnitType& unit : category.units) {
            TreeNode& unitNode = node.children.emplace_back(TreeNode{unit.title, {}});
            for (const Upgrade& upgrade : unit.upgrades)
                unitNode.children.push_back(TreeNode{upgrade.title, {}});
        }
    }
    return tree;
}

}  // namespace sced
