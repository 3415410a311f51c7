#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editing/mission_place.h"

namespace sced {

// The nodes whose trigger label, display text or function name holds the
// text, ignoring case (Cyrillic too), in tree order; nothing for an empty
// text. A trigger matches by its label only; its commands match each on
// their own.
std::vector<MissionPlace> FindInMission(const Scenario& scenario, std::string_view text);

// Find as the main window offers it: the text searched, its matches and the
// triggers that hold them; the next and previous match from a selection.
class MissionFind {
public:
    // Searches the mission for the text anew (an empty text clears).
    void Search(const Scenario& scenario, std::string_view text);
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
    std::string text_;
    std::vector<MissionPlace> matches_;
    std::vector<int> triggers_;
};

}  // namespace sced
