#include "controls/control.h"

#include <algorithm>
#include <iterator>

#include "controls/control_table.h"
#include "core/scenario_error.h"

namespace sced {

Control::~Control() { ControlTable::Instance().Unregister(this); }

void Control::SetItems(const std::vector<std::string>&) {}
void Control::SetTree(Tree) {}
void Control::SpliceTree(TreeSplice) {}
void Control::RelabelTree(std::vector<TreeRelabel>) {}
void Control::SetTreePath(const TreePath&) {}
void Control::Notify(int, std::string_view) {}
void Control::SetSelection(int) {}
void Control::SetText(std::string text) { text_ = std::move(text); }
void Control::SetCommand(const TermCommand*) {}
TreePath Control::GetTreePath() { return kNoTreePath; }

void Control::SetTreePaths(const std::vector<TreePath>& paths) { SetTreePath(paths.empty() ? kNoTreePath : paths[0]); }

std::vector<TreePath> Control::GetTreePaths() {
    TreePath path = GetTreePath();
    return path == kNoTreePath ? std::vector<TreePath>() : std::vector<TreePath>{path};
}
int Control::GetSelection() { return -1; }
std::string Control::GetText() { return text_; }
bool Control::ShowModal(std::string_view) { return false; }

void ListBox::SetItems(const std::vector<std::string>& items) {
    items_ = items;
    if (selection_ >= static_cast<int>(items_.size())) selection_ = -1;
    Refresh();
}

void ListBox::SetSelection(int index) {
    selection_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
    Refresh();
}

int ListBox::GetSelection() { return selection_; }

void ListBox::Notify(int code, std::string_view) {
    if (code != kListSwatches && code != kListNormal) return;
    swatches_ = code == kListSwatches;
    Refresh();
}

void TreeCtrl::SetTree(Tree tree) {
    tree_ = std::move(tree);
    also_.clear();
    selected_ = ResolvePath(tree_, selected_);
    Refresh();
}

void TreeCtrl::SpliceTree(TreeSplice splice) {
    int size = static_cast<int>(tree_.size());
    splice.position = std::clamp(splice.position, 0, size);
    splice.removed = std::clamp(splice.removed, 0, size - splice.position);
    auto first = tree_.begin() + splice.position;
    if (static_cast<std::size_t>(splice.removed) == splice.inserted.size()) {
        // Nodes replaced in their places: nothing after them moves.
        std::move(splice.inserted.begin(), splice.inserted.end(), first);
    } else {
        tree_.erase(first, first + splice.removed);
        tree_.insert(tree_.begin() + splice.position, std::make_move_iterator(splice.inserted.begin()),
                     std::make_move_iterator(splice.inserted.end()));
    }
    selected_ = ResolvePath(tree_, selected_);
    also_.clear();
    Spliced(splice);
}

void TreeCtrl::RelabelTree(std::vector<TreeRelabel> texts) {
    std::vector<TreeRelabel> applied;
    for (TreeRelabel& text : texts) {
        Tree* list = &tree_;
        TreeNode* node = nullptr;
        for (int level = 0; level < PathDepth(text.path) && list; ++level) {
            auto row = static_cast<std::size_t>(text.path[static_cast<std::size_t>(level)]);
            node = row < list->size() ? &(*list)[row] : nullptr;
            list = node ? &node->children : nullptr;
        }
        if (!node) continue;
        node->text = std::move(text.text);
        applied.push_back({text.path, node->text});
    }
    Relabelled(applied);
}

void TreeCtrl::SetTreePath(const TreePath& path) {
    remembered_ = path;
    Select(path);
}

void TreeCtrl::SetTreePaths(const std::vector<TreePath>& paths) {
    remembered_ = paths.empty() ? kNoTreePath : paths[0];
    SelectMany(paths);
}

void TreeCtrl::Select(const TreePath& path) {
    selected_ = ResolvePath(tree_, path);
    also_.clear();
    ShowSelection();
}

void TreeCtrl::SelectMany(const std::vector<TreePath>& paths) {
    selected_ = ResolvePath(tree_, paths.empty() ? kNoTreePath : paths[0]);
    also_.clear();
    for (std::size_t i = 1; i < paths.size(); ++i)
        if (paths[i] != selected_ && ResolvePath(tree_, paths[i]) == paths[i]) also_.push_back(paths[i]);
    std::sort(also_.begin(), also_.end());
    also_.erase(std::unique(also_.begin(), also_.end()), also_.end());
    ShowSelection();
}

void TreeCtrl::Notify(int code, std::string_view text) {
    if (code == kExpand) {
        Expand(selected_);
        return;
    }
    bool changesTree = code == kDeleteItem || code == kInsertItem;
    also_.clear();
    selected_ = ApplyTreeCommand(tree_, selected_, code, remembered_, std::string(text));
    if (changesTree) Refresh();
    ShowSelection();
}

TreePath TreeCtrl::GetTreePath() { return selected_; }

std::vector<TreePath> TreeCtrl::GetTreePaths() {
    std::vector<TreePath> paths;
    if (selected_ != kNoTreePath) paths.push_back(selected_);
    paths.insert(paths.end(), also_.begin(), also_.end());
    return paths;
}

void Edit::SetText(std::string text) {
    text_ = std::move(text);
    Refresh();
}

std::string Edit::GetText() { return text_; }

void SmartCtrl::SetCommand(const TermCommand* command) {
    command_ = command;
    Refresh();
}

}  // namespace sced
