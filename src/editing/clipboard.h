#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editing/selection.h"

namespace sced {

class Command;
class Scenario;

// Why a paste cannot be done: the names the mission lacks, and the trigger
// labels that more than one of its triggers bears.
struct PasteProblems {
    std::vector<std::string> missing;
    std::vector<std::string> ambiguous;
    bool empty() const { return missing.empty() && ambiguous.empty(); }
};

// The commands (or triggers) that Copy took, in list order, with what
// their arguments name, so that they can be pasted into this mission or into
// another one opened since: zones and map groups are bound again by name (a
// lost one by the name it kept), triggers among the copied ones by their
// place among them when pasted as triggers, other triggers by a label that
// only one trigger bears, dynamic groups by their place among the dynamic
// groups; the other groups are numbered alike in every mission.
class Clipboard {
public:
    Clipboard();
    ~Clipboard();

    void Take(const std::vector<const Command*>& commands, ListKind kind, const Scenario& scenario);
    bool empty() const { return commands_.empty(); }
    ListKind kind() const { return kind_; }
    const std::vector<std::unique_ptr<Command>>& commands() const { return commands_; }

    // Copies bound to the scenario as it is now; nothing, with the reasons
    // in problems, when a name is not there or a label is not unique.
    // Triggers that will stand from newTrigger on name the triggers from
    // there on as many places further.
    std::vector<std::unique_ptr<Command>> CopyFor(const Scenario& scenario, PasteProblems& problems,
                                                  int newTrigger = -1) const;

private:
    struct Reference {
        // kCopiedTrigger: a copied trigger names one of the copied triggers
        // (offset: which), and the pasted one names the pasted one.
        // kNoTrigger: a damaged reference outside the trigger list, which
        // stays outside it.
        enum What { kZone, kMapGroup, kDynamicGroup, kTrigger, kCopiedTrigger, kNoTrigger } what = kZone;
        std::string name;
        // A dynamic group's place among the dynamic groups; for kNoTrigger,
        // how far past the list's end the reference lay (or the negative
        // value); for kCopiedTrigger, the place among the copied triggers.
        std::int64_t offset = 0;
    };

    std::vector<std::unique_ptr<Command>> commands_;
    ListKind kind_ = ListKind::kNone;
    std::vector<Reference> references_;  // in the order of the commands, their calls and arguments
};

}  // namespace sced
