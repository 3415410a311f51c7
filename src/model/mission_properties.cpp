#include "model/mission_properties.h"

#include "core/string_table.h"
#include "core/warning.h"
#include "model/scenario.h"

namespace sced {

void ExchangeArea::Put(std::size_t offset, std::size_t limit, std::string_view text) {
    std::size_t length = std::min({text.size(), limit, text.find('\0')});
    std::copy_n(text.data(), length, bytes_.data() + offset);
    bytes_[offset + length] = '\0';
}

std::string ExchangeArea::Get(std::size_t offset, std::size_t limit) const {
    std::string_view area(bytes_.data() + offset, limit);
    return std::string(area.substr(0, area.find('\0')));
}

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
    if (line.size() > ExchangeArea::kTitleLength) {
        line.resize(ExchangeArea::kTitleLength);
        Warn(false, "The title is cut to its first " + std::to_string(ExchangeArea::kTitleLength) + " characters.");
    }
    return line;
}

bool EditProperties(Scenario& scenario, ExchangeArea& exchange, const PropertiesDialog& dialog) {
    exchange.SetTitle(scenario.title);
    exchange.SetDescription(scenario.description);
    const std::string shownTitle = exchange.Title();
    const std::string shownDescription = exchange.Description();
    if (!dialog(exchange, Lookup("txtMissProp"))) return false;

    std::string newTitle = exchange.Title();
    std::string newDescription = exchange.Description();
    if (newDescription != shownDescription) scenario.description = newDescription;
    if (newTitle != shownTitle) scenario.title = OneLineTitle(newTitle);
    if (scenario.title.find_first_not_of(' ') == std::string::npos) scenario.title = Lookup("txtMissTitle");
    return true;
}

}  // namespace sced
