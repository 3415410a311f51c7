#include <gtest/gtest.h>

#include "controls/control.h"
#include "controls/control_table.h"

namespace sced {
namespace {

constexpr auto P = PathTo;

// Two triggers: the first with two conditions and three actions, the
// second with an empty condition part.
Tree Sample() {
    auto leaf = [](const char* text) { return TreeNode{text, {}}; };
    return {TreeNode{"A", {TreeNode{"if", {leaf("c1"), leaf("c2")}}, TreeNode{"do", {leaf("a1"), leaf("a2"), leaf("a3")}}}},
            TreeNode{"B", {TreeNode{"if", {}}, TreeNode{"do", {leaf("b1")}}}}};
}

TEST(TreePath, AWalkStopsWhereTheTreeEnds) {
    const Tree tree = Sample();
    struct Case {
        TreePath path;
        TreePath resolved;
    };
    const Case cases[] = {
        {P({0, 1, 2}), P({0, 1, 2})},
        {P({0, 1, 7}), P({0, 1})},        // no eighth action
        {P({1, 0, 0}), P({1, 0})},        // an empty part
        {P({0, 0, 1, 5, 5}), P({0, 0, 1})},
        {P({2}), kNoTreePath},            // no third trigger
        {P({-1, 0}), kNoTreePath},
    };
    for (const Case& c : cases) EXPECT_EQ(ResolvePath(tree, c.path), c.resolved);
    EXPECT_EQ(NodeAt(tree, P({0, 1, 2}))->text, "a3");
    EXPECT_EQ(NodeAt(tree, kNoTreePath), nullptr);
}

TEST(TreePath, TreeCommandsMoveTheSelection) {
    struct Case {
        TreePath selected;
        int command;
        TreePath expected;
    };
    const TreePath remembered = P({1, 1, 0});
    const Case cases[] = {
        {P({0, 1, 1}), kPreviousSibling, P({0, 1, 0})},
        {P({0, 1, 0}), kPreviousSibling, P({0, 1, 0})},  // none before the first
        {P({0, 1, 1}), kNextSibling, P({0, 1, 2})},
        {P({0, 1, 2}), kNextSibling, P({0, 1, 2})},
        {P({0, 1, 2}), kParent, P({0, 1})},
        {P({0}), kParent, P({0})},
        {P({0, 1}), kLastChild, P({0, 1, 2})},
        {P({0, 1, 0}), kLastChild, P({0, 1, 2})},        // no children: the last sibling
        {P({0, 0}), kSelectRemembered, P({1, 1, 0})},
        {P({0, 1, 1}), kDeleteItem, P({0, 1, 0})},       // its predecessor
        {P({0, 1, 0}), kDeleteItem, P({0, 1, 0})},       // the one that took its place
        {P({1, 1, 0}), kDeleteItem, P({1, 1})},          // the only one: the parent
        {P({0, 1, 1}), kInsertItem, P({0, 1, 1})},
    };
    for (const Case& c : cases) {
        Tree tree = Sample();
        EXPECT_EQ(ApplyTreeCommand(tree, c.selected, c.command, remembered, "new"), c.expected)
            << "command " << c.command;
    }
    Tree tree = Sample();
    ApplyTreeCommand(tree, P({0, 1, 1}), kInsertItem, remembered, "new");
    EXPECT_EQ(NodeAt(tree, P({0, 1, 1}))->text, "new");
    EXPECT_EQ(tree[0].children[1].children.size(), 4u);
}

TEST(TreePath, ASpliceReplacesOnlyWhatChanged) {
    TreeCtrl control;
    control.SetTree(Sample());
    control.Select(P({1, 1, 0}));
    control.SpliceTree(TreeSplice{0, 1, {TreeNode{"A2", {}}, TreeNode{"A3", {}}}});
    ASSERT_EQ(control.tree().size(), 3u);
    EXPECT_EQ(control.tree()[2].text, "B");
    control.SpliceTree(TreeSplice{5, 9, {}});  // outside the tree: cut to it
    EXPECT_EQ(control.tree().size(), 3u);
    control.SpliceTree(TreeSplice{1, 5, {}});
    EXPECT_EQ(control.tree().size(), 1u);
    EXPECT_EQ(control.selected(), kNoTreePath) << "the selected item went";
}

TEST(ControlTable, NumbersOutsideTheTableAreEmptyAndControlsLeaveWhenDestroyed) {
    ControlTable& table = ControlTable::Instance();
    {
        ListBox list;
        table.Register(40, &list);
        table.Register(64, &list);
        table.Register(-1, &list);
        EXPECT_EQ(table.At(40), &list);
        EXPECT_EQ(table.At(64), nullptr);
        EXPECT_EQ(table.At(-1), nullptr);
        EXPECT_FALSE(table.ShowModal(40, "caption")) << "a list is no dialog";
    }
    EXPECT_EQ(table.At(40), nullptr);
    EXPECT_FALSE(table.ShowModal(41, "nothing there"));
}

}  // namespace
}  // namespace sced
