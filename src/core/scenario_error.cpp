#include "core/scenario_error.h"

namespace sced {

void Fail(std::string_view text) { throw ScenarioError(std::string(text)); }

void Check(bool condition, std::string_view text) {
    if (!condition) Fail(text);
}

void CheckJoined(bool condition, std::string_view text1, std::string_view text2) {
    if (!condition) Fail(std::string(text1) + std::string(text2));
}

void CheckExcerpt(bool condition, std::string_view text, std::string_view rest) {
    if (condition) return;
    std::string message(text);
    message += '"';
    message += rest.substr(0, 64);
    message += "...\"";
    Fail(message);
}

}  // namespace sced
