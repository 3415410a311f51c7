#include "editing/name_rules.h"

#include <algorithm>
#include <string>

#include "core/text_reader.h"

namespace sced {

std::string WhyNoFileCanCarry(std::string_view name) {
    if (std::any_of(name.begin(), name.end(), [](char c) { return (c >= 0 && c < ' ') || c == 0x7F; }))
        return "A name cannot hold a line break or another control character.";
    if (name.starts_with('#')) return "A name cannot begin with #.";
    return {};
}

std::string WhyPageCannotCarry(std::string_view text) {
    // The pages file carries a page of at most 511 bytes.
    if (text.size() > 511) return "A page holds at most 511 bytes; this one has " + std::to_string(text.size()) + ".";
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = std::min(text.find('\n', start), text.size());
        if (text.substr(start, end - start).starts_with('#')) return "A line of a page cannot begin with #.";
        start = end + 1;
    }
    return {};
}

std::string WhyPageCannotName(std::string_view pictureFile) {
    if (pictureFile.find_first_of(" \t\r\n") == std::string_view::npos) return {};
    return "The name of the picture file " + std::string(pictureFile) +
           " has a blank, which the mission's pages file cannot carry; rename the file to use it.";
}

std::string WhyScriptCannotCarry(std::string_view name) {
    if (std::string why = WhyNoFileCanCarry(name); !why.empty()) return why;
    std::string probe = std::string(name) + " )";
    std::string read;
    ReadArgText(probe, read);
    char first = name.empty() ? ' ' : name.front();
    bool readsAsValue = std::string_view(" \t%\"'=<>!-0123456789").find(first) != std::string_view::npos;
    if (read != name || readsAsValue)
        return "The mission script cannot carry the name " + std::string(name) +
               ": it may not hold a comma or an unmatched bracket, nor begin with a blank, a digit, a quote or an "
               "operator.";
    return {};
}

std::string StoredDynGroupName(std::string_view typed) {
    std::string stored(typed);
    std::replace(stored.begin(), stored.end(), ' ', '_');
    return stored + "_Dyn";
}

}  // namespace sced
