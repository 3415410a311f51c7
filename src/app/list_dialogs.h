#pragma once

#include <functional>
#include <optional>

#include "app/app_dialog.h"

class QListWidget;

namespace sced {

class CoolButton;
class CoolListBox;

// A dialog that picks one item of a list: the group dialog and (with a
// Rename button) the select-and-rename dialog. A double
// click on an item is OK. Beside the list, the commands that use the
// selected item, and Replace with... for an item that names a thing.
class ListDialog : public AppDialog {
    Q_OBJECT
public:
    enum Kind { kGroup, kRename };
    // Registers itself and its list under the numbers of its kind.
    ListDialog(QWidget* parent, Kind kind);

    // What Replace with... does: whether the item names a thing to replace,
    // and the replace, which gives the item chosen after it (nothing when
    // nothing was done).
    struct Replacer {
        std::function<bool(int item)> allowed;
        std::function<std::optional<int>(int item)> replace;
    };
    void SetReplacer(Replacer replacer) { replacer_ = std::move(replacer); }

protected:
    void Prepare() override;

private:
    void FollowSelection();

    CoolListBox* list_;
    QListWidget* usedBy_;
    CoolButton* rename_ = nullptr;
    CoolButton* replace_;
    Replacer replacer_;
};

}  // namespace sced
