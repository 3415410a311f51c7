#include "app/trigger_dialog.h"

#include <QBoxLayout>
#include <QLabel>

#include "controls/control_table.h"
#include "core/editor_texts.h"
#include "skin/cool_edit.h"
#include "skin/qt_text.h"
#include "skin/skin.h"

namespace sced {

TriggerDialog::TriggerDialog(QWidget* parent)
    : AppDialog(parent), name_(new CoolEdit(this)), times_(new CoolEdit(this)), reason_(nullptr) {
    const Skin& skin = Skin::Instance();
    name_->setMinimumWidth(360);
    name_->setMaxLength(1024);
    // Whatever is typed is checked on OK, so a wrong count gets its reason.
    times_->setMaxLength(12);
    content()->addWidget(NewLabel(skin.caption, ToQt(Say(text::kTriggerName))));
    content()->addWidget(name_);
    content()->addSpacing(6);
    content()->addWidget(NewLabel(skin.caption, ToQt(Say(text::kRepeatCount))));
    content()->addWidget(times_);
    reason_ = NewLabel(skin.textWarning);
    content()->addWidget(reason_);
    ControlTable::Instance().Register(kTriggerDialog, this);
}

void TriggerDialog::Prepare() {
    reason_->clear();
    reason_->hide();
    if (ControlEvents* events = ControlTable::Instance().events()) {
        const DialogExchange& exchange = events->exchange();
        name_->setText(ToQt(exchange.text));
        times_->setText(QString::number(exchange.times));
    }
    name_->selectAll();
    name_->setFocus();
}

std::string TriggerDialog::Refusal() {
    ControlEvents* events = ControlTable::Instance().events();
    if (!events) return {};
    // The edit refuses what code page 1251 cannot hold, so the text converts.
    std::string name = FromQt(name_->text()).value_or(std::string());
    std::string times = times_->text().toStdString();
    std::string why = events->ValidateTrigger(name, times);
    if (why.empty()) {
        events->exchange().text = name;
    } else {
        reason_->setText(ToQt(why));
        reason_->show();
    }
    return why;
}

}  // namespace sced
