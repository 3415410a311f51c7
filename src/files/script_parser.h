#pragma once

namespace sced {

class Scenario;

// Reads the scenario's mission script text into its triggers and renames the
// dynamic groups, switches, timers and players after the script's name
// sections. A command whose names resolve to nothing the scenario knows is
// left out and recorded in leftOut; the designer is warned once when that
// happens, or when there is no script to read.
void ParseScript(Scenario& scenario);

}  // namespace sced
