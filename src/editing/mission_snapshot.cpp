#include "editing/mission_snapshot.h"

#include <utility>

namespace sced {

MissionSnapshot::MissionSnapshot(Scenario& scenario)
    : scenario_(scenario),
      triggers_(std::move(scenario.triggers)),
      mapFolder_(scenario.mapFolder),
      picturePath_(scenario.picturePath),
      missionName_(scenario.missionName),
      title_(scenario.title),
      description_(scenario.description),
      modified_(scenario.modified),
      objectGroups_(scenario.objectGroups),
      scriptText_(scenario.scriptText),
      leftOut_(scenario.leftOut),
      scriptUnread_(scenario.scriptUnread),
      readingChanges_(scenario.readingChanges),
      heldPicture_(scenario.heldPicture),
      currentTrigger_(scenario.currentTrigger),
      pages_(Pages()) {
    scenario.triggers = CommandSeq();
}

void MissionSnapshot::Restore() {
    scenario_.triggers = std::move(triggers_);
    scenario_.mapFolder = std::move(mapFolder_);
    scenario_.missionName = std::move(missionName_);
    scenario_.title = std::move(title_);
    scenario_.description = std::move(description_);
    scenario_.picturePath = std::move(picturePath_);
    scenario_.modified = modified_;
    scenario_.objectGroups = std::move(objectGroups_);
    scenario_.scriptText = std::move(scriptText_);
    scenario_.leftOut = std::move(leftOut_);
    scenario_.scriptUnread = scriptUnread_;
    scenario_.readingChanges = std::move(readingChanges_);
    scenario_.heldPicture = std::move(heldPicture_);
    scenario_.currentTrigger = currentTrigger_;
    Pages() = std::move(pages_);
}

}  // namespace sced
