#include "app/command_dialog.h"

#include <QBoxLayout>

#include "controls/control_table.h"
#include "model/argument_text.h"
#include "model/command_tree.h"
#include "model/scenario.h"
#include "skin/cool_separator.h"
#include "skin/cool_smart_ctrl.h"
#include "skin/cool_tree_ctrl.h"

namespace sced {

CommandDialog::CommandDialog(QWidget* parent, Kind kind, const Scenario& scenario)
    : AppDialog(parent), kind_(kind), sentence_(new CoolSmartCtrl(this)) {
    ControlTable& table = ControlTable::Instance();
    if (kind == kChooser) {
        functions_ = new CoolTreeCtrl(this);
        functions_->setMinimumSize(540, 260);
        content()->addWidget(functions_, 1);
        content()->addWidget(new CoolSeparator(this));
        table.Register(kChooserTree, functions_);
        connect(functions_, &CoolTreeCtrl::SelectionChanged, this, [this] {
            if (ControlEvents* events = ControlTable::Instance().events()) events->ChooserSelectionChanged();
            FollowFilling();
        });
    }
    sentence_->setMinimumWidth(540);
    sentence_->SetArgumentText([this, &scenario](int arg) {
        const TermCommand* command = sentence_->command();
        return command ? GetArgumentString(scenario, *command, arg) : std::string();
    });
    content()->addWidget(sentence_);
    table.Register(kind == kChooser ? kChooserSentence : kEditorSentence, sentence_);
    table.Register(kind == kChooser ? kChooserDialog : kEditorDialog, this);
    connect(sentence_, &CoolSmartCtrl::ArgumentActivated, this, [this](int placeholder) {
        if (ControlEvents* events = ControlTable::Instance().events()) events->ArgumentClicked(placeholder);
        FollowFilling();
    });
}

void CommandDialog::Prepare() {
    FollowFilling();
    if (functions_) functions_->setFocus();
}

void CommandDialog::FollowFilling() {
    const TermCommand* command = sentence_->command();
    okButton()->setEnabled(command && command->AllFilled());
    sentence_->updateGeometry();
    sentence_->update();
}

std::string CommandDialog::Refusal() {
    const TermCommand* command = sentence_->command();
    return command && command->AllFilled() ? "" : "not every argument has a value";
}

}  // namespace sced
