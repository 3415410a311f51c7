// A mission pages file: objective names and briefing pages, read into the
// demo scenario, then written again.

#include <cstdint>
#include <string_view>

#include "core/scenario_error.h"
#include "demo_scenario.h"
#include "core/string_table.h"
#include "files/mission_package.h"
#include "model/page_table.h"
#include "model/scenario.h"

namespace {

sced::Scenario& FreshScenario() {
    sced::Pages().Clear();
    return sced::fuzz::FreshScenario();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sced::Scenario& scenario = FreshScenario();
    std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        sced::ParsePagesFile(scenario, text);
        std::string written = sced::PagesText(scenario);
        // What the writer gives must read back without trouble.
        sced::Pages().Clear();
        sced::ParsePagesFile(scenario, written);
    } catch (const sced::ScenarioError&) {
    }
    return 0;
}
