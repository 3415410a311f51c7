#pragma once

#include <string>
#include <string_view>

namespace sced {

// A list item's text without its leading "&" codes: "&l" draws a line
// across the item after its text, "&" and a digit does nothing, and after
// "&" and any other character the text starts at that character.
struct ListItemMarkup {
    std::string text;
    bool line = false;
};
ListItemMarkup ParseListItem(std::string_view item);

// How a tree item's text is drawn, from its leading "&" codes: "&b" bold,
// "&c" the warning colour, "&w" white, "&y" the normal colour; any other
// pair is dropped.
enum class TreeItemColour { Normal, Warning, White };
struct TreeItemMarkup {
    std::string text;
    bool bold = false;
    TreeItemColour colour = TreeItemColour::Normal;
};
TreeItemMarkup ParseTreeItem(std::string_view item);

}  // namespace sced
