#include "controls/item_markup.h"

namespace sced {

ListItemMarkup ParseListItem(std::string_view item) {
    ListItemMarkup markup;
    while (item.size() >= 2 && item[0] == '&') {
        char code = item[1];
        if (code == 'l') {
            markup.line = true;
        } else if (code < '0' || code > '9') {
            item.remove_prefix(1);
            break;
        }
        item.remove_prefix(2);
    }
    markup.text = item;
    return markup;
}

TreeItemMarkup ParseTreeItem(std::string_view item) {
    TreeItemMarkup markup;
    while (item.size() >= 2 && item[0] == '&') {
        switch (item[1]) {
            case 'b': markup.bold = true; break;
            case 'c': markup.colour = TreeItemColour::Warning; break;
            case 'w': markup.colour = TreeItemColour::White; break;
            case 'y': markup.colour = TreeItemColour::Normal; break;
            default: break;
        }
        item.remove_prefix(2);
    }
    markup.text = item;
    return markup;
}

}  // namespace sced
