#include "editing/clipboard.h"

#include <algorithm>
#include <cstdint>

#include "declarations/function_template.h"
#include "editing/trigger_references.h"
#include "model/command_tree.h"
#include "model/scenario.h"

namespace sced {

namespace {

// The group whose items the argument names by name, or "".
std::string NamedGroupOf(const TermCommand& call, int i) {
    auto slot = static_cast<std::size_t>(i);
    if (!call.function || i >= call.function->argCount || call.function->argKind[slot] != KindGroup) return {};
    const std::string& group = call.function->argGroup[slot];
    return group == "zones" || group == "groups" || group == "blocks" ? group : std::string();
}

constexpr int kSeveralTriggers = -2;

// The one trigger with that label: -1 when none bears it, kSeveralTriggers
// when more than one does.
int TriggerLabelled(const Scenario& scenario, const std::string& label) {
    int found = -1;
    for (int t = 0; t < scenario.triggers.count(); ++t) {
        if (scenario.triggers.At(t).text != label) continue;
        if (found >= 0) return kSeveralTriggers;
        found = t;
    }
    return found;
}

}  // namespace

Clipboard::Clipboard() = default;
Clipboard::~Clipboard() = default;

void Clipboard::Take(const Command& command, ListKind kind, const Scenario& scenario) {
    command_ = command.Clone();
    kind_ = kind;
    references_.clear();
    const StringList& zones = scenario.objectGroups.GetGroup("zones");
    const StringList& mapGroups = scenario.objectGroups.GetGroup("groups");
    const int triggers = scenario.triggers.count();
    ForEachCall(*command_, [&](const TermCommand& call) {
        for (int i = 0; i < call.argCount; ++i) {
            std::string group = NamedGroupOf(call, i);
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
                    if (&target == &command) reference.what = Reference::kOwnTrigger;
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

std::unique_ptr<Command> Clipboard::CopyFor(const Scenario& scenario, PasteProblems& problems, int newTrigger) const {
    problems = {};
    if (!command_) return nullptr;
    std::unique_ptr<Command> copy = command_->Clone();
    const StringList& zones = scenario.objectGroups.GetGroup("zones");
    const StringList& mapGroups = scenario.objectGroups.GetGroup("groups");
    const StringList& dynGroups = scenario.objectGroups.GetGroup("dyngroups");
    // The trigger list's length once a pasted trigger stands in it.
    const std::int64_t triggers = scenario.triggers.count() + (newTrigger >= 0 ? 1 : 0);
    std::size_t next = 0;
    ForEachCall(*copy, [&](TermCommand& call) {
        for (int i = 0; i < call.argCount; ++i) {
            if (NamedGroupOf(call, i).empty() || next >= references_.size()) continue;
            const Reference& reference = references_[next++];
            std::int64_t value = -1;
            switch (reference.what) {
                case Reference::kZone: value = zones.IndexOf(reference.name); break;
                case Reference::kMapGroup: value = mapGroups.IndexOf(reference.name); break;
                case Reference::kTrigger:
                    value = TriggerLabelled(scenario, reference.name);
                    if (value == kSeveralTriggers) {
                        problems.ambiguous.push_back(reference.name);
                        continue;
                    }
                    if (newTrigger >= 0 && value >= newTrigger) ++value;
                    break;
                case Reference::kOwnTrigger:
                    value = newTrigger >= 0 ? newTrigger : TriggerLabelled(scenario, reference.name);
                    break;
                case Reference::kNoTrigger:
                    value = reference.offset < 0 ? reference.offset
                                                 : std::min<std::int64_t>(triggers + reference.offset, INT32_MAX);
                    call.args[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(value);
                    continue;
                case Reference::kDynamicGroup:
                    value = dynGroups.Contains(static_cast<int>(reference.offset)) ? mapGroups.count() + reference.offset
                                                                                    : -1;
                    break;
            }
            if (value < 0 || (reference.what != Reference::kDynamicGroup && reference.name.empty())) {
                problems.missing.push_back(reference.name);
                continue;
            }
            call.SetArg(scenario, i, static_cast<std::int32_t>(value));
        }
    });
    if (!problems.empty()) return nullptr;
    return copy;
}

}  // namespace sced
