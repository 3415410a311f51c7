#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "cli/output.h"

namespace sced {
class Scenario;
}

namespace sced::cli {

inline constexpr int kExitScriptStopped = 4;

struct ScriptOptions {
    bool save = true;   // save the mission at the end
    bool tree = false;  // print the tree at the end
    bool force = false; // save even though opening lost something
};

// Opens the mission and runs the designer script on it through the real
// editing operations: fake dialogs, registered in the control table, take
// their answers from the script. Remarks go to remarks as "line N: ...".
// Returns the exit status: 0, or kExitScriptStopped when the script
// stopped (nothing is saved then).
int RunDesignerScript(Scenario& scenario, const std::string& mission, std::istream& script,
                      const ScriptOptions& options, Output& out, std::ostream& remarks);

}  // namespace sced::cli
