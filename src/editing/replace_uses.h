#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "editing/edit_history.h"
#include "editing/where_used.h"

namespace sced {

class Command;
class Scenario;

// Whether the thing `to` may stand wherever `from` is named: a thing of
// the same group, or a map group and a dynamic group for each other (an
// argument of map groups takes dynamic groups too, one of dynamic groups
// takes only those). Never the thing itself.
bool CanReplace(const NamedThing& from, const NamedThing& to);

// The things that may take from's place, in the order of their list.
std::vector<NamedThing> Replacements(const Scenario& scenario, const NamedThing& from);

// The number of commands, as the tree shows them, in which the replace
// changes an argument: the uses of `from` whose argument takes `to`.
int CommandsReplaced(const Scenario& scenario, const NamedThing& from, const NamedThing& to);

// Every use of `from` whose argument takes `to` names `to` instead, as one
// step recorded as the arguments it changed; null when it changes none.
// The calls stay where they are, so the index of calls that name triggers
// stays true; what changes is which trigger they name.
std::unique_ptr<EditStep> ReplaceUsesStep(Scenario& scenario, const NamedThing& from, const NamedThing& to);

// The same in one command outside the mission (a draft in a dialog), with
// no undo. Whether it changed.
bool ReplaceInCommand(const Scenario& scenario, Command& command, const NamedThing& from, const NamedThing& to);

// The things two names given by the designer stand for: of the same group
// when both names have one, else a map group and a dynamic group. The
// problem says why there is no such pair (empty when there is).
struct ReplaceNames {
    NamedThing from;
    NamedThing to;
    std::string problem;
};
ReplaceNames FindReplaceNames(const Scenario& scenario, std::string_view from, std::string_view to);

}  // namespace sced
