#include "model/mission_properties.h"

#include "core/string_table.h"
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

bool EditProperties(Scenario& scenario, ExchangeArea& exchange, const PropertiesDialog& dialog) {
    exchange.SetTitle(scenario.title);
    exchange.SetDescription(scenario.description);
    const std::string shownTitle = exchange.Title();
    const std::string shownDescription = exchange.Description();
    if (!dialog(exchange, Lookup("txtMissProp"))) return false;

    std::string newTitle = exchange.Title();
    std::string newDescription = exchange.Description();
    if (newDescription != shownDescription) scenario.description = newDescription;
    if (newTitle != shownTitle) scenario.title = newTitle;
    if (scenario.title.find_first_not_of(' ') == std::string::npos) scenario.title = Lookup("txtMissTitle");
    return true;
}

}  // namespace sced
