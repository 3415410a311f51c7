#pragma once

#include <cstdint>
#include <string>

namespace sced {

class Scenario;
class TermCommand;

// The designer's text of argument index of the command. A value outside its
// group's items, or outside its list, shows as an empty text.
std::string GetArgumentString(const Scenario& scenario, const TermCommand& command, int index);

// The script text of a group argument: the name of a zone, map group or
// dynamic group; the value in decimal for any other group.
std::string GetObjectString(const Scenario& scenario, const TermCommand& command, int index);

// What the script holds for one argument: the object string of a group
// argument, the unit's script name for "unittypes", else the value.
std::string ArgumentScriptText(const Scenario& scenario, const TermCommand& command, int index);

// "%s(%s)" with the unit's id and its category's code; "" when the packed
// value names no unit.
std::string UnitTypeScriptText(const Scenario& scenario, std::int32_t value);

// A text of at most 96 characters: longer ones are cut and end in "...".
std::string Cut96(const std::string& text);

}  // namespace sced
