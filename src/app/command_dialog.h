#pragma once

#include "app/app_dialog.h"

namespace sced {

class CoolEdit;
class CoolSmartCtrl;
class CoolTreeCtrl;
class Scenario;

// The command chooser (with the tree of functions and a filter field above
// it) and the command editor (without): the sentence of the command being
// built or edited, whose arguments open their dialogs. OK is enabled
// exactly when every argument has a value.
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
    // Down in the filter field moves into the tree, to its first function.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FollowFilling();
    void Filter();

    Kind kind_;
    CoolEdit* filter_ = nullptr;
    CoolTreeCtrl* functions_ = nullptr;
    CoolSmartCtrl* sentence_;
};

}  // namespace sced
