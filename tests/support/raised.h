#pragma once

#include <functional>
#include <string>

#include "core/scenario_error.h"

namespace sced::test {

// The text of the error the action raises, or "(nothing raised)".
inline std::string Raised(const std::function<void()>& action) {
    try {
        action();
    } catch (const ScenarioError& e) {
        return e.text();
    }
    return "(nothing raised)";
}

}  // namespace sced::test
