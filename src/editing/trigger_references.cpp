#include "editing/trigger_references.h"

#include "declarations/function_template.h"
#include "model/command_tree.h"
#include "model/scenario.h"

namespace sced {

namespace {

bool IsTriggerArgument(const TermCommand& call, int i) {
    auto slot = static_cast<std::size_t>(i);
    return call.function && i < call.function->argCount && call.function->argKind[slot] == KindGroup &&
           call.function->argGroup[slot] == "blocks";
}

}  // namespace

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

std::vector<std::string> CommandsUsingTrigger(const Scenario& scenario, int position) {
    std::vector<std::string> users;
    for (int t = 0; t < scenario.triggers.count(); ++t) {
        if (t == position) continue;
        const Command& trigger = scenario.triggers.At(t);
        ForEachCall(trigger, [&](const TermCommand& call) {
            for (int i = 0; i < call.argCount; ++i)
                if (IsTriggerArgument(call, i) && call.args[static_cast<std::size_t>(i)] == position) {
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

bool TriggerReferences::IsUsed(const Scenario& scenario, int position) const {
    for (const TermCommand* call : calls_)
        for (int i = 0; i < call->argCount; ++i)
            if (IsTriggerArgument(*call, i) && call->args[static_cast<std::size_t>(i)] == position) {
                // A trigger that runs itself may go with itself.
                if (!CommandsUsingTrigger(scenario, position).empty()) return true;
            }
    return false;
}

}  // namespace sced
