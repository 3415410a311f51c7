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

// The command (or trigger) that Copy took, with what its arguments name,
// so that it can be pasted into this mission or into another one opened
// since: zones and map groups are bound again by name (a lost one by the
// name it kept), triggers by their place when the copied trigger names
// itself and else by a label that only one trigger bears, dynamic groups by
// their place among the dynamic groups; the other groups are numbered alike
// in every mission.
class Clipboard {
public:
    Clipboard();
    ~Clipboard();

    void Take(const Command& command, ListKind kind, const Scenario& scenario);
    bool empty() const { return command_ == nullptr; }
    ListKind kind() const { return kind_; }
    const Command* command() const { return command_.get(); }

    // A copy bound to the scenario as it is now; nothing, with the reasons
    // in problems, when a name is not there or a label is not unique. A
    // trigger that will stand at newTrigger names the triggers from there on
    // one place further.
    std::unique_ptr<Command> CopyFor(const Scenario& scenario, PasteProblems& problems, int newTrigger = -1) const;

private:
    struct Reference {
        // kOwnTrigger: a copied trigger names itself, and the pasted one
        // names the paste. kNoTrigger: a damaged reference outside the
        // trigger list, which stays outside it.
        enum What { kZone, kMapGroup, kDynamicGroup, kTrigger, kOwnTrigger, kNoTrigger } what = kZone;
        std::string name;
        // A dynamic group's place among the dynamic groups; for kNoTrigger,
        // how far past the list's end the reference lay (or the negative value).
        std::int64_t offset = 0;
    };

    std::unique_ptr<Command> command_;
    ListKind kind_ = ListKind::kNone;
    std::vector<Reference> references_;  // in the order of the calls and their arguments
};

}  // namespace sced
