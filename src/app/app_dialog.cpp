#include "app/app_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/string_table.h"
#include "skin/qt_text.h"
#include "skin/skin.h"

namespace sced {

AppDialog::AppDialog(QWidget* parent) : CoolDialog(parent) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(ContentMargins());
    content_ = new QVBoxLayout;
    outer->addLayout(content_, 1);
    auto* buttons = new QHBoxLayout;
    ok_ = new CoolButton(QString(), this);
    cancel_ = new CoolButton(QString(), this);
    ok_->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addStretch();
    outer->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &AppDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &AppDialog::reject);
}

bool AppDialog::ShowModal(std::string_view caption) {
    ok_->SetText(Lookup("txtOK"));
    cancel_->SetText(Lookup("txtCancel"));
    Prepare();
    adjustSize();
    if (QWidget* owner = parentWidget()) {
        QRect area = owner->window()->frameGeometry();
        move(area.center() - rect().center());
    }
    return CoolDialog::ShowModal(caption);
}

QLabel* AppDialog::NewLabel(const QColor& colour, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setFont(Skin::Instance().dialogFont);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
    label->setWordWrap(true);
    return label;
}

void AppDialog::HideCancel() { cancel_->hide(); }

void AppDialog::accept() {
    if (Refusal().empty()) CoolDialog::accept();
}

}  // namespace sced
