#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editing/selection.h"

namespace sced {

class Command;
class Scenario;

// The command (or trigger) that Copy took, with what its arguments name,
// so that it can be pasted into this mission or into another one opened
// since: zones, map groups and triggers are bound again by name (a lost
// zone or group by the name it kept), dynamic groups by their place among
// the dynamic groups; the other groups are numbered alike in every mission.
class Clipboard {
public:
    Clipboard();
    ~Clipboard();

    void Take(const Command& command, ListKind kind, const Scenario& scenario);
    bool empty() const { return command_ == nullptr; }
    ListKind kind() const { return kind_; }
    const Command* command() const { return command_.get(); }

    // A copy bound to the scenario as it is now; nothing, with the names
    // that it lacks in missing, when a name is not there. A trigger that
    // will stand at newTrigger names the triggers from there on one place
    // further.
    std::unique_ptr<Command> CopyFor(const Scenario& scenario, std::vector<std::string>& missing,
                                     int newTrigger = -1) const;

private:
    struct Reference {
        // kOwnTrigger: a copied trigger names itself, and the pasted one names the paste.
        enum What { kZone, kMapGroup, kDynamicGroup, kTrigger, kOwnTrigger } what = kZone;
        std::string name;
        int offset = 0;  // a dynamic group's place among the dynamic groups
    };

    std::unique_ptr<Command> command_;
    ListKind kind_ = ListKind::kNone;
    std::vector<Reference> references_;  // in the order of the calls and their arguments
};

}  // namespace sced
