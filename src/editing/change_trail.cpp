#include "editing/change_trail.h"

namespace sced {

namespace {
// What a panel left unrenewed longer than this is found anew.
constexpr std::size_t kKept = 64;
}  // namespace

void ChangeTrail::Touched(std::vector<const Command*> triggers) {
    ++count_;
    if (recent_.size() == kKept) {
        knownFrom_ = recent_.front().count;
        recent_.erase(recent_.begin());
    }
    recent_.push_back({count_, std::move(triggers)});
}

void ChangeTrail::Everything() {
    ++count_;
    recent_.clear();
    knownFrom_ = count_;
}

std::optional<std::vector<const Command*>> ChangeTrail::Since(std::uint64_t count) const {
    if (count < knownFrom_ || count > count_) return std::nullopt;
    std::vector<const Command*> touched;
    for (const Change& change : recent_)
        if (change.count > count) touched.insert(touched.end(), change.triggers.begin(), change.triggers.end());
    return touched;
}

}  // namespace sced
