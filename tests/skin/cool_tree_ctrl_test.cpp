#include "skin/cool_tree_ctrl.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "controls/item_markup.h"

namespace sced {
namespace {

constexpr auto P = PathTo;

TreeNode Trigger(const std::string& label, int actions) {
    TreeNode node{"&b" + label, {TreeNode{"&wIF", {TreeNode{"&yalways", {}}}}, TreeNode{"&wDO", {}}}};
    for (int i = 0; i < actions; ++i) node.children[1].children.push_back({label + " action " + std::to_string(i), {}});
    return node;
}

TEST(CoolTreeCtrl, CodesSetFontAndColour) {
    struct Case {
        const char* item;
        const char* text;
        bool bold;
        TreeItemColour colour;
    };
    const Case cases[] = {{"&bTrigger", "Trigger", true, TreeItemColour::Normal},
                          {"&c&bLost", "Lost", true, TreeItemColour::Warning},
                          {"&w&yIF", "IF", false, TreeItemColour::Normal},
                          {"&wDO", "DO", false, TreeItemColour::White},
                          {"&q&&x", "x", false, TreeItemColour::Normal},
                          {"a&b", "a&b", false, TreeItemColour::Normal}};
    for (const Case& c : cases) {
        TreeItemMarkup markup = ParseTreeItem(c.item);
        EXPECT_EQ(markup.text, c.text) << c.item;
        EXPECT_EQ(markup.bold, c.bold) << c.item;
        EXPECT_EQ(markup.colour, c.colour) << c.item;
    }
}

class TreeFixture : public testing::Test {
protected:
    void SetUp() override {
        tree.resize(300, 400);
        tree.SetTree({Trigger("A", 2), Trigger("B", 3), Trigger("C", 1)});
        tree.show();
    }
    QModelIndex At(const TreePath& path) {
        QModelIndex index;
        for (int level = 0; level < kTreePathLevels && path[static_cast<std::size_t>(level)] >= 0; ++level)
            index = tree.model()->index(path[static_cast<std::size_t>(level)], 0, index);
        return index;
    }
    QString Shown(const TreePath& path) { return At(path).data().toString(); }

    CoolTreeCtrl tree;
};

TEST_F(TreeFixture, SelectionFollowsTheDataBothWaysAcrossASplice) {
    tree.SetTreePath(P({1, 1, 2}));
    EXPECT_EQ(tree.currentIndex(), At(P({1, 1, 2})));
    EXPECT_EQ(tree.currentIndex().data().toString(), QString("B action 2"));
    tree.SpliceTree({0, 0, {Trigger("N", 0)}});
    // The data's path names the same place in the new tree, as far as it
    // goes ("A" has two actions), and the window shows that.
    EXPECT_EQ(tree.GetTreePath(), P({1, 1}));
    EXPECT_EQ(tree.currentIndex(), At(P({1, 1})));
    tree.setCurrentIndex(At(P({2, 1, 0})));        // the designer's click
    EXPECT_EQ(tree.GetTreePath(), P({2, 1, 0}));
    tree.Notify(kNextSibling);
    EXPECT_EQ(tree.currentIndex(), At(P({2, 1, 1})));
    tree.Notify(kParent);
    EXPECT_EQ(tree.currentIndex(), At(P({2, 1})));
}

TEST_F(TreeFixture, ExpandedTriggersSurviveSplicesAndRebuilds) {
    QSignalSpy resets(tree.model(), &QAbstractItemModel::modelReset);
    QSignalSpy inserted(tree.model(), &QAbstractItemModel::rowsInserted);
    tree.expand(At(P({1})));
    tree.expand(At(P({1, 1})));
    tree.SpliceTree({0, 0, {Trigger("N", 0)}});
    EXPECT_EQ(resets.count(), 0);
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_FALSE(tree.isExpanded(At(P({1}))));
    EXPECT_TRUE(tree.isExpanded(At(P({2}))));
    EXPECT_TRUE(tree.isExpanded(At(P({2, 1}))));

    // "B" gets two more actions in its place; the rows after it stay.
    tree.SpliceTree({2, 1, {Trigger("B", 5)}});
    EXPECT_EQ(resets.count(), 0);
    EXPECT_TRUE(tree.isExpanded(At(P({2}))));
    EXPECT_TRUE(tree.isExpanded(At(P({2, 1}))));
    EXPECT_EQ(tree.model()->rowCount(At(P({2, 1}))), 5);
    EXPECT_EQ(Shown(P({2, 1, 4})), QString("B action 4"));
    EXPECT_EQ(Shown(P({3})), QString("&bC"));

    // "B" and "C" change places: the expanded one stays expanded.
    tree.SpliceTree({2, 2, {Trigger("C", 1), Trigger("B", 5)}});
    EXPECT_FALSE(tree.isExpanded(At(P({2}))));
    EXPECT_TRUE(tree.isExpanded(At(P({3}))));
    tree.SpliceTree({2, 2, {Trigger("B", 5), Trigger("C", 1)}});

    tree.SpliceTree({0, 2, {}});
    EXPECT_EQ(tree.model()->rowCount(), 2);
    EXPECT_TRUE(tree.isExpanded(At(P({0}))));
    EXPECT_EQ(Shown(P({0})), QString("&bB"));

    tree.SetTree({Trigger("X", 1), Trigger("Y", 1)});
    EXPECT_TRUE(tree.isExpanded(At(P({0}))));
    EXPECT_FALSE(tree.isExpanded(At(P({1}))));
}

TEST_F(TreeFixture, LettersAndDoubleClicksDoNotMoveOrExpand) {
    tree.SetTreePath(P({0}));
    QTest::keyClicks(&tree, "bc");
    EXPECT_EQ(tree.GetTreePath(), P({0}));
    QSignalSpy doubleClicked(&tree, &CoolTreeCtrl::ItemDoubleClicked);
    QPoint centre = tree.visualRect(At(P({1}))).center();
    ASSERT_TRUE(tree.viewport()->rect().contains(centre));
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, centre);
    EXPECT_FALSE(tree.isExpanded(At(P({1}))));
    ASSERT_EQ(doubleClicked.count(), 1);
    EXPECT_EQ(doubleClicked[0][0].value<TreePath>(), P({1}));
}

}  // namespace
}  // namespace sced
