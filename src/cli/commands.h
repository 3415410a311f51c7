#pragma once

#include "cli/output.h"
#include "model/scenario.h"

namespace sced::cli {

// One line per declared function: C or A, menu group, name, form, the
// argument fields, the default texts joined by "|", the display text and
// the listing text, separated by tabs.
void PrintFunctions(const Scenario& scenario, Output& out);
// Per object group "#NAME", renamable or fixed, the item count; then each
// item after a tab.
void PrintGroups(const Scenario& scenario, Output& out);
// The formation, unit and upgrade lists.
void PrintLists(const Scenario& scenario, Output& out);

}  // namespace sced::cli
