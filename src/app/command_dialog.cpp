#include "app/command_dialog.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QSignalBlocker>

#include "controls/control_table.h"
#include "core/editor_texts.h"
#include "model/argument_text.h"
#include "model/command_tree.h"
#include "model/scenario.h"
#include "skin/cool_edit.h"
#include "skin/cool_separator.h"
#include "skin/cool_smart_ctrl.h"
#include "skin/cool_tree_ctrl.h"
#include "skin/qt_text.h"

namespace sced {

CommandDialog::CommandDialog(QWidget* parent, Kind kind, const Scenario& scenario)
    : AppDialog(parent), kind_(kind), sentence_(new CoolSmartCtrl(this)) {
    ControlTable& table = ControlTable::Instance();
    if (kind == kChooser) {
        filter_ = new CoolEdit(this);
        filter_->setPlaceholderText(ToQt(Say(text::kFilter)));
        filter_->installEventFilter(this);
        content()->addWidget(filter_);
        connect(filter_, &QLineEdit::textChanged, this, [this] { Filter(); });
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
    if (filter_) {
        // The editing operations opened the chooser unfiltered.
        QSignalBlocker quiet(filter_);
        filter_->clear();
        filter_->setFocus();
    }
    FollowFilling();
}

void CommandDialog::Filter() {
    if (ControlEvents* events = ControlTable::Instance().events()) events->ChooserFilterChanged(filter_->GetText());
    if (!filter_->text().isEmpty()) functions_->expandAll();
    FollowFilling();
}

bool CommandDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == filter_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down) {
        const QModelIndex group = functions_->model()->index(0, 0);
        functions_->expand(group);
        functions_->setFocus();
        if (const QModelIndex first = functions_->model()->index(0, 0, group); first.isValid())
            functions_->setCurrentIndex(first);
        return true;
    }
    return AppDialog::eventFilter(watched, event);
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
