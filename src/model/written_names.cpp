#include "model/written_names.h"

#include "core/string_table.h"
#include "core/warning.h"
#include "model/scenario.h"

namespace sced {

namespace {

constexpr std::string_view kNamedGroups[] = {"objectives", "switches", "timers", "players", "dyngroups"};

}  // namespace

std::string DefaultTriggerLabel(int index) { return Lookup("txtTrigger") + " " + std::to_string(index + 1); }

std::string WrittenName(const Scenario& scenario, std::string_view group, int index) {
    const std::string& name = scenario.objectGroups.GetGroup(group)[index];
    return name.empty() ? scenario.objectGroups.DefaultName(group, index) : name;
}

std::string WrittenTriggerLabel(const Scenario& scenario, int index) {
    const std::string& label = scenario.triggers.At(index).text;
    return label.empty() ? DefaultTriggerLabel(index) : label;
}

void WarnOfEmptyNames(const Scenario& scenario) {
    std::string replaced;
    auto note = [&](const std::string& name) { replaced += (replaced.empty() ? "" : ", ") + name; };
    for (std::string_view group : kNamedGroups) {
        const StringList& items = scenario.objectGroups.GetGroup(group);
        for (int i = 0; i < items.count(); ++i)
            if (items[i].empty()) note(WrittenName(scenario, group, i));
    }
    for (int i = 0; i < scenario.triggers.count(); ++i)
        if (scenario.triggers.At(i).text.empty()) note(DefaultTriggerLabel(i));
    Warn(replaced.empty(), "Empty names are saved as their default names: " + replaced + ".");
}

}  // namespace sced
