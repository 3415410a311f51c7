#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace sced {

class Command;
class Scenario;
class TermCommand;

// Whether argument i of the call names a trigger (the "blocks" group).
bool IsTriggerArgument(const TermCommand& call, int i);

// The triggers of a mission by label, for binding many references at once.
class TriggerLabels {
public:
    static constexpr int kNone = -1;
    static constexpr int kSeveral = -2;
    explicit TriggerLabels(const Scenario& scenario);
    // The one trigger with that label; kNone when none bears it, kSeveral
    // when more than one does.
    int Find(const std::string& label) const;

private:
    std::unordered_map<std::string, int> positions_;
};

// Arguments of the "blocks" group name a trigger by its position in the
// trigger list. When triggers move, the references follow them: the
// function maps each old position to the new one.
void RenumberTriggerReferences(Scenario& scenario, const std::function<int(int)>& newPosition);

// The commands outside the triggers at the ascending positions that name
// one of them, as "label: text".
std::vector<std::string> CommandsUsingTriggers(const Scenario& scenario, const std::vector<int>& positions);

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
    // Whether a call outside the triggers at the ascending positions names
    // one of them.
    bool IsUsed(const Scenario& scenario, const std::vector<int>& positions) const;

private:
    std::unordered_set<TermCommand*> calls_;
};

}  // namespace sced
