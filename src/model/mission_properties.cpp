#include "model/mission_properties.h"

#include <algorithm>

#include "core/warning.h"

namespace sced {

std::string OneLineTitle(std::string_view title) {
    std::string line;
    bool joined = false;
    while (!title.empty()) {
        std::size_t end = std::min(title.find_first_of("\r\n"), title.size());
        std::string_view part = title.substr(0, end);
        if (!part.empty()) line += std::string(line.empty() ? "" : " ") + std::string(part);
        if (end == title.size()) break;
        joined = true;
        title.remove_prefix(end + (title.substr(end, 2) == "\r\n" ? 2 : 1));
    }
    Warn(!joined, "The title is one line: its lines are joined with a space.");
    if (line.size() > kTitleLength) {
        line.resize(kTitleLength);
        Warn(false, "The title is cut to its first " + std::to_string(kTitleLength) + " characters.");
    }
    return line;
}

}  // namespace sced
