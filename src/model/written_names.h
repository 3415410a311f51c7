#pragma once

#include <string>
#include <string_view>

namespace sced {

class Scenario;

// The names as the script, the pages file and the dump write them. Their
// readers skip empty lines, so an empty name would move every later name up
// one place: it is written as the item's default name instead.

// The label a trigger gets when none is written for it: "Trigger 3" for the
// third.
std::string DefaultTriggerLabel(int index);
// The item of the group as written.
std::string WrittenName(const Scenario& scenario, std::string_view group, int index);
// The label of the trigger at the index as written.
std::string WrittenTriggerLabel(const Scenario& scenario, int index);
// Warns once, naming them, when names are written as their default names.
void WarnOfEmptyNames(const Scenario& scenario);

}  // namespace sced
