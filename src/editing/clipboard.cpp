#include "editing/clipboard.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

#include "declarations/function_template.h"
#include "editing/trigger_references.h"
#include "model/command_tree.h"
#include "model/scenario.h"

namespace sced {

namespace {

// The group whose items the argument names by name, or "".
std::string_view NamedGroupOf(const TermCommand& call, int i) {
    auto slot = static_cast<std::size_t>(i);
    if (!call.function || i >= call.function->argCount || call.function->argKind[slot] != KindGroup) return {};
    std::string_view group = call.function->argGroup[slot];
    return group == "zones" || group == "groups" || group == "blocks" ? group : std::string_view();
}

}  // namespace

Clipboard::Clipboard() = default;
Clipboard::~Clipboard() = default;

void Clipboard::Take(const std::vector<const Command*>& commands, ListKind kind, const Scenario& scenario) {
    commands_.clear();
    references_.clear();
    kind_ = kind;
    const StringList& zones = scenario.objectGroups.GetGroup("zones");
    const StringList& mapGroups = scenario.objectGroups.GetGroup("groups");
    const int triggers = scenario.triggers.count();
    std::unordered_map<const Command*, int> copied;
    if (kind == ListKind::kTriggers)
        for (std::size_t k = 0; k < commands.size(); ++k) copied.emplace(commands[k], static_cast<int>(k));
    commands_.reserve(commands.size());
    for (const Command* command : commands) {
        commands_.push_back(command->Clone());
        ForEachCall(*commands_.back(), [&](const TermCommand& call) {
            for (int i = 0; i < call.argCount; ++i) {
                std::string_view group = NamedGroupOf(call, i);
                if (group.empty()) continue;
                auto slot = static_cast<std::size_t>(i);
                std::int32_t value = call.args[slot];
                Reference reference;
                if (call.IsLost(i)) {
                    // Its place is stale: the name it kept is what it names.
                    reference.what = group == "zones" ? Reference::kZone : Reference::kMapGroup;
                    reference.name = call.argText[slot];
                } else if (group == "zones") {
                    reference.name = zones.Contains(value) ? zones[value] : std::string();
                } else if (group == "blocks") {
                    reference.what = Reference::kTrigger;
                    if (value >= 0 && value < triggers) {
                        const Command& target = scenario.triggers.At(value);
                        if (auto found = copied.find(&target); found != copied.end()) {
                            reference.what = Reference::kCopiedTrigger;
                            reference.offset = found->second;
                        }
                        reference.name = target.text;
                    } else {
                        reference.what = Reference::kNoTrigger;
                        reference.offset = value < 0 ? value : std::int64_t{value} - triggers;
                    }
                } else if (value < mapGroups.count()) {
                    reference.what = Reference::kMapGroup;
                    reference.name = mapGroups.Contains(value) ? mapGroups[value] : std::string();
                } else {
                    reference.what = Reference::kDynamicGroup;
                    reference.offset = value - mapGroups.count();
                }
                references_.push_back(std::move(reference));
            }
        });
    }
}

std::vector<std::unique_ptr<Command>> Clipboard::CopyFor(const Scenario& scenario, PasteProblems& problems,
                                                         int newTrigger) const {
    problems = {};
    std::vector<std::unique_ptr<Command>> copies;
    const StringList& zones = scenario.objectGroups.GetGroup("zones");
    const StringList& mapGroups = scenario.objectGroups.GetGroup("groups");
    const StringList& dynGroups = scenario.objectGroups.GetGroup("dyngroups");
    const auto pasted = static_cast<std::int64_t>(newTrigger >= 0 ? commands_.size() : 0);
    // The trigger list's length once the pasted triggers stand in it.
    const std::int64_t triggers = scenario.triggers.count() + pasted;
    const TriggerLabels labels(scenario);
    std::size_t next = 0;
    for (const auto& command : commands_) {
        copies.push_back(command->Clone());
        ForEachCall(*copies.back(), [&](TermCommand& call) {
            for (int i = 0; i < call.argCount; ++i) {
                if (NamedGroupOf(call, i).empty() || next >= references_.size()) continue;
                const Reference& reference = references_[next++];
                std::int64_t value = -1;
                switch (reference.what) {
                    case Reference::kZone: value = zones.IndexOf(reference.name); break;
                    case Reference::kMapGroup: value = mapGroups.IndexOf(reference.name); break;
                    case Reference::kCopiedTrigger:
                        if (newTrigger >= 0) {
                            value = newTrigger + reference.offset;
                            break;
                        }
                        [[fallthrough]];
                    case Reference::kTrigger:
                        value = labels.Find(reference.name);
                        if (value == TriggerLabels::kSeveral) {
                            problems.ambiguous.push_back(reference.name);
                            continue;
                        }
                        if (newTrigger >= 0 && value >= newTrigger) value += pasted;
                        break;
                    case Reference::kNoTrigger:
                        value = reference.offset < 0 ? reference.offset
                                                     : std::min<std::int64_t>(triggers + reference.offset, INT32_MAX);
                        call.args[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(value);
                        continue;
                    case Reference::kDynamicGroup:
                        value = dynGroups.Contains(static_cast<int>(reference.offset))
                                    ? mapGroups.count() + reference.offset
                                    : -1;
                        break;
                }
                bool byName = reference.what != Reference::kDynamicGroup &&
                              !(reference.what == Reference::kCopiedTrigger && newTrigger >= 0);
                if (value < 0 || (byName && reference.name.empty())) {
                    problems.missing.push_back(reference.name);
                    continue;
                }
                call.SetArg(scenario, i, static_cast<std::int32_t>(value));
            }
        });
    }
    if (!problems.empty()) copies.clear();
    return copies;
}

}  // namespace sced
