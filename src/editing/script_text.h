#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "editing/selection.h"

namespace sced {

class Command;
class Scenario;

// Triggers or commands as script text, for the system clipboard and for
// files: what the script writer writes, after comment lines that say what
// the text holds, which labels the triggers have, which trigger each
// number of a command names, and the briefing pages, so that the text
// pastes back into this mission or another one:
//
//   % Tarvossa Scenario Editor: 2 triggers "Relief force" "Ford watch"
//   % trigger 1 = #1
//   % trigger 3 = "Counting"
//   % page 0 = Camp.gp 3 Commander, the valley is yours to hold.
//   CONDITION   ...
//
// "#k" names the k-th trigger of the text itself; a label names the one
// trigger of the mission that bears it.

// The text of the commands of one list, in list order. Triggers give their
// positions (a command that names one of them names its copy); the
// commands of a trigger give that trigger's position once.
std::string ScriptTextOf(Scenario& scenario, ListKind kind, const std::vector<const Command*>& commands,
                         const std::vector<int>& positions);

// What a text holds, read against the scenario's names and declarations.
struct CommandsOfText {
    ListKind kind = ListKind::kNone;  // kTriggers, kConditions or kActions
    std::vector<std::unique_ptr<Command>> commands;
};

// Reads the text. Triggers are read for the position newTrigger, where
// they will stand: the triggers they name after it, and each other, are
// numbered as they will be. Raises a ScenarioError "line N: ..." at the
// first problem: a first line that does not say what the text holds, a
// name the mission does not have, a function it does not declare, a label
// that no trigger or more than one bears, text that is no script.
CommandsOfText ReadScriptText(Scenario& scenario, std::string_view text, int newTrigger);

}  // namespace sced
