#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "model/scenario.h"

namespace sced::test {

// A scenario started on the demo game folder, with three zones and three
// map groups as if a map had been read.
class DemoScenario {
public:
    DemoScenario();

    Scenario& operator*() { return *scenario_; }
    Scenario* operator->() { return scenario_.get(); }

    // The first declared function with the name (and form, when given).
    const Template& Function(std::string_view name, int form = -1) const;
    // A call of it with the values set as the argument editor sets them, and
    // its text built.
    std::unique_ptr<TermCommand> Call(std::string_view name, const std::vector<std::int32_t>& values,
                                      int form = -1);
    // A trigger with the label, conditions and actions given.
    std::unique_ptr<CommandBlock> Trigger(std::string_view label,
                                          std::vector<std::unique_ptr<Command>> conditions,
                                          std::vector<std::unique_ptr<Command>> actions);

private:
    std::unique_ptr<Scenario> scenario_;
};

}  // namespace sced::test
