#pragma once

#include <string>
#include <vector>

namespace sced {

class Scenario;

// A mission as a comparison sees it, taken while its scenario exists.
struct MissionText {
    std::string name;  // what the comparison calls it
    std::string title;
    std::string description;
    // The items as written of the groups that calls name by number
    // (objectives, switches, timers, players, dynamic groups), whose
    // renaming changes no script line.
    std::vector<std::vector<std::string>> names;
    std::vector<std::string> labels;
    // Each trigger's script with the triggers and pages it names written by
    // name (TriggerScriptByName).
    std::vector<std::string> scripts;
};
MissionText TextForComparison(Scenario& scenario, std::string name);

// A trigger in one mission and not the other, in both at other places
// among the rest, or with another script. Positions count from 0; -1 on
// the side that lacks the trigger.
struct TriggerChange {
    enum class Kind { kAdded, kRemoved, kMoved, kChanged };
    Kind kind = Kind::kChanged;
    std::string label;
    int before = -1;
    int after = -1;
    // For a changed trigger: the script lines that differ, as UnifiedDiff.
    std::vector<std::string> lines;
};

struct MissionDifference {
    // The title, the description and the renamed items, a line each (the
    // description's changed lines after its own).
    std::vector<std::string> mission;
    // In the order of the second mission, a trigger that is gone where it
    // stood; a moved trigger that changed too is there twice.
    std::vector<TriggerChange> triggers;
    bool empty() const { return mission.empty() && triggers.empty(); }
};

// What changed from the first mission to the second. Triggers are matched
// by label, equal labels by their order; the most matched triggers that
// keep their order stay in place, the other matched ones moved.
MissionDifference CompareMissions(const MissionText& before, const MissionText& after);

// `added 7 "Label"`, `removed 3 "Label"`, `moved "Label" 2 -> 5` or
// `changed 5 "Label"`, positions counted from 1.
std::string ChangeHeading(const TriggerChange& change);

// The difference as sced-cli prints it: "--- FIRST" and "+++ SECOND", the
// mission's lines, then each trigger's heading and lines. Nothing when the
// missions are equal.
std::vector<std::string> DifferenceLines(const MissionDifference& difference, const MissionText& before,
                                         const MissionText& after);

}  // namespace sced
