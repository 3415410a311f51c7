#pragma once

#include "app/app_dialog.h"

class QListWidget;

namespace sced {

class CoolButton;
class CoolListBox;

// A dialog that picks one item of a list: the group dialog and (with a
// Rename button) the select-and-rename dialog. A double
// click on an item is OK. Beside the list, the commands that use the
// selected item.
class ListDialog : public AppDialog {
    Q_OBJECT
public:
    enum Kind { kGroup, kRename };
    // Registers itself and its list under the numbers of its kind.
    ListDialog(QWidget* parent, Kind kind);

protected:
    void Prepare() override;

private:
    void FollowSelection();

    CoolListBox* list_;
    QListWidget* usedBy_;
    CoolButton* rename_ = nullptr;
};

}  // namespace sced
