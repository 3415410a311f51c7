#pragma once

// The scenario the mission-file fuzz targets read into: started once on the
// demo game folder, reset before every input.

#include <filesystem>
#include <memory>

#include "core/string_table.h"
#include "model/page_table.h"
#include "model/scenario.h"

namespace sced::fuzz {

// The scenario started on the game folder (the demo's unless given), with
// its groups reset.
inline Scenario& FreshScenario(const std::filesystem::path& folder = SCED_DEMO_GAME) {
    static std::unique_ptr<Scenario> scenario = [&] {
        StringTable::Instance().Load(folder);
        return std::make_unique<Scenario>(folder);
    }();
    scenario->ResetGroups();
    scenario->leftOut.clear();
    return *scenario;
}

// The zones and groups of the demo's Valley map, and the pages of its mission.
inline void GiveValleyMap(Scenario& scenario) {
    StringList& zones = scenario.objectGroups.GetGroup("zones");
    zones.Clear();
    for (const char* zone : {"North Ford", "Old Mill", "Hill 203", "South Gate"}) zones.Add(zone);
    StringList& groups = scenario.objectGroups.GetGroup("groups");
    groups.Clear();
    for (const char* group : {"Blue Scouts", "Red Column", "Bridge Guard", "Supply Train"}) groups.Add(group);
    scenario.objectGroups.RecordMapCounts();
    Pages().Clear();
    Pages().Append({0, "valley.gp", "Commander, the valley is yours to hold."});
    Pages().Append({2, "valley.gp", "Blow up the bridge?"});
    Pages().Append({1, "victory.gp", "The valley is safe."});
}

}  // namespace sced::fuzz
