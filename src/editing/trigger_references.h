#pragma once

#include <functional>
#include <string>
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

}  // namespace sced
