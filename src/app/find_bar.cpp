#include "app/find_bar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>

#include "core/editor_texts.h"
#include "skin/cool_edit.h"
#include "skin/qt_text.h"
#include "skin/skin.h"

namespace sced {

namespace {
bool IsFieldKey(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    return key.key() < Qt::Key_F1 || key.key() > Qt::Key_F35;
}
}  // namespace

FindBar::FindBar(QWidget* parent) : QWidget(parent), field_(new CoolEdit(this)), found_(new QLabel(this)) {
    const Skin& skin = Skin::Instance();
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(ToQt(Say(text::kFind)), this);
    for (QLabel* label : {caption, found_}) {
        label->setFont(skin.dialogFont);
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, skin.caption);
        label->setPalette(colours);
    }
    field_->setMaxLength(256);
    field_->setPlaceholderText(ToQt(Say(text::kFindHint)));
    row->addWidget(caption);
    row->addWidget(field_, 1);
    row->addWidget(found_);
    found_->setMinimumWidth(QFontMetrics(skin.dialogFont).horizontalAdvance(ToQt(Say(text::kFound, {"00000"}))));
    field_->installEventFilter(this);
    connect(field_, &QLineEdit::textChanged, this, [this] { emit TextChanged(); });
}

void FindBar::Open() {
    show();
    field_->selectAll();
    field_->setFocus();
}

void FindBar::SetFound(const QString& text) { found_->setText(text); }

std::string FindBar::text() const { return FromQt(field_->text()).value_or(std::string()); }

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    bool shortcut = event->type() == QEvent::ShortcutOverride;
    if (watched != field_ || (!shortcut && event->type() != QEvent::KeyPress)) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // The window's shortcuts (Enter is Modify, Ins adds a trigger, ...) do
    // not take the field's keys; the keys with Ctrl or Alt stay the window's.
    if (shortcut) {
        event->setAccepted(IsFieldKey(*key));
        return true;
    }
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (key->modifiers() & Qt::ShiftModifier)
                emit Previous();
            else
                emit Next();
            return true;
        case Qt::Key_Escape:
            emit Closed();
            return true;
        default: return false;
    }
}

}  // namespace sced
