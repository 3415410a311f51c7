#pragma once

#include <QAbstractItemModel>
#include <memory>
#include <vector>

#include "controls/control.h"

namespace sced {

// An item model over a tree control's Tree that copies nothing: an index
// names its item by its parent's place, so a view costs only what it has
// shown. It tells the view what a splice changed as inserted, removed
// and changed rows, so the view keeps what it had expanded and selected.
class TreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit TreeModel(const Tree& tree, QObject* parent = nullptr);
    ~TreeModel() override;

    // The tree was replaced as a whole.
    void Reset();
    // The tree's top level changed as the splice says (already applied).
    void Spliced(const TreeSplice& splice);
    // Nodes took new texts (already applied): those the view knows are
    // drawn anew.
    void Relabelled(const std::vector<TreeRelabel>& texts);

    QModelIndex IndexOf(const TreePath& path) const;
    TreePath PathOf(const QModelIndex& index) const;
    // The item's text with its codes; null for an index of no item.
    const TreeNode* NodeOf(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Every item may be dragged and dropped on; the view asks its owner
    // which drops are taken.
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    // What the view knows of an item's children: how many, and the shadows
    // of those whose children it has asked for.
    struct Shadow {
        Shadow* parent = nullptr;
        int row = 0;
        int rows = 0;
        std::vector<std::unique_ptr<Shadow>> children;
    };

    Shadow* ShadowOf(const QModelIndex& index) const;
    const TreeNode* NodeAt(const Shadow* shadow) const;
    QModelIndex IndexOf(const Shadow* shadow) const;
    void Renumber(Shadow& shadow, int from);
    // Brings what the view knows of the shadow's children up to the node.
    void Sync(Shadow& shadow, const TreeNode& node);

    const Tree& tree_;
    std::unique_ptr<Shadow> root_;
};

}  // namespace sced
