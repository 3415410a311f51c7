#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace sced {

// Receives the text of every warning: the editor shows its "ScenarioEditor"
// box, sced-cli prints it, tests record it.
using WarningSink = std::function<void(const std::string& text)>;

// Installs the sink and returns the one it replaces. An empty sink drops
// warnings.
WarningSink SetWarningSink(WarningSink sink);

// Shows the text through the sink when the condition is false; returns the
// condition so that the caller can decide whether to go on. Never raises.
bool Warn(bool condition, std::string_view text);

}  // namespace sced
