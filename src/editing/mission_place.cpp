#include "editing/mission_place.h"

#include "model/command_tree.h"
#include "model/scenario.h"

namespace sced {

namespace {

using Visit = std::function<void(const TreePath&, int, const Command&)>;

void VisitList(const CommandSeq& list, TreePath path, int level, int trigger, const Visit& visit) {
    for (int i = 0; i < list.count(); ++i) {
        path[static_cast<std::size_t>(level)] = i;
        visit(path, trigger, list.At(i));
    }
}

}  // namespace

void ForEachTreeCommand(const Scenario& scenario, const Visit& visit) {
    for (int t = 0; t < scenario.triggers.count(); ++t) ForEachTreeCommandOf(scenario, t, visit);
}

void ForEachTreeCommandOf(const Scenario& scenario, int t, const Visit& visit) {
    const auto* trigger = dynamic_cast<const CommandBlock*>(&scenario.triggers.At(t));
    if (!trigger) return;
    visit(PathTo({t}), t, *trigger);
    VisitList(trigger->conditions.list, PathTo({t, 0}), 2, t, visit);
    for (int a = 0; a < trigger->actions.count(); ++a) {
        const Command& action = trigger->actions.At(a);
        visit(PathTo({t, 1, a}), t, action);
        const auto* ifBlock = dynamic_cast<const IfBlock*>(&action);
        if (!ifBlock) continue;
        VisitList(ifBlock->conditions.list, PathTo({t, 1, a, 0}), 4, t, visit);
        VisitList(ifBlock->thenCommands, PathTo({t, 1, a, 1}), 4, t, visit);
        VisitList(ifBlock->elseCommands, PathTo({t, 1, a, 2}), 4, t, visit);
    }
}

std::string PlaceText(const Scenario& scenario, int trigger, const Command& command) {
    const std::string& label = scenario.triggers.At(trigger).text;
    if (&command == &scenario.triggers.At(trigger)) return label;
    return label + ": " + command.text;
}

}  // namespace sced
