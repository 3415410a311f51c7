#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace sced {

class Command;

// Which triggers the mission's changes touched, so that what was found in
// the mission (matches, problems) is renewed for those triggers only.
// Triggers are known by identity: a trigger keeps its object wherever it
// moves, and one put in is touched.
class ChangeTrail {
public:
    // A change of these triggers only.
    void Touched(std::vector<const Command*> triggers);
    // A change that may reach every trigger (opening, a rename shown
    // everywhere, the map read again).
    void Everything();
    // Counts the changes.
    std::uint64_t count() const { return count_; }
    // The triggers touched by the changes after the count; nothing when a
    // change among them may reach every trigger, or is too far back.
    std::optional<std::vector<const Command*>> Since(std::uint64_t count) const;

private:
    struct Change {
        std::uint64_t count;
        std::vector<const Command*> triggers;
    };
    std::vector<Change> recent_;  // the last few, oldest first
    std::uint64_t count_ = 0;
    std::uint64_t knownFrom_ = 0;  // changes after this are in recent_
};

}  // namespace sced
