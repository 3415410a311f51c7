#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>

#include "core/tree_node.h"

namespace sced {

// A selection in a tree: the position of the item at each level, counted
// from 0; -1 where the path ends. A first entry of -1 selects nothing.
inline constexpr int kTreePathLevels = 8;
using TreePath = std::array<std::int32_t, kTreePathLevels>;
inline constexpr TreePath kNoTreePath = {-1, -1, -1, -1, -1, -1, -1, -1};

// The path of the positions given, level by level (at most eight).
constexpr TreePath PathTo(std::initializer_list<int> positions) {
    TreePath path = kNoTreePath;
    std::size_t level = 0;
    for (int position : positions)
        if (level < path.size()) path[level++] = position;
    return path;
}

// The number of levels the path names (the entries before its first -1).
int PathDepth(const TreePath& path);
// The path cut to the given number of levels.
TreePath PathPrefix(const TreePath& path, int levels);

// The path of the item the path selects: from the top-level item at level
// 0, each further level goes to that child while the item has children and
// the level is not -1; a position past the last sibling stops the walk.
// kNoTreePath when the path selects nothing.
TreePath ResolvePath(const Tree& tree, const TreePath& path);
// The item at a resolved path; null when it selects nothing.
const TreeNode* NodeAt(const Tree& tree, const TreePath& path);
// The list the item at the resolved path stands in: the tree itself for a
// top-level item. Null when the path selects nothing.
const Tree* SiblingsOf(const Tree& tree, const TreePath& path);

// The tree commands that a tree control carries out on its selection:
// what each makes of the selected (resolved) path. The tree itself changes
// only for kDeleteItem and kInsertItem.
enum TreeCommand : int {
    kDeleteItem = 1,        // delete the item, select its previous sibling (else its next, else its parent)
    kPreviousSibling = 2,   // select the previous sibling, if any
    kNextSibling = 3,       // select the next sibling, if any
    kInsertItem = 4,        // a new item with the text at the item's place, selected
    kSelectRemembered = 6,  // select the remembered path
    kPreviousAfterDelete = 7,
    kParent = 8,            // select the parent, if any
    kExpand = 9,            // expand the item (the selection stays)
    kLastChild = 10,        // the last child, or else the last of the siblings
};
TreePath ApplyTreeCommand(Tree& tree, const TreePath& selected, int command, const TreePath& remembered,
                          const std::string& text = {});

}  // namespace sced
