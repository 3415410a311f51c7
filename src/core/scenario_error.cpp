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

void CheckRange(long long value, long long low, long long high, std::string_view text) {
    if (value >= low && value < high) return;
    Fail(std::string(text) + " Value " + std::to_string(value) + " is not in bounds [" +
         std::to_string(low) + ", " + std::to_string(high) + ").");
}

}  // namespace sced
