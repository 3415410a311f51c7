#include "app/list_dialogs.h"

#include <QBoxLayout>

#include "controls/control_table.h"
#include "skin/cool_button.h"
#include "skin/cool_list_box.h"

namespace sced {

ListDialog::ListDialog(QWidget* parent, Kind kind) : AppDialog(parent), list_(new CoolListBox(this)) {
    list_->setMinimumSize(300, 240);
    auto* row = new QHBoxLayout;
    row->addWidget(list_, 1);
    ControlTable& table = ControlTable::Instance();
    switch (kind) {
        case kGroup:
            table.Register(kGroupList, list_);
            table.Register(kGroupDialog, this);
            break;
        case kRename: {
            table.Register(kRenameList, list_);
            table.Register(kRenameDialog, this);
            rename_ = new CoolButton("Rename...", this);
            auto* side = new QVBoxLayout;
            side->addWidget(rename_);
            side->addStretch();
            row->addLayout(side);
            connect(rename_, &QPushButton::clicked, this, [this] {
                int item = list_->GetSelection();
                if (ControlEvents* events = ControlTable::Instance().events(); events && item >= 0) {
                    events->Rename(item);
                    list_->SetSelection(item);
                }
                FollowSelection();
            });
            break;
        }
    }
    content()->addLayout(row);
    connect(list_, &QListWidget::currentRowChanged, this, [this] { FollowSelection(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
}

void ListDialog::Prepare() {
    FollowSelection();
    list_->setFocus();
}

void ListDialog::FollowSelection() {
    if (!rename_) return;
    ControlEvents* events = ControlTable::Instance().events();
    int item = list_->GetSelection();
    rename_->setEnabled(events && item >= 0 && events->RenameAllowed(item));
}

}  // namespace sced
