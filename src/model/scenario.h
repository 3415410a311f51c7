#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "declarations/function_template.h"
#include "declarations/unit_lists.h"
#include "model/command_tree.h"
#include "model/object_groups.h"

namespace sced {

// A command that opening the mission had to leave out, because a name in it
// names nothing the scenario knows (a zone or map group the map lacks is
// kept by its name instead).
struct LeftOutCommand {
    std::string trigger;   // the trigger's label
    std::string function;  // the function as written in the script
    std::string name;      // the name that could not be resolved
};

// All state of the editor: the mission being edited, everything the game's
// data files declare, and the editing state of the main window. The editor
// edits one at a time; a second one lives a while beside it to compare two
// missions. The string table must be loaded before one is made.
class Scenario {
public:
    // Reads the declarations and lists under the game folder (absolute);
    // raises the start-up error of the first file that is missing or
    // malformed.
    explicit Scenario(std::filesystem::path gameFolder);
    ~Scenario();
    Scenario(const Scenario&) = delete;
    Scenario& operator=(const Scenario&) = delete;

    // Regenerates the built-in groups for a fresh mission and deletes every
    // trigger (the triggers stay when "nations" is missing).
    void ResetGroups();
    // After the map was read again: finds every zone and map group again by
    // its name (one that is gone keeps its name, so no command is lost),
    // moves references to dynamic groups past the new map groups, then
    // records the new counts. Returns the number of calls that name
    // something the map no longer has.
    int CheckMapReferences();

    // The triggers; the first member, so that it is destroyed last.
    CommandSeq triggers;

    std::filesystem::path gameFolder;
    std::filesystem::path mapFolder;
    std::string missionName;

    std::string title;
    std::string description;
    std::filesystem::path picturePath;

    bool modified = false;
    bool parsing = false;

    ObjectGroups objectGroups;
    UnitLists lists;
    std::vector<Template> functions;

    // The mission script as last read from or written to the mission file.
    std::optional<std::string> scriptText;
    // What the last opening of a mission left out.
    std::vector<LeftOutCommand> leftOut;
    // Whether the last opening found no script to read (none, or no #SCRIPT
    // block): the mission opened without triggers, and saving it would lose
    // them.
    bool scriptUnread = false;
    // Where the last opening read a hand-written script otherwise than its
    // text says (an unknown assignment target, comparison or repeat count),
    // one line each.
    std::vector<std::string> readingChanges;
    // The picture the designer loaded (bitmap file bytes), written on save.
    std::optional<std::string> heldPicture;

    int currentTrigger = -1;
};

}  // namespace sced
