#pragma once

#include <vector>

#include "controls/tree_path.h"

namespace sced {

class CommandSeq;
class IfBlock;

// What the list holding the selection holds.
enum class ListKind : int {
    kConditions = 0,  // a trigger's or an IF block's conditions
    kActions = 2,     // a trigger's actions
    kNone = 4,
    kTriggers = 5,
    kThen = 6,
    kElse = 7,
};

// Where the selection of the scenario tree stands in the command tree: the
// list that holds it, as a pointer and as the path of its node in the tree,
// and the selected position in it (-1 when the list's node itself, not an
// element, is selected), with the other elements of the list selected
// beside it.
struct Selection {
    int trigger = -1;
    CommandSeq* list = nullptr;
    TreePath listPath = kNoTreePath;  // the trigger list's path selects nothing
    int index = -1;
    std::vector<int> indices;  // every selected position, ascending; index among them
    IfBlock* ifBlock = nullptr;  // the IF block whose part holds the selection
    ListKind kind = ListKind::kNone;
};

// The tree path of the element at the position of the list whose node is
// at listPath (a trigger when listPath selects nothing).
inline TreePath ElementPath(const TreePath& listPath, int position) {
    TreePath path = listPath;
    int depth = PathDepth(listPath);
    if (depth < kTreePathLevels) path[static_cast<std::size_t>(depth)] = position;
    return path;
}

}  // namespace sced
