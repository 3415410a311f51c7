#pragma once

#include <string>

#include "core/tree_node.h"

namespace sced::test {

// A tree as indented lines, two spaces a level.
inline std::string Outline(const Tree& tree, int depth = 0) {
    std::string out;
    for (const TreeNode& node : tree) {
        out += std::string(static_cast<std::size_t>(depth * 2), ' ') + node.text + "\n";
        out += Outline(node.children, depth + 1);
    }
    return out;
}

}  // namespace sced::test
