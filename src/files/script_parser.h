#pragma once

#include <string_view>

namespace sced {

class CommandSeq;
class PageTable;
class Scenario;

// Reads the scenario's mission script text into its triggers and renames the
// dynamic groups, switches, timers and players after the script's name
// sections. A command that names a zone or map group the map does not have
// keeps that name (the command is lost until the map has it again or
// another is chosen); one whose other names resolve to nothing the scenario
// knows is left out and recorded in leftOut; a statement read otherwise
// than it is written (an assignment to a name that is no variable, an
// unknown comparison, a repeat count that is no number) is kept as read and
// recorded in readingChanges. The designer is warned once for each of the
// three when they happen, and when there is no script to read.
void ParseScript(Scenario& scenario);

// Reads triggers written as in the "#SCRIPT" block (comment lines anywhere)
// against the scenario's names and declarations, appending them to `into`;
// a page call takes its page from the table. Nothing is read otherwise than
// written: the first name the scenario lacks (a zone the map lacks
// included), function it does not declare or text that is no script raises
// a ScenarioError that begins with "line N: ". Arguments that name triggers
// stay the numbers written.
void ParseScriptText(Scenario& scenario, std::string_view text, const PageTable& pages, CommandSeq& into);

}  // namespace sced
