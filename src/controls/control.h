#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "controls/tree_path.h"
#include "core/tree_node.h"

namespace sced {

class TermCommand;

// A change of a tree's top level: from position on, removed items are
// replaced by the inserted ones (an insertion removes none, a deletion
// inserts none). An edit hands the tree what it changed, not all of it.
struct TreeSplice {
    int position = 0;
    int removed = 0;
    Tree inserted;
};

// A node's new text; the node stays where it is. An edit that changes only
// what commands say hands the tree these, not the commands' nodes anew.
struct TreeRelabel {
    TreePath path;
    std::string text;
};

// The data half of a control of the editor's windows: what the control
// shows, handed over by the editing operations through the control table.
// The window half (or a test's fake) derives from it and refreshes itself
// in the hooks. A control leaves the control table when it is destroyed.
class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    virtual void SetItems(const std::vector<std::string>& items);
    virtual void SetTree(Tree tree);
    virtual void SpliceTree(TreeSplice splice);
    virtual void RelabelTree(std::vector<TreeRelabel> texts);
    virtual void SetTreePath(const TreePath& path);
    // Selects several items; the first is the current one.
    virtual void SetTreePaths(const std::vector<TreePath>& paths);
    // A tree command, or a list's drawing mode; text for kInsertItem.
    virtual void Notify(int code, std::string_view text = {});
    virtual void SetSelection(int index);
    virtual void SetText(std::string text);
    virtual void SetCommand(const TermCommand* command);

    virtual TreePath GetTreePath();
    // Every selected item, the current one first.
    virtual std::vector<TreePath> GetTreePaths();
    virtual int GetSelection();
    virtual std::string GetText();

    // A dialog: shows it modally with the caption; whether the designer
    // accepted it.
    virtual bool ShowModal(std::string_view caption);

protected:
    std::string text_;
};

// Drawing modes of a list (Notify codes).
inline constexpr int kListSwatches = 7;  // each item with the colour of its player
inline constexpr int kListNormal = 8;

// A list box: its items and the selected position (-1: none).
class ListBox : public Control {
public:
    void SetItems(const std::vector<std::string>& items) override;
    void SetSelection(int index) override;
    int GetSelection() override;
    void Notify(int code, std::string_view text = {}) override;

    const std::vector<std::string>& items() const { return items_; }
    bool swatches() const { return swatches_; }

protected:
    // Called after the items, the selection or the mode changed.
    virtual void Refresh() {}

    std::vector<std::string> items_;
    int selection_ = -1;
    bool swatches_ = false;
};

// A tree: the tree shown and the selected path, with the other items
// selected beside it (Ctrl+click, Shift+click). The tree commands work on
// the data, so a window and a fake select alike; a change of the tree keeps
// only the current item selected.
class TreeCtrl : public Control {
public:
    void SetTree(Tree tree) override;
    // A splice outside the tree's top level is cut to it.
    void SpliceTree(TreeSplice splice) override;
    // A path the tree does not have is passed over.
    void RelabelTree(std::vector<TreeRelabel> texts) override;
    // Remembers the path (for kSelectRemembered) and selects it.
    void SetTreePath(const TreePath& path) override;
    void SetTreePaths(const std::vector<TreePath>& paths) override;
    void Notify(int code, std::string_view text = {}) override;
    TreePath GetTreePath() override;
    std::vector<TreePath> GetTreePaths() override;

    const Tree& tree() const { return tree_; }
    const TreePath& selected() const { return selected_; }
    const std::vector<TreePath>& alsoSelected() const { return also_; }
    // The designer selects a path (a click, the keys).
    void Select(const TreePath& path);
    // The designer selects several paths (Ctrl+click, Shift+click); the
    // current one first.
    void SelectMany(const std::vector<TreePath>& paths);

protected:
    // Called after the tree was replaced: the window shows it anew.
    virtual void Refresh() {}
    // Called after a splice, with the splice as applied.
    virtual void Spliced(const TreeSplice&) { Refresh(); }
    // Called after nodes took new texts, with those applied.
    virtual void Relabelled(const std::vector<TreeRelabel>&) {}
    // Called after the selection changed in the data: the window selects it.
    virtual void ShowSelection() {}
    // Called for kExpand with the selected path.
    virtual void Expand(const TreePath&) {}

    Tree tree_;
    TreePath selected_ = kNoTreePath;
    std::vector<TreePath> also_;  // selected beside the current item
    TreePath remembered_ = kNoTreePath;
};

// An edit field: its text.
class Edit : public Control {
public:
    void SetText(std::string text) override;
    std::string GetText() override;

protected:
    virtual void Refresh() {}
};

// The clickable sentence of a command.
class SmartCtrl : public Control {
public:
    void SetCommand(const TermCommand* command) override;
    const TermCommand* command() const { return command_; }

protected:
    virtual void Refresh() {}
    const TermCommand* command_ = nullptr;
};

// A modal dialog; the window half shows it.
class Dialog : public Control {};

}  // namespace sced
