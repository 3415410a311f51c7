#include "support/demo_scenario.h"

#include <stdexcept>
#include <string>

#include "core/string_table.h"
#include "support/game_folder.h"

namespace sced::test {

DemoScenario::DemoScenario() {
    StringTable::Instance().Load(DemoGame());
    scenario_ = std::make_unique<Scenario>(DemoGame());
    StringList& zones = scenario_->objectGroups.GetGroup("zones");
    for (const char* zone : {"North gate", "Harbour", "Hill"}) zones.Add(zone);
    StringList& groups = scenario_->objectGroups.GetGroup("groups");
    for (const char* group : {"Guards", "Convoy", "Patrol"}) groups.Add(group);
    scenario_->objectGroups.RecordMapCounts();
}

const Template& DemoScenario::Function(std::string_view name, int form) const {
    for (const Template& function : scenario_->functions)
        if (function.name == name && (form < 0 || function.form == form)) return function;
    throw std::invalid_argument("no demo function " + std::string(name));
}

std::unique_ptr<TermCommand> DemoScenario::Call(std::string_view name, const std::vector<std::int32_t>& values,
                                                int form) {
    auto command = std::make_unique<TermCommand>();
    command->Bind(Function(name, form));
    for (std::size_t i = 0; i < values.size(); ++i) command->SetArg(*scenario_, static_cast<int>(i), values[i]);
    command->UpdateText(*scenario_);
    return command;
}

std::unique_ptr<CommandBlock> DemoScenario::Trigger(std::string_view label,
                                                    std::vector<std::unique_ptr<Command>> conditions,
                                                    std::vector<std::unique_ptr<Command>> actions) {
    auto trigger = std::make_unique<CommandBlock>();
    trigger->text = label;
    for (auto& condition : conditions) trigger->conditions.list.Append(std::move(condition));
    for (auto& action : actions) trigger->actions.Append(std::move(action));
    trigger->UpdateText(*scenario_);
    return trigger;
}

}  // namespace sced::test
