#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/command_tree.h"
#include "model/object_groups.h"
#include "model/page_table.h"
#include "model/scenario.h"

namespace sced {

// The open mission as the scenario holds it, taken aside before another
// mission is read into the scenario, so that a read that fails can put it
// back: a failed Open or New changes nothing.
class MissionSnapshot {
public:
    // Takes the triggers out and copies the rest.
    explicit MissionSnapshot(Scenario& scenario);
    // Puts the mission back as it was.
    void Restore();

private:
    Scenario& scenario_;
    CommandSeq triggers_;
    std::filesystem::path mapFolder_, picturePath_;
    std::string missionName_, title_, description_;
    bool modified_;
    ObjectGroups objectGroups_;
    std::optional<std::string> scriptText_;
    std::vector<LeftOutCommand> leftOut_;
    bool scriptUnread_;
    std::vector<std::string> readingChanges_;
    std::optional<std::string> heldPicture_;
    int currentTrigger_;
    PageTable pages_;
};

}  // namespace sced
