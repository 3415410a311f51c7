#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "editing/mission_place.h"

namespace sced {

class ChangeTrail;

// The nodes whose trigger label, display text or function name holds the
// text, ignoring case (Cyrillic too), in tree order; nothing for an empty
// text. A trigger matches by its label only; its commands match each on
// their own.
std::vector<MissionPlace> FindInMission(const Scenario& scenario, std::string_view text);

// Find as the main window offers it: the text searched, its matches and the
// triggers that hold them; the next and previous match from a selection.
class MissionFind {
public:
    // Searches the mission for the text anew (an empty text clears); the
    // trail's changes so far are taken in.
    void Search(const Scenario& scenario, std::string_view text, const ChangeTrail& trail);
    // The matches after the trail's later changes: only the triggers they
    // touched are searched again, unless a change may reach them all.
    void Follow(const Scenario& scenario, const ChangeTrail& trail);
    void Clear();
    bool active() const { return !text_.empty(); }
    const std::string& text() const { return text_; }
    const std::vector<MissionPlace>& matches() const { return matches_; }
    // The positions of the triggers that hold a match, ascending.
    const std::vector<int>& triggers() const { return triggers_; }
    // The triggers the filtered tree shows, ascending: those that hold a
    // match and the selected one (-1: none), so that what an edit made
    // stays in sight.
    std::vector<int> Shown(int selectedTrigger) const;
    // The first match after (before) the path in tree order, going round at
    // the end; nothing when there is no match.
    std::optional<TreePath> Next(const TreePath& from) const;
    std::optional<TreePath> Previous(const TreePath& from) const;

private:
    // The matches of every trigger by its identity, and the flat list in
    // tree order made from them.
    void Gather(const Scenario& scenario);

    std::string text_;
    std::string needle_;  // folded
    struct OfTrigger {
        std::vector<MissionPlace> matches;
        std::uint64_t gathered = 0;  // the last gathering that met the trigger
    };
    std::unordered_map<const Command*, OfTrigger> byTrigger_;
    std::uint64_t gatherings_ = 0;
    std::uint64_t seen_ = 0;
    std::vector<MissionPlace> matches_;
    std::vector<int> triggers_;
};

}  // namespace sced
