#pragma once

#include "app/app_dialog.h"

namespace sced {

class CoolSmartCtrl;
class CoolTreeCtrl;
class Scenario;

// The command chooser (with the tree of functions) and the command editor
// (without): the sentence of the command being built or edited, whose
// arguments open their dialogs. OK is enabled exactly when every argument
// has a value.
class CommandDialog : public AppDialog {
    Q_OBJECT
public:
    enum Kind { kChooser, kEditor };
    // Registers itself, its tree and its sentence under the control
    // numbers of its kind.
    CommandDialog(QWidget* parent, Kind kind, const Scenario& scenario);

protected:
    void Prepare() override;
    std::string Refusal() override;

private:
    void FollowFilling();

    Kind kind_;
    CoolTreeCtrl* functions_ = nullptr;
    CoolSmartCtrl* sentence_;
};

}  // namespace sced
