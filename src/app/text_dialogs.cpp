#include "app/text_dialogs.h"

#include <QBoxLayout>
#include <QRegularExpressionValidator>

#include "controls/control_table.h"
#include "skin/cool_edit.h"
#include "skin/qt_text.h"
#include "skin/skin.h"

namespace sced {

TextDialog::TextDialog(QWidget* parent, Kind kind)
    : AppDialog(parent),
      kind_(kind),
      edit_(new CoolEdit(this)),
      reason_(NewLabel(Skin::Instance().textWarning)) {
    edit_->setMinimumWidth(kind == kString ? 360 : 240);
    // The names and numbers the files carry: a name of at most 1024 bytes,
    // a number with an optional leading minus.
    if (kind == kString)
        edit_->setMaxLength(1024);
    else
        edit_->setValidator(new QRegularExpressionValidator(QRegularExpression("-?[0-9]{0,11}"), edit_));
    content()->addWidget(edit_);
    content()->addWidget(reason_);
    ControlTable& table = ControlTable::Instance();
    table.Register(kind == kString ? kStringEdit : kNumberEdit, edit_);
    table.Register(kind == kString ? kStringDialog : kNumberDialog, this);
}

void TextDialog::Prepare() {
    reason_->clear();
    reason_->hide();
    edit_->selectAll();
    edit_->setFocus();
}

std::string TextDialog::Refusal() {
    ControlEvents* events = ControlTable::Instance().events();
    if (!events) return {};
    std::string text = edit_->GetText();
    std::string why = kind_ == kString ? events->ValidateName(text) : events->ValidateNumber(text);
    // Said in the dialog, beside what was typed, for names and numbers alike.
    if (why.empty()) return why;
    reason_->setText(ToQt(why));
    reason_->show();
    return why;
}

}  // namespace sced
