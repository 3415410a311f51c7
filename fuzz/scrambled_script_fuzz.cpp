// A mission script file as saved, scrambled: unscrambled, then read into the
// triggers of the demo scenario with the Valley map's zones and groups, and
// written and read again like a plain script.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/scenario_error.h"
#include "core/string_table.h"
#include "files/scramble.h"
#include "files/script_parser.h"
#include "files/script_writer.h"
#include "model/page_table.h"
#include "model/scenario.h"

namespace {

sced::Scenario& FreshScenario() {
    static sced::Scenario* scenario = [] {
        sced::StringTable::Instance().Load(SCED_DEMO_GAME);
        return new sced::Scenario(SCED_DEMO_GAME);
    }();
    scenario->ResetGroups();
    scenario->leftOut.clear();
    sced::StringList& zones = scenario->objectGroups.GetGroup("zones");
    zones.Clear();
    for (const char* zone : {"North Ford", "Old Mill", "Hill 203", "South Gate"}) zones.Add(zone);
    sced::StringList& groups = scenario->objectGroups.GetGroup("groups");
    groups.Clear();
    for (const char* group : {"Blue Scouts", "Red Column", "Bridge Guard", "Supply Train"}) groups.Add(group);
    scenario->objectGroups.RecordMapCounts();
    sced::Pages().Clear();
    sced::Pages().Append({0, "valley.gp", "Commander, the valley is yours to hold."});
    sced::Pages().Append({2, "valley.gp", "Blow up the bridge?"});
    sced::Pages().Append({1, "victory.gp", "The valley is safe."});
    return *scenario;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sced::Scenario& scenario = FreshScenario();
    scenario.scriptText = std::string(reinterpret_cast<const char*>(data), size);
    sced::Scramble(*scenario.scriptText);
    std::string written;
    try {
        sced::ParseScript(scenario);
        scenario.objectGroups.UniquifyDynGroups();
        scenario.triggers.UpdateText(scenario);
        written = sced::BuildScript(scenario);
    } catch (const sced::ScenarioError&) {
        return 0;
    }
    try {
        scenario.scriptText = std::move(written);
        sced::ParseScript(scenario);
    } catch (const sced::ScenarioError&) {
    }
    return 0;
}
