#pragma once

#include <QTreeView>
#include <functional>
#include <set>
#include <vector>

#include "controls/control.h"

namespace sced {

class TreeModel;

// The tree of its data half, drawn by the skin with the items' "&" codes.
// The selection, of one item or several (Ctrl+click, Shift+click), follows
// the data both ways; collapsing an item that holds
// it selects that item; a double click is reported, not used to expand;
// typed letters do not move the selection. Which top-level items are
// expanded survives splices and rebuilds.
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

    // Dragging items with the mouse: the owner says which drops it takes
    // (none while this is unset); a drop it takes is reported by Dropped.
    void SetDropRule(std::function<bool(const TreePath& from, const TreePath& to)> accepts);
    // The path of the item at the point of the viewport (kNoTreePath for none).
    TreePath PathAt(const QPoint& point) const;
    // Drops the item at `from` onto the item at `to`, as the mouse does:
    // false, with nothing reported, when the rule refuses it.
    bool Drop(const TreePath& from, const TreePath& to);
    // The item a drag is over and would be taken by (kNoTreePath for none).
    const TreePath& dropTarget() const { return dropTarget_; }

signals:
    void ItemDoubleClicked(const TreePath& path);
    // The designer moved the selection.
    void SelectionChanged(const TreePath& path);
    void Dropped(const TreePath& from, const TreePath& to);

protected:
    // Only the navigation keys reach the tree; every other key is the
    // window's (Enter is Modify, Ctrl+Ins adds an action, ...).
    void keyPressEvent(QKeyEvent* event) override;
    void Refresh() override;
    void Spliced(const TreeSplice& splice) override;
    void Relabelled(const std::vector<TreeRelabel>& texts) override;
    void ShowSelection() override;
    void Expand(const TreePath& path) override;

    void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;
    void startDrag(Qt::DropActions actions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The data half takes the view's current and selected items.
    void FollowView();
    // Hides the top-level rows the filter leaves out, touching only those
    // whose state changes.
    void ApplyFilter();

    TreeModel* model_;
    bool filtered_ = false;
    std::vector<int> shownOnly_;
    std::vector<TreePath> marked_;  // sorted
    std::function<bool(const TreePath&, const TreePath&)> accepts_;
    TreePath dragged_ = kNoTreePath;     // while this tree drags an item
    TreePath dropTarget_ = kNoTreePath;
    bool showing_ = false;  // the selection comes from the data
    Tree replaced_;         // while a splice is applied: the nodes it replaces in place
};

}  // namespace sced
