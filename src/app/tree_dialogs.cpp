#include "app/tree_dialogs.h"

#include <QBoxLayout>

#include "controls/control_table.h"
#include "skin/cool_tree_ctrl.h"

namespace sced {

namespace {
// The levels of a path that names a leaf of the kind's tree.
int LeafDepth(TreeDialog::Kind kind) { return kind == TreeDialog::kUnitType ? 2 : 3; }
}  // namespace

TreeDialog::TreeDialog(QWidget* parent, Kind kind) : AppDialog(parent), kind_(kind), tree_(new CoolTreeCtrl(this)) {
    tree_->setMinimumSize(kind == kUnitType ? 300 : 460, 340);
    content()->addWidget(tree_, 1);
    ControlTable& table = ControlTable::Instance();
    table.Register(kind == kUnitType ? kUnitTypeTree : kUpgradeTree, tree_);
    table.Register(kind == kUnitType ? kUnitTypeDialog : kUpgradeDialog, this);
    connect(tree_, &CoolTreeCtrl::ItemDoubleClicked, this, [this](const TreePath& path) {
        if (PathDepth(path) == LeafDepth(kind_)) accept();
    });
}

void TreeDialog::Prepare() {
    // The categories closed but the selected item's, so the choice is in view.
    tree_->collapseAll();
    if (tree_->currentIndex().isValid()) tree_->scrollTo(tree_->currentIndex());
    tree_->setFocus();
}

void TreeDialog::accept() {
    if (kind_ == kUnitType && PathDepth(tree_->GetTreePath()) != LeafDepth(kind_)) {
        reject();  // a category is no unit type
        return;
    }
    AppDialog::accept();
}

}  // namespace sced
