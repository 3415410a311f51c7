#include "editing/trigger_references.h"

#include <algorithm>

#include "declarations/function_template.h"
#include "model/command_tree.h"
#include "model/scenario.h"

namespace sced {

bool IsTriggerArgument(const TermCommand& call, int i) {
    auto slot = static_cast<std::size_t>(i);
    return call.function && i < call.function->argCount && call.function->argKind[slot] == KindGroup &&
           std::string_view(call.function->argGroup[slot]) == "blocks";
}

TriggerLabels::TriggerLabels(const Scenario& scenario) {
    for (int t = 0; t < scenario.triggers.count(); ++t) {
        auto [found, fresh] = positions_.emplace(scenario.triggers.At(t).text, t);
        if (!fresh) found->second = kSeveral;
    }
}

int TriggerLabels::Find(const std::string& label) const {
    auto found = positions_.find(label);
    return found == positions_.end() ? kNone : found->second;
}

void RenumberTriggerReferences(Scenario& scenario, const std::function<int(int)>& newPosition) {
    for (const auto& trigger : scenario.triggers)
        ForEachCall(*trigger, [&](TermCommand& call) {
            for (int i = 0; i < call.argCount; ++i)
                if (IsTriggerArgument(call, i)) {
                    auto& value = call.args[static_cast<std::size_t>(i)];
                    value = newPosition(value);
                }
        });
}

std::vector<std::string> CommandsUsingTriggers(const Scenario& scenario, const std::vector<int>& positions) {
    std::vector<std::string> users;
    auto among = [&](int t) { return std::binary_search(positions.begin(), positions.end(), t); };
    for (int t = 0; t < scenario.triggers.count(); ++t) {
        if (among(t)) continue;
        const Command& trigger = scenario.triggers.At(t);
        ForEachCall(trigger, [&](const TermCommand& call) {
            for (int i = 0; i < call.argCount; ++i)
                if (IsTriggerArgument(call, i) && among(call.args[static_cast<std::size_t>(i)])) {
                    users.push_back(trigger.text + ": " + call.text);
                    return;
                }
        });
    }
    return users;
}

void TriggerReferences::Rebuild(const Scenario& scenario) {
    calls_.clear();
    for (const auto& trigger : scenario.triggers) Added(*trigger);
}

void TriggerReferences::Added(Command& command) {
    ForEachCall(command, [&](TermCommand& call) {
        for (int i = 0; i < call.argCount; ++i)
            if (IsTriggerArgument(call, i)) {
                calls_.insert(&call);
                return;
            }
    });
}

void TriggerReferences::Removed(Command& command) {
    ForEachCall(command, [&](TermCommand& call) { calls_.erase(&call); });
}

void TriggerReferences::Renumber(const std::function<int(int)>& newPosition) {
    for (TermCommand* call : calls_)
        for (int i = 0; i < call->argCount; ++i)
            if (IsTriggerArgument(*call, i)) {
                auto& value = call->args[static_cast<std::size_t>(i)];
                value = newPosition(value);
            }
}

bool TriggerReferences::IsUsed(const Scenario& scenario, const std::vector<int>& positions) const {
    for (const TermCommand* call : calls_)
        for (int i = 0; i < call->argCount; ++i)
            if (IsTriggerArgument(*call, i) &&
                std::binary_search(positions.begin(), positions.end(), call->args[static_cast<std::size_t>(i)])) {
                // Triggers that run each other (or themselves) may go together.
                return !CommandsUsingTriggers(scenario, positions).empty();
            }
    return false;
}

}  // namespace sced
