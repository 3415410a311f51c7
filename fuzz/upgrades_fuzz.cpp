// The upgrade file against a fixed unit list.

#include <cstdint>
#include <string_view>

#include "core/scenario_error.h"
#include "declarations/unit_lists.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        sced::UnitLists lists;
        lists.unitCategories = sced::ParseUnits("A\nx(AA) X\ny(AA) Y\nB\nz(BB) Z\nC\nw(CC) W\nD\nv(DD) V\n");
        sced::ParseUpgrades(std::string_view(reinterpret_cast<const char*>(data), size), lists.unitCategories);
        lists.upgradeCategories = sced::MakeUpgradeCategories(lists.unitCategories);
        (void)lists.UpgradeChooserTree();
        (void)lists.FindUpgrade("x(U1)");
        for (std::int32_t value : {0, 0x10000, 0x10101, -1}) (void)lists.UpgradeAt(value);
    } catch (const sced::ScenarioError&) {
    }
    return 0;
}
