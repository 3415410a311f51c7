#include "editing/mission_search.h"

#include <algorithm>

#include "core/code_page.h"
#include "declarations/function_template.h"
#include "editing/change_trail.h"
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

// The matches among the nodes of the trigger at that position.
std::vector<MissionPlace> FindInTrigger(const Scenario& scenario, int t, std::string_view needle) {
    std::vector<MissionPlace> found;
    ForEachTreeCommandOf(scenario, t, [&](const TreePath& path, int trigger, const Command& command) {
        bool isTrigger = command.kind == kBlockCommand;
        // Only a nested IF block stands five levels deep.
        bool nested = path[4] >= 0 && command.kind == kIfBlockCommand;
        bool match = isTrigger ? ContainsIgnoringCase(command.text, needle) : Matches(command, needle, nested);
        if (match) found.push_back(MissionPlace{path, PlaceText(scenario, trigger, command)});
    });
    return found;
}

}  // namespace

std::vector<MissionPlace> FindInMission(const Scenario& scenario, std::string_view text) {
    std::vector<MissionPlace> found;
    if (text.empty()) return found;
    std::string needle = FoldCase(text);
    for (int t = 0; t < scenario.triggers.count(); ++t) {
        std::vector<MissionPlace> inTrigger = FindInTrigger(scenario, t, needle);
        found.insert(found.end(), std::make_move_iterator(inTrigger.begin()), std::make_move_iterator(inTrigger.end()));
    }
    return found;
}

void MissionFind::Search(const Scenario& scenario, std::string_view text, const ChangeTrail& trail) {
    text_ = text;
    needle_ = FoldCase(text);
    byTrigger_.clear();
    seen_ = trail.count();
    Gather(scenario);
}

void MissionFind::Follow(const Scenario& scenario, const ChangeTrail& trail) {
    std::optional<std::vector<const Command*>> touched = trail.Since(seen_);
    seen_ = trail.count();
    if (!touched) byTrigger_.clear();
    else
        for (const Command* trigger : *touched) byTrigger_.erase(trigger);
    Gather(scenario);
}

void MissionFind::Gather(const Scenario& scenario) {
    matches_.clear();
    triggers_.clear();
    if (text_.empty()) {
        byTrigger_.clear();
        return;
    }
    // A trigger's matches move with it; those of a trigger taken out go.
    ++gatherings_;
    for (int t = 0; t < scenario.triggers.count(); ++t) {
        auto [known, added] = byTrigger_.try_emplace(&scenario.triggers.At(t));
        OfTrigger& trigger = known->second;
        if (added) trigger.matches = FindInTrigger(scenario, t, needle_);
        trigger.gathered = gatherings_;
        if (trigger.matches.empty()) continue;
        triggers_.push_back(t);
        for (MissionPlace& match : trigger.matches) {
            match.path[0] = t;
            matches_.push_back(match);
        }
    }
    if (byTrigger_.size() > static_cast<std::size_t>(scenario.triggers.count()))
        std::erase_if(byTrigger_, [&](const auto& known) { return known.second.gathered != gatherings_; });
}

std::vector<int> MissionFind::Shown(int selectedTrigger) const {
    std::vector<int> shown = triggers_;
    auto at = std::lower_bound(shown.begin(), shown.end(), selectedTrigger);
    if (selectedTrigger >= 0 && (at == shown.end() || *at != selectedTrigger)) shown.insert(at, selectedTrigger);
    return shown;
}

void MissionFind::Clear() {
    text_.clear();
    needle_.clear();
    byTrigger_.clear();
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
