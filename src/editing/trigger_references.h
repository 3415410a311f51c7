#pragma once

#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

namespace sced {

class Command;
class Scenario;
class TermCommand;

// Arguments of the "blocks" group name a trigger by its position in the
// trigger list. When triggers move, the references follow them: the
// function maps each old position to the new one.
void RenumberTriggerReferences(Scenario& scenario, const std::function<int(int)>& newPosition);

// The commands outside the trigger at the position that name it, as
// "label: text".
std::vector<std::string> CommandsUsingTrigger(const Scenario& scenario, int position);

// The calls of a mission that name a trigger, kept as commands come and go,
// so that moving a trigger renumbers them without a walk over every command
// of the mission.
class TriggerReferences {
public:
    void Rebuild(const Scenario& scenario);
    // The command and everything in it entered (left) the mission.
    void Added(Command& command);
    void Removed(Command& command);
    void Renumber(const std::function<int(int)>& newPosition);
    // Whether a call outside the trigger at the position names it.
    bool IsUsed(const Scenario& scenario, int position) const;

private:
    std::unordered_set<TermCommand*> calls_;
};

}  // namespace sced
