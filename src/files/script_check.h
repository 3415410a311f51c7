#pragma once

#include <string>
#include <vector>

namespace sced {

class Scenario;
class TermCommand;

// Every reason the scenario cannot be saved as its mission script, one
// readable line each, in the order the script would hold them: names of the
// name sections that would not read back as written, commands without a
// function, values outside their lists and names of arguments that the
// parser would read as something else. Empty when the script can be saved.
std::vector<std::string> ScriptProblems(const Scenario& scenario);

// The same problems with what each concerns: the call and its trigger's
// position (none for the names of the name sections; the trigger alone for
// its label).
struct ScriptProblem {
    std::string text;
    int trigger = -1;
    const TermCommand* call = nullptr;
};
std::vector<ScriptProblem> PlacedScriptProblems(const Scenario& scenario);
// Its three parts, in its order: the names written before the triggers,
// the commands of one trigger, and the trigger labels with the names
// written after them.
std::vector<ScriptProblem> LeadingScriptProblems(const Scenario& scenario);
std::vector<ScriptProblem> TriggerScriptProblems(const Scenario& scenario, int trigger);
std::vector<ScriptProblem> TrailingScriptProblems(const Scenario& scenario);

// Raises the first of ScriptProblems, if any.
void CheckScriptCanBeSaved(const Scenario& scenario);

}  // namespace sced
