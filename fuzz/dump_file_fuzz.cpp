// A translation dump, read into the demo scenario (with a few triggers for
// its labels), then written again.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/scenario_error.h"
#include "demo_scenario.h"
#include "core/string_table.h"
#include "files/dump_file.h"
#include "model/command_tree.h"
#include "model/scenario.h"

namespace {

sced::Scenario& FreshScenario() {
    sced::Scenario& scenario = sced::fuzz::FreshScenario();
    scenario.title = "Valley of the Ford";
    scenario.description = "The valley must be held.";
    for (const char* label : {"Start", "Relief force", "Ford watch"}) {
        auto trigger = std::make_unique<sced::CommandBlock>();
        trigger->text = label;
        scenario.triggers.Append(std::move(trigger));
    }
    return scenario;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sced::Scenario& scenario = FreshScenario();
    std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        sced::ReadDumpText(scenario, text);
        std::string written = sced::DumpText(scenario);
        sced::ReadDumpText(scenario, written);
    } catch (const sced::ScenarioError&) {
    }
    return 0;
}
