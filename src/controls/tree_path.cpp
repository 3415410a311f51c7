#include "controls/tree_path.h"

#include <algorithm>

namespace sced {

int PathDepth(const TreePath& path) {
    int depth = 0;
    while (depth < kTreePathLevels && path[static_cast<std::size_t>(depth)] >= 0) ++depth;
    return depth;
}

TreePath PathPrefix(const TreePath& path, int levels) {
    TreePath prefix = kNoTreePath;
    std::copy_n(path.begin(), std::clamp(levels, 0, kTreePathLevels), prefix.begin());
    return prefix;
}

TreePath ResolvePath(const Tree& tree, const TreePath& path) {
    if (path[0] < 0 || static_cast<std::size_t>(path[0]) >= tree.size()) return kNoTreePath;
    TreePath resolved = kNoTreePath;
    resolved[0] = path[0];
    const TreeNode* node = &tree[static_cast<std::size_t>(path[0])];
    for (int level = 1; level < kTreePathLevels; ++level) {
        std::int32_t position = path[static_cast<std::size_t>(level)];
        if (position < 0 || static_cast<std::size_t>(position) >= node->children.size()) break;
        resolved[static_cast<std::size_t>(level)] = position;
        node = &node->children[static_cast<std::size_t>(position)];
    }
    return resolved;
}

namespace {

// The list holding the item at the resolved path (Tree or const Tree).
template <typename TreeType>
TreeType* ListOf(TreeType& tree, const TreePath& path) {
    int depth = PathDepth(path);
    if (depth == 0) return nullptr;
    TreeType* list = &tree;
    for (int level = 0; level + 1 < depth; ++level)
        list = &(*list)[static_cast<std::size_t>(path[static_cast<std::size_t>(level)])].children;
    return list;
}

}  // namespace

const Tree* SiblingsOf(const Tree& tree, const TreePath& path) { return ListOf(tree, path); }

const TreeNode* NodeAt(const Tree& tree, const TreePath& path) {
    const Tree* list = SiblingsOf(tree, path);
    if (!list) return nullptr;
    return &(*list)[static_cast<std::size_t>(path[static_cast<std::size_t>(PathDepth(path) - 1)])];
}

TreePath ApplyTreeCommand(Tree& tree, const TreePath& selected, int command, const TreePath& remembered,
                          const std::string& text) {
    TreePath path = ResolvePath(tree, selected);
    if (command == kSelectRemembered) return ResolvePath(tree, remembered);
    Tree* list = ListOf(tree, path);
    if (!list) {
        if (command != kInsertItem) return path;
        tree.insert(tree.begin(), TreeNode{text, {}});
        return ResolvePath(tree, TreePath{0, -1, -1, -1, -1, -1, -1, -1});
    }
    int depth = PathDepth(path);
    auto& position = path[static_cast<std::size_t>(depth - 1)];
    int last = static_cast<int>(list->size()) - 1;
    switch (command) {
        case kDeleteItem:
            list->erase(list->begin() + position);
            if (position > 0)
                --position;
            else if (list->empty())
                path = PathPrefix(path, depth - 1);
            return path;
        case kPreviousSibling:
        case kPreviousAfterDelete:
            if (position > 0) --position;
            return path;
        case kNextSibling:
            if (position < last) ++position;
            return path;
        case kInsertItem:
            list->insert(list->begin() + position, TreeNode{text, {}});
            return path;
        case kParent:
            return depth > 1 ? PathPrefix(path, depth - 1) : path;
        case kLastChild: {
            const TreeNode& node = (*list)[static_cast<std::size_t>(position)];
            if (!node.children.empty() && depth < kTreePathLevels) {
                path[static_cast<std::size_t>(depth)] = static_cast<std::int32_t>(node.children.size()) - 1;
                return path;
            }
            position = last;
            return path;
        }
        default:
            return path;
    }
}

}  // namespace sced
