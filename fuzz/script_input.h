#pragma once

// A mission script read into the demo scenario with the Valley map's zones
// and groups; the texts are rebuilt, the script is written again and what
// was written is read once more: none of it may crash on anything the
// reader accepted.

#include <string>

#include "core/scenario_error.h"
#include "demo_scenario.h"
#include "files/script_parser.h"
#include "files/script_writer.h"

namespace sced::fuzz {

inline void ReadScriptTwice(std::string script) {
    Scenario& scenario = FreshScenario();
    GiveValleyMap(scenario);
    scenario.scriptText = std::move(script);
    std::string written;
    try {
        ParseScript(scenario);
        scenario.objectGroups.UniquifyDynGroups();
        scenario.triggers.UpdateText(scenario);
        written = BuildScript(scenario);
    } catch (const ScenarioError&) {
        return;
    }
    try {
        scenario.scriptText = std::move(written);
        ParseScript(scenario);
    } catch (const ScenarioError&) {
    }
}

}  // namespace sced::fuzz
