#pragma once

#include <string>
#include <vector>

namespace sced {

// One node of a tree handed to a tree control (the scenario tree, the
// function chooser, the unit and upgrade choosers).
struct TreeNode {
    std::string text;
    std::vector<TreeNode> children;

    bool operator==(const TreeNode&) const = default;
};

using Tree = std::vector<TreeNode>;

}  // namespace sced
