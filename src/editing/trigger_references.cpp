#include "editing/trigger_references.h"

#include "declarations/function_template.h"
#include "model/command_tree.h"
#include "model/scenario.h"

namespace sced {

namespace {

// The walk for both constnesses: Call is TermCommand or const TermCommand.
template <typename Call, typename CommandType, typename Visit>
void Walk(CommandType& command, const Visit& visit) {
    auto each = [&](auto& commands) {
        for (const auto& child : commands) Walk<Call>(static_cast<CommandType&>(*child), visit);
    };
    if (auto* call = dynamic_cast<Call*>(&command)) {
        visit(*call);
    } else if (auto* ifBlock = dynamic_cast<std::conditional_t<std::is_const_v<Call>, const IfBlock, IfBlock>*>(&command)) {
        each(ifBlock->conditions.list);
        each(ifBlock->thenCommands);
        each(ifBlock->elseCommands);
    } else if (auto* trigger =
                   dynamic_cast<std::conditional_t<std::is_const_v<Call>, const CommandBlock, CommandBlock>*>(&command)) {
        each(trigger->conditions.list);
        each(trigger->actions);
    }
}

bool IsTriggerArgument(const TermCommand& call, int i) {
    auto slot = static_cast<std::size_t>(i);
    return call.function && i < call.function->argCount && call.function->argKind[slot] == KindGroup &&
           call.function->argGroup[slot] == "blocks";
}

}  // namespace

void ForEachCall(Command& command, const std::function<void(TermCommand&)>& visit) {
    Walk<TermCommand>(command, visit);
}

void ForEachCall(const Command& command, const std::function<void(const TermCommand&)>& visit) {
    Walk<const TermCommand>(command, visit);
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

}  // namespace sced
