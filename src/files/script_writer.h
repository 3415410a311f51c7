#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "model/command_tree.h"
#include "model/page_table.h"

namespace sced {

class Scenario;

// The mission script as the game reads it, before scrambling and with "\n"
// line ends; fills the page table with the pages of the page calls in the
// order they are written.
std::string BuildScript(Scenario& scenario);

// BuildScript a trigger at a time, for a caller that must not hold its
// thread long; the pages of the page calls go to its own table.
class ScriptBuilder {
public:
    // Writes the declarations.
    explicit ScriptBuilder(Scenario& scenario);
    // Whether every trigger is written.
    bool done() const;
    // Writes the next trigger.
    void WriteNext();
    // Writes what is left and the end of the script; the script.
    std::string Finish();
    const PageTable& pages() const { return pages_; }

private:
    Scenario& scenario_;
    ScriptOutput out_;
    PageTable pages_;
};
// The script text of the trigger at the position, as BuildScript writes it
// (page numbers counted over the triggers before it); the page table stays
// as it was.
std::string TriggerScript(Scenario& scenario, int trigger);
// The same with the triggers that its calls name written by their labels
// and its pages by their pictures and texts, for comparing two missions:
// the text does not depend on where the trigger or its pages stand.
std::string TriggerScriptByName(Scenario& scenario, int trigger);

// Saves the mission: descriptor, scrambled script, pages file, description
// file and picture, then records the script in the map (a map that already
// holds it is not written). Everything that can be checked is checked
// before a file is touched, the map's writability included; all files are
// written to temporaries first and put back when a later step fails, so a
// failure leaves the old package as it was.
// Returns the paths of the files this save wrote: the four package files,
// the picture when it was written, the map when its field changed.
std::vector<std::filesystem::path> SaveMission(Scenario& scenario);

}  // namespace sced
