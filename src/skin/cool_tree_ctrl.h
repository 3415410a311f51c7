#pragma once

#include <QTreeView>
#include <set>
#include <vector>

#include "controls/control.h"

namespace sced {

class TreeModel;

// The tree of its data half, drawn by the skin with the items' "&" codes.
// The selection follows the data both ways; a double click is reported,
// not used to expand; typed letters do not move the selection. Which
// top-level items are expanded survives splices and rebuilds.
class CoolTreeCtrl : public QTreeView, public TreeCtrl {
    Q_OBJECT
public:
    explicit CoolTreeCtrl(QWidget* parent = nullptr);
    ~CoolTreeCtrl() override;

    void keyboardSearch(const QString& search) override;
    bool event(QEvent* event) override;
    void SpliceTree(TreeSplice splice) override;

    // Shows only the top-level items at the ascending positions, and the
    // selected one; null shows every item.
    void ShowOnly(const std::vector<int>* triggers);
    // The items drawn as found; they need not be shown.
    void Mark(std::vector<TreePath> paths);
    bool IsMarked(const TreePath& path) const;

signals:
    void ItemDoubleClicked(const TreePath& path);
    // The designer moved the selection.
    void SelectionChanged(const TreePath& path);

protected:
    // Only the navigation keys reach the tree; every other key is the
    // window's (Enter is Modify, Ctrl+Ins adds an action, ...).
    void keyPressEvent(QKeyEvent* event) override;
    void Refresh() override;
    void Spliced(const TreeSplice& splice) override;
    void ShowSelection() override;
    void Expand(const TreePath& path) override;

    void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;

private:
    // Hides the top-level rows the filter leaves out, touching only those
    // whose state changes.
    void ApplyFilter();

    TreeModel* model_;
    bool filtered_ = false;
    std::vector<int> shownOnly_;
    std::vector<TreePath> marked_;  // sorted
    bool showing_ = false;  // the selection comes from the data
    Tree replaced_;         // while a splice is applied: the nodes it replaces in place
};

}  // namespace sced
