#pragma once

#include "app/app_dialog.h"

namespace sced {

class CoolTreeCtrl;

// Picks an item of a tree of categories: a unit type (category, unit) or
// an upgrade (category, unit, upgrade). OK on the unit-type tree with only
// a category selected closes as Cancel; the upgrade tree leaves that
// check to the editing operations. A double click on a leaf is OK.
class TreeDialog : public AppDialog {
    Q_OBJECT
public:
    enum Kind { kUnitType, kUpgrade };
    // Registers itself and its tree under the numbers of its kind.
    TreeDialog(QWidget* parent, Kind kind);

protected:
    void Prepare() override;
    void accept() override;

private:
    Kind kind_;
    CoolTreeCtrl* tree_;
};

}  // namespace sced
