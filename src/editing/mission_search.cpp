#include "editing/mission_search.h"

#include <algorithm>

#include "core/code_page.h"
#include "declarations/function_template.h"
#include "model/command_tree.h"
#include "model/scenario.h"

namespace sced {

namespace {

// Whether the command's display text or the name of a function it calls
// holds the needle. An IF block nested in a THEN or ELSE list is one node
// of the tree, so what it holds counts for it.
bool Matches(const Command& command, std::string_view needle, bool nested) {
    if (ContainsIgnoringCase(command.text, needle)) return true;
    if (const auto* call = dynamic_cast<const TermCommand*>(&command))
        return call->function && ContainsIgnoringCase(call->function->name, needle);
    if (!nested) return false;
    bool found = false;
    ForEachCall(command, [&](const TermCommand& call) {
        found = found || ContainsIgnoringCase(call.text, needle) ||
                (call.function && ContainsIgnoringCase(call.function->name, needle));
    });
    return found;
}

}  // namespace

std::vector<MissionPlace> FindInMission(const Scenario& scenario, std::string_view text) {
    std::vector<MissionPlace> found;
    if (text.empty()) return found;
    std::string needle = FoldCase(text);
    ForEachTreeCommand(scenario, [&](const TreePath& path, int trigger, const Command& command) {
        bool isTrigger = command.kind == kBlockCommand;
        // Only a nested IF block stands five levels deep.
        bool nested = path[4] >= 0 && command.kind == kIfBlockCommand;
        bool match = isTrigger ? ContainsIgnoringCase(command.text, needle) : Matches(command, needle, nested);
        if (match) found.push_back(MissionPlace{path, PlaceText(scenario, trigger, command)});
    });
    return found;
}

void MissionFind::Search(const Scenario& scenario, std::string_view text) {
    text_ = text;
    matches_ = FindInMission(scenario, text);
    triggers_.clear();
    for (const MissionPlace& match : matches_)
        if (triggers_.empty() || triggers_.back() != match.path[0]) triggers_.push_back(match.path[0]);
}

std::vector<int> MissionFind::Shown(int selectedTrigger) const {
    std::vector<int> shown = triggers_;
    auto at = std::lower_bound(shown.begin(), shown.end(), selectedTrigger);
    if (selectedTrigger >= 0 && (at == shown.end() || *at != selectedTrigger)) shown.insert(at, selectedTrigger);
    return shown;
}

void MissionFind::Clear() {
    text_.clear();
    matches_.clear();
    triggers_.clear();
}

// Paths compare level by level; -1 (the path ends) comes before every
// child, so the tree's order is the paths' order.
std::optional<TreePath> MissionFind::Next(const TreePath& from) const {
    if (matches_.empty()) return std::nullopt;
    auto after = std::upper_bound(matches_.begin(), matches_.end(), from,
                                  [](const TreePath& path, const MissionPlace& match) { return path < match.path; });
    return after == matches_.end() ? matches_.front().path : after->path;
}

std::optional<TreePath> MissionFind::Previous(const TreePath& from) const {
    if (matches_.empty()) return std::nullopt;
    auto at = std::lower_bound(matches_.begin(), matches_.end(), from,
                               [](const MissionPlace& match, const TreePath& path) { return match.path < path; });
    return at == matches_.begin() ? matches_.back().path : std::prev(at)->path;
}

}  // namespace sced
