#pragma once

#include <string>

#include "core/fixed_list.h"

namespace sced {

// A named list of item names: the things an object argument can name.
// An item's identifier is its index in items.
struct ObjectGroup {
    std::string name;
    StringList items;
    // The argument editor offers renamable groups in the select-and-rename dialog.
    bool renamable = false;
};

}  // namespace sced
