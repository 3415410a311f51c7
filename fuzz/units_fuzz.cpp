#include <cstdint>
#include <string_view>

#include "core/scenario_error.h"
#include "declarations/unit_lists.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        sced::UnitLists lists;
        lists.unitCategories = sced::ParseUnits(std::string_view(reinterpret_cast<const char*>(data), size));
        lists.upgradeCategories = sced::MakeUpgradeCategories(lists.unitCategories);
        (void)lists.UnitChooserTree();
        for (std::int32_t value : {0, 1, 0x101, 0xFFFF, -1}) (void)lists.UnitTypeAt(value);
    } catch (const sced::ScenarioError&) {
    }
    return 0;
}
