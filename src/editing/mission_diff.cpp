#include "editing/mission_diff.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "editing/line_diff.h"
#include "editing/where_used.h"
#include "files/script_writer.h"
#include "model/scenario.h"
#include "model/written_names.h"

namespace sced {

namespace {

// The groups whose items the script names by number.
constexpr std::string_view kNumberedGroups[] = {"objectives", "switches", "timers", "players", "dyngroups"};

std::string Quoted(const std::string& text) { return '"' + text + '"'; }

void CompareNames(const MissionText& before, const MissionText& after, std::vector<std::string>& lines) {
    for (std::size_t g = 0; g < std::size(kNumberedGroups); ++g) {
        static const std::vector<std::string> kNone;
        const auto& a = g < before.names.size() ? before.names[g] : kNone;
        const auto& b = g < after.names.size() ? after.names[g] : kNone;
        const std::string kind(ThingKind(kNumberedGroups[g]));
        for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
            if (i >= a.size())
                lines.push_back("added " + kind + " " + Quoted(b[i]));
            else if (i >= b.size())
                lines.push_back("removed " + kind + " " + Quoted(a[i]));
            else if (a[i] != b[i])
                lines.push_back("renamed " + kind + " " + Quoted(a[i]) + " -> " + Quoted(b[i]));
        }
    }
}

// For each trigger of the second mission, the trigger of the first with
// its label, -1 for none: first those that the shortest edit of the label
// sequence keeps, then the rest in their order among equal labels.
std::vector<int> MatchByLabel(const MissionText& before, const MissionText& after) {
    std::unordered_map<std::string_view, int> numbers;
    auto numbered = [&](const std::vector<std::string>& labels) {
        std::vector<int> out;
        out.reserve(labels.size());
        for (const std::string& label : labels)
            out.push_back(numbers.try_emplace(label, static_cast<int>(numbers.size())).first->second);
        return out;
    };
    const std::vector<int> a = numbered(before.labels);
    const std::vector<int> b = numbered(after.labels);
    std::vector<int> match(b.size(), -1);
    std::vector<bool> taken(a.size(), false);
    for (auto [i, j] : KeptItems(a, b)) {
        match[static_cast<std::size_t>(j)] = i;
        taken[static_cast<std::size_t>(i)] = true;
    }
    std::vector<std::vector<int>> free(numbers.size());
    for (int i = static_cast<int>(a.size()) - 1; i >= 0; --i)
        if (!taken[static_cast<std::size_t>(i)]) free[static_cast<std::size_t>(a[static_cast<std::size_t>(i)])].push_back(i);
    for (std::size_t j = 0; j < b.size(); ++j) {
        std::vector<int>& left = free[static_cast<std::size_t>(b[j])];
        if (match[j] >= 0 || left.empty()) continue;
        match[j] = left.back();
        left.pop_back();
    }
    return match;
}

// Which matched triggers keep their order: the longest run of them whose
// places in the first mission increase with those in the second.
std::vector<bool> InPlace(const std::vector<int>& match) {
    // tails[l]: the index into match ending the best run of length l + 1.
    std::vector<int> tails;
    std::vector<int> previous(match.size(), -1);
    for (int j = 0; j < static_cast<int>(match.size()); ++j) {
        int i = match[static_cast<std::size_t>(j)];
        if (i < 0) continue;
        auto longer = std::lower_bound(tails.begin(), tails.end(), i,
                                       [&](int tail, int value) { return match[static_cast<std::size_t>(tail)] < value; });
        if (longer != tails.begin()) previous[static_cast<std::size_t>(j)] = *(longer - 1);
        if (longer == tails.end())
            tails.push_back(j);
        else
            *longer = j;
    }
    std::vector<bool> kept(match.size(), false);
    for (int j = tails.empty() ? -1 : tails.back(); j >= 0; j = previous[static_cast<std::size_t>(j)])
        kept[static_cast<std::size_t>(j)] = true;
    return kept;
}

}  // namespace

MissionText TextForComparison(Scenario& scenario, std::string name) {
    MissionText text;
    text.name = std::move(name);
    text.title = scenario.title;
    text.description = scenario.description;
    for (std::string_view group : kNumberedGroups) {
        std::vector<std::string>& items = text.names.emplace_back();
        if (scenario.objectGroups.FindGroup(std::string(group)) < 0) continue;
        const int count = scenario.objectGroups.GetGroup(group).count();
        for (int i = 0; i < count; ++i) items.push_back(WrittenName(scenario, group, i));
    }
    const int triggers = scenario.triggers.count();
    text.labels.reserve(static_cast<std::size_t>(triggers));
    text.scripts.reserve(static_cast<std::size_t>(triggers));
    for (int t = 0; t < triggers; ++t) {
        text.labels.push_back(scenario.triggers.At(t).text);
        text.scripts.push_back(TriggerScriptByName(scenario, t));
    }
    return text;
}

MissionDifference CompareMissions(const MissionText& before, const MissionText& after) {
    MissionDifference difference;
    std::vector<std::string>& mission = difference.mission;
    if (before.title != after.title) mission.push_back("title " + Quoted(before.title) + " -> " + Quoted(after.title));
    if (before.description != after.description) {
        mission.push_back("description");
        for (std::string& line : UnifiedDiff(SplitLines(before.description), SplitLines(after.description)))
            mission.push_back(std::move(line));
    }
    CompareNames(before, after, mission);

    const std::vector<int> match = MatchByLabel(before, after);
    const std::vector<bool> kept = InPlace(match);
    std::vector<bool> matched(before.labels.size(), false);
    for (int i : match)
        if (i >= 0) matched[static_cast<std::size_t>(i)] = true;
    std::vector<TriggerChange>& changes = difference.triggers;
    using Kind = TriggerChange::Kind;
    auto changed = [&](int i, int j) {
        const std::string& a = before.scripts[static_cast<std::size_t>(i)];
        const std::string& b = after.scripts[static_cast<std::size_t>(j)];
        if (a == b) return;
        changes.push_back({Kind::kChanged, after.labels[static_cast<std::size_t>(j)], i, j,
                           UnifiedDiff(SplitLines(a), SplitLines(b))});
    };
    // A trigger that is gone is told where it stood: before the next one
    // that stayed in place.
    int gone = 0;
    auto removedUpTo = [&](int end) {
        for (; gone < end; ++gone)
            if (!matched[static_cast<std::size_t>(gone)])
                changes.push_back({Kind::kRemoved, before.labels[static_cast<std::size_t>(gone)], gone, -1, {}});
    };
    for (int j = 0; j < static_cast<int>(match.size()); ++j) {
        const int i = match[static_cast<std::size_t>(j)];
        const std::string& label = after.labels[static_cast<std::size_t>(j)];
        if (i < 0) {
            changes.push_back({Kind::kAdded, label, -1, j, {}});
            continue;
        }
        if (kept[static_cast<std::size_t>(j)]) {
            removedUpTo(i);
            gone = i + 1;
        } else {
            changes.push_back({Kind::kMoved, label, i, j, {}});
        }
        changed(i, j);
    }
    removedUpTo(static_cast<int>(before.labels.size()));
    return difference;
}

std::string ChangeHeading(const TriggerChange& change) {
    auto place = [](int position) { return std::to_string(position + 1); };
    const std::string label = Quoted(change.label);
    switch (change.kind) {
        case TriggerChange::Kind::kAdded: return "added " + place(change.after) + " " + label;
        case TriggerChange::Kind::kRemoved: return "removed " + place(change.before) + " " + label;
        case TriggerChange::Kind::kMoved:
            return "moved " + label + " " + place(change.before) + " -> " + place(change.after);
        case TriggerChange::Kind::kChanged: return "changed " + place(change.after) + " " + label;
    }
    return label;
}

std::vector<std::string> DifferenceLines(const MissionDifference& difference, const MissionText& before,
                                         const MissionText& after) {
    std::vector<std::string> lines;
    if (difference.empty()) return lines;
    lines.push_back("--- " + before.name);
    lines.push_back("+++ " + after.name);
    lines.insert(lines.end(), difference.mission.begin(), difference.mission.end());
    for (const TriggerChange& change : difference.triggers) {
        lines.push_back(ChangeHeading(change));
        lines.insert(lines.end(), change.lines.begin(), change.lines.end());
    }
    return lines;
}

}  // namespace sced
